#pragma once
// Argument and result handling shared by the Access functions, and the date
// and aggregate functions.

#include "workbench/dialect/function_failures.h"

#include <cstddef>
#include <optional>
#include <string>

// The handles of the SQLite API, declared here so that no header outside the
// engine objects includes the SQLite header.
struct sqlite3;
struct sqlite3_context;
struct sqlite3_value;

namespace fieldizer::db::access_values {

// A value as text, numbers as the engine writes them (no ".0").
std::string textOf(sqlite3_value* value);
std::string numberText(double number);
// As textOf, but a stored date as its General Date ("1/15/2024 3:04:05 PM"):
// the text a date becomes in &, CStr and Format without a pattern.
std::string displayText(sqlite3_value* value);
void resultText(sqlite3_context* context, const std::string& text);
bool isTrue(sqlite3_value* value);

// True (and the result set to Null) when `value` is Null.
bool nullArgument(sqlite3_context* context, sqlite3_value* value);
// The value as a number; the error set and nothing when it is not one
// (Null: "Invalid use of Null").
std::optional<double> numberArgument(sqlite3_context* context, sqlite3_value* value);

// The functions of one table, registered deterministic unless they say not.
struct ScalarFunction {
    const char* name;
    int arguments;
    void (*function)(sqlite3_context*, int, sqlite3_value**);
    bool deterministic = true;
};
void registerScalars(sqlite3* db, const ScalarFunction* functions, std::size_t count);
template <std::size_t n> void registerScalars(sqlite3* db, const ScalarFunction (&functions)[n]) {
    registerScalars(db, functions, n);
}

// A count (>= 0) or a position (>= 1); false with the error set otherwise.
bool requireCount(sqlite3_context* context, sqlite3_value* value);
bool requirePosition(sqlite3_context* context, sqlite3_value* value);

void nowFunction(sqlite3_context* context, int, sqlite3_value**);
void dateFunction(sqlite3_context* context, int, sqlite3_value**);
void timeFunction(sqlite3_context* context, int, sqlite3_value**);

// Year, Month, Day, Hour, Minute, Second of a stored date or a date text.
void datePart(sqlite3_context* context, sqlite3_value* value, int part);
template <int part> void datePartFunction(sqlite3_context* context, int, sqlite3_value** args) {
    datePart(context, args[0], part);
}

// The aggregates First and Last.
void registerFirstLast(sqlite3* db);

} // namespace fieldizer::db::access_values
