#pragma once
// Checks that a statement fails with the RuntimeError a test expects: its
// number, and where the wording matters, its description. A check of the
// type alone would also pass on the wrong error.

#include "text_engine/runtime_error.h"

#include <gtest/gtest.h>

#define EXPECT_RUNTIME_ERROR(statement, expectedNumber, expectedText)                              \
    do {                                                                                           \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << "no error from " #statement;                                          \
        } catch (const ::fieldizer::RuntimeError& error) {                                         \
            EXPECT_EQ(error.number(), expectedNumber);                                             \
            EXPECT_EQ(error.description(), expectedText);                                          \
        }                                                                                          \
    } while (false)

#define EXPECT_RUNTIME_ERROR_NUMBER(statement, expectedNumber)                                     \
    do {                                                                                           \
        try {                                                                                      \
            statement;                                                                             \
            ADD_FAILURE() << "no error from " #statement;                                          \
        } catch (const ::fieldizer::RuntimeError& error) {                                         \
            EXPECT_EQ(error.number(), expectedNumber) << error.description();                      \
        }                                                                                          \
    } while (false)
