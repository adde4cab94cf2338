#include "workbench/functions/sql_functions_arithmetic.h"

#include "engine/runtime_error.h"
#include "workbench/engine/date_text.h"
#include "workbench/functions/sql_functions_values.h"

#include <cmath>
#include <cstdio>
#include <optional>
#include <sqlite3.h>

namespace fieldizer::db::access_values {
namespace {

// One operand: a number, and whether it was a date.
struct Operand {
    double number = 0;
    sqlite3_int64 integer = 0;
    bool isInteger = false;
    bool isDate = false;
};

std::optional<Operand> operandOf(sqlite3_value* value) {
    Operand operand;
    switch (sqlite3_value_numeric_type(value)) {
    case SQLITE_INTEGER:
        operand.integer = sqlite3_value_int64(value);
        operand.number = double(operand.integer);
        operand.isInteger = true;
        return operand;
    case SQLITE_FLOAT:
        operand.number = sqlite3_value_double(value);
        return operand;
    default:
        if (auto serial = serialFromStored(textOf(value))) {
            operand.number = *serial;
            operand.isDate = true;
            return operand;
        }
        return std::nullopt;
    }
}

void resultDate(sqlite3_context* context, double serial) {
    if (auto date = dateFromSerial(serial))
        resultText(context, *date);
    else
        sqlite3_result_error(context, overflow, -1);
}

void resultNumber(sqlite3_context* context, double number) {
    if (std::isfinite(number))
        sqlite3_result_double(context, number);
    else
        sqlite3_result_error(context, overflow, -1);
}

template <bool subtract> void arithmetic(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]) || nullArgument(context, args[1]))
        return;
    // Read before operandOf, which gives text that reads as a number its
    // numeric type.
    bool texts =
        sqlite3_value_type(args[0]) == SQLITE_TEXT && sqlite3_value_type(args[1]) == SQLITE_TEXT;
    auto a = operandOf(args[0]);
    auto b = operandOf(args[1]);
    // Two texts join, unless they are dates (a date plus a time of day).
    if (!subtract && texts && !(a && a->isDate && b && b->isDate)) {
        resultText(context, textOf(args[0]) + textOf(args[1]));
        return;
    }
    if (!a || !b) {
        sqlite3_result_error(context, typeMismatch, -1);
        return;
    }
    sqlite3_int64 whole = 0;
    bool exact = a->isInteger && b->isInteger &&
                 !(subtract ? __builtin_sub_overflow(a->integer, b->integer, &whole)
                            : __builtin_add_overflow(a->integer, b->integer, &whole));
    if (exact) {
        sqlite3_result_int64(context, whole);
        return;
    }
    double result = subtract ? a->number - b->number : a->number + b->number;
    // A date moved by days stays a date; the days between two dates are a number.
    bool date = subtract ? a->isDate && !b->isDate : a->isDate || b->isDate;
    if (date)
        resultDate(context, result);
    else
        resultNumber(context, result);
}

// Hex(number): the whole number (rounded, as the engine rounds) in
// hexadecimal; negative numbers in two's complement of 32 bits.
void hexFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    auto operand = operandOf(args[0]);
    if (!operand || operand->isDate) {
        sqlite3_result_error(context, typeMismatch, -1);
        return;
    }
    double rounded = std::nearbyint(operand->number);
    if (!(rounded >= -2147483648.0 && rounded <= 4294967295.0)) {
        sqlite3_result_error(context, overflow, -1);
        return;
    }
    char buffer[24];
    auto bits = static_cast<unsigned long long>(static_cast<long long>(rounded)) & 0xFFFFFFFFULL;
    std::snprintf(buffer, sizeof buffer, "%llX", bits);
    resultText(context, buffer);
}

constexpr ScalarFunction operators[] = {
    {"access_add", 2, arithmetic<false>},
    {"access_sub", 2, arithmetic<true>},
    {"hex", 1, hexFunction},
};

} // namespace

void registerArithmetic(sqlite3* db) {
    registerScalars(db, operators);
}

} // namespace fieldizer::db::access_values
