#include "workbench/functions/sql_functions_arithmetic.h"

#include "text_engine/runtime_error.h"
#include "workbench/database_engine/date_text.h"
#include "workbench/functions/sql_functions_values.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <sqlite3.h>
#include <string_view>
#include <variant>
#include <vector>

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

// A text as SQLite's numeric affinity reads it: the whole text (spaces
// around it aside) a whole number, or a real number, or nothing.
std::optional<Operand> numberFromText(std::string_view text) {
    const auto space = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (!text.empty() && space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && space(text.back()))
        text.remove_suffix(1);
    std::size_t i = text.starts_with('+') || text.starts_with('-') ? 1 : 0;
    const auto digits = [&] {
        std::size_t from = i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        return i - from;
    };
    std::size_t whole = digits();
    bool real = i < text.size() && text[i] == '.';
    std::size_t fraction = real ? (++i, digits()) : 0;
    if (whole + fraction == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        real = true;
        ++i;
        i += i < text.size() && (text[i] == '+' || text[i] == '-') ? 1 : 0;
        if (digits() == 0)
            return std::nullopt;
    }
    if (i != text.size())
        return std::nullopt;
    Operand operand;
    std::string copy(text);
    if (!real) {
        errno = 0;
        long long integer = std::strtoll(copy.c_str(), nullptr, 10);
        if (errno == 0) {
            operand.integer = integer;
            operand.number = double(integer);
            operand.isInteger = true;
            return operand;
        }
    }
    operand.number = std::strtod(copy.c_str(), nullptr);
    return operand;
}

// One operand of + or -, as an argument gave it or as the step before left it.
struct Term {
    bool null = false;
    bool text = false;              // text as written (two texts join)
    std::optional<Operand> operand; // its number or date, nothing when it is none
    std::string joined;             // what it adds to a join
    std::string written;            // a text as it stands, for the result
};

Term termOf(sqlite3_value* value) {
    Term term;
    term.null = sqlite3_value_type(value) == SQLITE_NULL;
    // Read before operandOf, which gives text that reads as a number its
    // numeric type, as which it then joins.
    term.text = sqlite3_value_type(value) == SQLITE_TEXT;
    term.operand = operandOf(value);
    term.joined = textOf(value);
    return term;
}

Term numberTerm(const Operand& operand) {
    Term term;
    term.operand = operand;
    term.joined = operand.isInteger ? std::to_string(operand.integer) : numberText(operand.number);
    return term;
}

// A text result, read as the next step reads a text argument.
Term textTerm(std::string text) {
    Term term;
    term.operand = numberFromText(text);
    if (term.operand)
        term = numberTerm(*term.operand);
    else if (auto serial = serialFromStored(text))
        term.operand = Operand{*serial, 0, false, true};
    if (!term.operand || term.operand->isDate)
        term.joined = text;
    term.text = true;
    term.written = std::move(text);
    return term;
}

// a + b or a - b as the engine evaluates them; the error's text when it
// fails.
std::variant<Term, const char*> combine(const Term& a, const Term& b, bool subtract) {
    if (a.null || b.null)
        return Term{true, false, std::nullopt, {}, {}};
    // Two texts join, unless they are dates (a date plus a time of day).
    bool dates = a.operand && a.operand->isDate && b.operand && b.operand->isDate;
    if (!subtract && a.text && b.text && !dates)
        return textTerm(a.joined + b.joined);
    if (!a.operand || !b.operand)
        return typeMismatch;
    sqlite3_int64 whole = 0;
    bool exact =
        a.operand->isInteger && b.operand->isInteger &&
        !(subtract ? __builtin_sub_overflow(a.operand->integer, b.operand->integer, &whole)
                   : __builtin_add_overflow(a.operand->integer, b.operand->integer, &whole));
    if (exact)
        return numberTerm(Operand{double(whole), whole, true, false});
    double result =
        subtract ? a.operand->number - b.operand->number : a.operand->number + b.operand->number;
    // A date moved by days stays a date; the days between two dates are a number.
    bool date =
        subtract ? a.operand->isDate && !b.operand->isDate : a.operand->isDate || b.operand->isDate;
    if (date) {
        auto stored = dateFromSerial(result);
        if (!stored)
            return overflow;
        return textTerm(*stored);
    }
    if (!std::isfinite(result))
        return overflow;
    return numberTerm(Operand{result, 0, false, false});
}

void resultTerm(sqlite3_context* context, const Term& term) {
    if (term.null)
        sqlite3_result_null(context);
    else if (term.text)
        resultText(context, term.written);
    else if (term.operand->isInteger)
        sqlite3_result_int64(context, term.operand->integer);
    else
        sqlite3_result_double(context, term.operand->number);
}

// Folds a + b - c ... from the left: `count` operands, `subtractsBefore(i)`
// telling the operator before operand i (from 1).
template <typename SubtractsBefore>
void foldArithmetic(sqlite3_context* context, int count, sqlite3_value** operands, int stride,
                    SubtractsBefore subtractsBefore) {
    Term result = termOf(operands[0]);
    for (int i = 1; i < count; ++i) {
        auto next = combine(result, termOf(operands[i * stride]), subtractsBefore(i));
        if (const char* const* failure = std::get_if<const char*>(&next)) {
            sqlite3_result_error(context, *failure, -1);
            return;
        }
        result = std::move(std::get<Term>(next));
    }
    resultTerm(context, result);
}

template <bool subtract> void arithmetic(sqlite3_context* context, int, sqlite3_value** args) {
    foldArithmetic(context, 2, args, 1, [](int) { return subtract; });
}

// access_add_sub(a, '+', b, '-', c, ...): a chain of + and - in one call, so
// that a long chain does not nest calls deeper than SQLite's parser takes.
void chainedArithmetic(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (argc % 2 == 0) {
        sqlite3_result_error(context, invalidCall, -1);
        return;
    }
    // Operand i stands at 2 * i, its operator just before it.
    foldArithmetic(context, argc / 2 + 1, args, 2,
                   [&](int i) { return textOf(args[2 * i - 1]) == "-"; });
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
    {"access_add_sub", -1, chainedArithmetic},
    {"hex", 1, hexFunction},
};

} // namespace

void registerArithmetic(sqlite3* db) {
    registerScalars(db, operators);
}

} // namespace fieldizer::db::access_values
