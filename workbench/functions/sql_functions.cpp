#include "workbench/functions/sql_functions.h"

#include "text_engine/runtime_error.h"
#include "workbench/dialect/sql_dialect.h"
#include "workbench/functions/sql_functions_arithmetic.h"
#include "workbench/functions/sql_functions_convert.h"
#include "workbench/functions/sql_functions_dates.h"
#include "workbench/functions/sql_functions_fields.h"
#include "workbench/functions/sql_functions_more.h"
#include "workbench/functions/sql_functions_text.h"
#include "workbench/functions/sql_functions_values.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <sqlite3.h>
#include <string>

namespace fieldizer::db {
namespace {

using namespace access_values;

// Left(text, n), Right(text, n)
void leftFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]) || !requireCount(context, args[1]))
        return;
    auto text = access_text::decode(textOf(args[0]));
    std::size_t n = std::min<std::size_t>(text.size(), sqlite3_value_int64(args[1]));
    text.resize(n);
    resultText(context, access_text::encode(text));
}

void rightFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]) || !requireCount(context, args[1]))
        return;
    auto text = access_text::decode(textOf(args[0]));
    std::size_t n = std::min<std::size_t>(text.size(), sqlite3_value_int64(args[1]));
    text.erase(text.begin(), text.end() - static_cast<long>(n));
    resultText(context, access_text::encode(text));
}

// Mid(text, start [, length])
void midFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (nullArgument(context, args[0]) || !requirePosition(context, args[1]) ||
        (argc == 3 && !requireCount(context, args[2])))
        return;
    auto text = access_text::decode(textOf(args[0]));
    auto start = static_cast<unsigned long long>(sqlite3_value_int64(args[1])) - 1;
    if (start >= text.size()) {
        resultText(context, "");
        return;
    }
    auto length =
        argc == 3 ? static_cast<unsigned long long>(sqlite3_value_int64(args[2])) : text.size();
    std::vector<char32_t> part(text.begin() + static_cast<long>(start),
                               text.begin() + static_cast<long>(std::min<unsigned long long>(
                                                  text.size(), start + length)));
    resultText(context, access_text::encode(part));
}

void lenFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    if (sqlite3_value_type(args[0]) == SQLITE_BLOB)
        sqlite3_result_int64(context, sqlite3_value_bytes(args[0]));
    else
        sqlite3_result_int64(
            context, static_cast<sqlite3_int64>(access_text::decode(textOf(args[0])).size()));
}

template <char32_t (*change)(char32_t)>
void caseFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    auto text = access_text::decode(textOf(args[0]));
    for (char32_t& c : text)
        c = change(c);
    resultText(context, access_text::encode(text));
}

template <bool left, bool right>
void trimFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    std::string text = textOf(args[0]);
    std::size_t begin = left ? text.find_first_not_of(' ') : 0;
    if (begin == std::string::npos) {
        resultText(context, "");
        return;
    }
    std::size_t end = right ? text.find_last_not_of(' ') + 1 : text.size();
    resultText(context, text.substr(begin, end - begin));
}

void iifFunction(sqlite3_context* context, int, sqlite3_value** args) {
    sqlite3_result_value(context, isTrue(args[0]) ? args[1] : args[2]);
}

void nzFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) != SQLITE_NULL)
        sqlite3_result_value(context, args[0]);
    else if (argc == 2)
        sqlite3_result_value(context, args[1]);
    else
        resultText(context, "");
}

void valFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    sqlite3_result_double(context, access_text::leadingNumber(textOf(args[0])));
}

void isNullFunction(sqlite3_context* context, int, sqlite3_value** args) {
    sqlite3_result_int(context, sqlite3_value_type(args[0]) == SQLITE_NULL ? -1 : 0);
}

// InStr([start,] text, search [, compare])
void inStrFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    int first = argc == 2 ? 0 : 1;
    if (argc > 2 && !requirePosition(context, args[0]))
        return;
    long long start = argc == 2 ? 1 : sqlite3_value_int64(args[0]);
    if (nullArgument(context, args[first]) || nullArgument(context, args[first + 1]))
        return;
    bool binary = argc == 4 && sqlite3_value_type(args[3]) != SQLITE_NULL &&
                  sqlite3_value_int64(args[3]) == 0;
    sqlite3_result_int64(context, access_text::findText(textOf(args[first]),
                                                        textOf(args[first + 1]), start, binary));
}

void likeFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]) || nullArgument(context, args[1]))
        return;
    auto matched = access_text::likeMatches(textOf(args[0]), textOf(args[1]));
    if (!matched)
        sqlite3_result_error(context, invalidPattern, -1);
    else
        sqlite3_result_int(context, *matched ? 1 : 0);
}

// a & b & c ... in one call, so that a long chain does not nest calls deeper
// than SQLite's parser takes.
void concatFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    bool allNull = true;
    std::string text;
    for (int i = 0; i < argc; ++i) {
        if (sqlite3_value_type(args[i]) == SQLITE_NULL)
            continue;
        allNull = false;
        text += displayText(args[i]);
    }
    if (allNull)
        sqlite3_result_null(context);
    else
        resultText(context, text);
}

void powerFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]) || nullArgument(context, args[1]))
        return;
    double result = std::pow(sqlite3_value_double(args[0]), sqlite3_value_double(args[1]));
    if (std::isfinite(result))
        sqlite3_result_double(context, result);
    else
        sqlite3_result_error(context, invalidCall, -1);
}

constexpr ScalarFunction registrations[] = {
    {"left", 2, leftFunction, true},
    {"right", 2, rightFunction, true},
    {"mid", 2, midFunction, true},
    {"mid", 3, midFunction, true},
    {"len", 1, lenFunction, true},
    {"ucase", 1, caseFunction<access_text::toUpper>, true},
    {"lcase", 1, caseFunction<access_text::toLower>, true},
    {"trim", 1, trimFunction<true, true>, true},
    {"ltrim", 1, trimFunction<true, false>, true},
    {"rtrim", 1, trimFunction<false, true>, true},
    {"iif", 3, iifFunction, true},
    {"nz", 1, nzFunction, true},
    {"nz", 2, nzFunction, true},
    {"val", 1, valFunction, true},
    {"isnull", 1, isNullFunction, true},
    {"instr", 2, inStrFunction, true},
    {"instr", 3, inStrFunction, true},
    {"instr", 4, inStrFunction, true},
    {"access_like", 2, likeFunction, true},
    {"access_concat", -1, concatFunction, true},
    {"power", 2, powerFunction, true},
    {"now", 0, nowFunction, false},
    {"date", 0, dateFunction, false},
    {"time", 0, timeFunction, false},
    {"year", 1, datePartFunction<0>, true},
    {"month", 1, datePartFunction<1>, true},
    {"day", 1, datePartFunction<2>, true},
    {"hour", 1, datePartFunction<3>, true},
    {"minute", 1, datePartFunction<4>, true},
    {"second", 1, datePartFunction<5>, true},
};

} // namespace

void registerAccessFunctions(sqlite3* db) {
    registerScalars(db, registrations);
    registerFirstLast(db);
    registerConversionFunctions(db);
    registerArithmetic(db);
    registerDateFunctions(db);
    registerMoreFunctions(db);
    registerFieldFitting(db);
    // A "name" that matches no field is an error, never a text.
    sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
}

} // namespace fieldizer::db
