#include "workbench/functions/sql_functions_convert.h"

#include "text_engine/runtime_error.h"
#include "workbench/database_engine/date_text.h"
#include "workbench/dialect/sql_dialect.h"
#include "workbench/functions/sql_functions_format.h"
#include "workbench/functions/sql_functions_values.h"

#include <cfenv>
#include <cmath>
#include <optional>
#include <sqlite3.h>

namespace fieldizer::db::access_values {
namespace {

// Halves go to the even neighbour, as the engine rounds.
double roundToEven(double value) {
    return value - std::remainder(value, 1.0);
}

void roundFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    auto value = numberArgument(context, args[0]);
    if (!value || (argc == 2 && !requireCount(context, args[1])))
        return;
    int places = argc == 2 ? std::min(15, sqlite3_value_int(args[1])) : 0;
    double scale = std::pow(10.0, places);
    double rounded = roundToEven(*value * scale) / scale;
    sqlite3_result_double(context, std::isfinite(rounded) ? rounded : *value);
}

template <long long low, long long high>
void wholeFunction(sqlite3_context* context, int, sqlite3_value** args) {
    auto value = numberArgument(context, args[0]);
    if (!value)
        return;
    double rounded = roundToEven(*value);
    if (!(rounded >= double(low) && rounded <= double(high)))
        sqlite3_result_error(context, overflow, -1);
    else
        sqlite3_result_int64(context, static_cast<sqlite3_int64>(rounded));
}

void cdblFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (auto value = numberArgument(context, args[0]))
        sqlite3_result_double(context, *value);
}

void cstrFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL)
        sqlite3_result_error(context, invalidNull, -1);
    else
        resultText(context, displayText(args[0]));
}

void cdateFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_error(context, invalidNull, -1);
        return;
    }
    int type = sqlite3_value_numeric_type(args[0]);
    auto date = type == SQLITE_INTEGER || type == SQLITE_FLOAT
                    ? dateFromSerial(sqlite3_value_double(args[0]))
                    : accessDateToStorage(textOf(args[0]));
    if (date)
        resultText(context, *date);
    else
        sqlite3_result_error(context, typeMismatch, -1);
}

// Int rounds down, Fix toward zero; both keep Null.
template <bool towardZero>
void integerPartFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    if (auto value = numberArgument(context, args[0]))
        sqlite3_result_double(context, towardZero ? std::trunc(*value) : std::floor(*value));
}

void sgnFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    if (auto value = numberArgument(context, args[0]))
        sqlite3_result_int(context, *value > 0 ? 1 : *value < 0 ? -1 : 0);
}

void spaceFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (!requireCount(context, args[0]))
        return;
    sqlite3_int64 count = sqlite3_value_int64(args[0]);
    if (count > 1000000)
        sqlite3_result_error(context, invalidCall, -1);
    else
        resultText(context, std::string(static_cast<std::size_t>(count), ' '));
}

// Str writes a leading space where the sign of a negative number would be.
void strFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    auto value = numberArgument(context, args[0]);
    if (!value)
        return;
    resultText(context, (*value < 0 ? "" : " ") + numberText(*value));
}

void formatFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    std::string pattern = argc == 2 ? textOf(args[1]) : "";
    if (pattern.empty()) {
        resultText(context, displayText(args[0]));
        return;
    }
    int type = sqlite3_value_numeric_type(args[0]);
    std::optional<std::string> result;
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        result = access_format::formatNumber(sqlite3_value_double(args[0]), pattern);
    else if (auto date = accessDateToStorage(textOf(args[0])))
        result = access_format::formatDate(*date, pattern);
    if (!result && (pattern == "<" || pattern == ">")) {
        std::string text = textOf(args[0]);
        for (char& c : text)
            c = pattern == "<" ? char(std::tolower(static_cast<unsigned char>(c)))
                               : char(std::toupper(static_cast<unsigned char>(c)));
        result = text;
    }
    if (result)
        resultText(context, *result);
    else
        sqlite3_result_error(context, invalidCall, -1);
}

void cboolFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (auto value = numberArgument(context, args[0]))
        sqlite3_result_int(context, *value != 0 ? -1 : 0);
}

constexpr ScalarFunction conversions[] = {
    {"round", 1, roundFunction},
    {"round", 2, roundFunction},
    {"cint", 1, wholeFunction<-32768, 32767>},
    {"clng", 1, wholeFunction<-2147483648LL, 2147483647LL>},
    {"cdbl", 1, cdblFunction},
    {"cstr", 1, cstrFunction},
    {"cdate", 1, cdateFunction},
    {"int", 1, integerPartFunction<false>},
    {"fix", 1, integerPartFunction<true>},
    {"sgn", 1, sgnFunction},
    {"space", 1, spaceFunction},
    {"str", 1, strFunction},
    {"format", 1, formatFunction},
    {"format", 2, formatFunction},
    {"cbool", 1, cboolFunction},
};

} // namespace

void registerConversionFunctions(sqlite3* db) {
    registerScalars(db, conversions);
}

} // namespace fieldizer::db::access_values
