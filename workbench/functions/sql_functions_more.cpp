#include "workbench/functions/sql_functions_more.h"

#include "text_engine/cp1252.h"
#include "text_engine/memory_failure.h"
#include "text_engine/runtime_error.h"
#include "workbench/dialect/sql_dialect.h"
#include "workbench/functions/sql_functions_text.h"
#include "workbench/functions/sql_functions_values.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <random>
#include <sqlite3.h>

namespace fieldizer::db::access_values {
namespace {

bool sameLetters(char32_t a, char32_t b) {
    return access_text::toLower(a) == access_text::toLower(b);
}

// InStrRev(text, search [, start [, compare]]): the last position, searching
// back from `start` (-1: the end); letter case counts unless compare is 1
// (InStrRev compares binary by default, unlike InStr).
void inStrRevFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (nullArgument(context, args[0]) || nullArgument(context, args[1]))
        return;
    auto text = access_text::decode(textOf(args[0]));
    auto search = access_text::decode(textOf(args[1]));
    long long start = argc > 2 ? sqlite3_value_int64(args[2]) : -1;
    bool binary = !(argc > 3 && sqlite3_value_int64(args[3]) == 1);
    if (start == 0 || start < -1) {
        sqlite3_result_error(context, invalidCall, -1);
        return;
    }
    long long end = start == -1 ? (long long)text.size() : std::min<long long>(start, text.size());
    for (long long at = end - (long long)search.size(); at >= 0; --at) {
        bool found =
            std::equal(search.begin(), search.end(), text.begin() + at,
                       [&](char32_t a, char32_t b) { return binary ? a == b : sameLetters(a, b); });
        if (found) {
            sqlite3_result_int64(context, search.empty() ? end : at + 1);
            return;
        }
    }
    sqlite3_result_int(context, 0);
}

// String(count, character): the first character of a text, or a character code.
void stringFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[1]) || !requireCount(context, args[0]))
        return;
    sqlite3_int64 count = sqlite3_value_int64(args[0]);
    int type = sqlite3_value_numeric_type(args[1]);
    std::vector<char32_t> one;
    if (type == SQLITE_INTEGER || type == SQLITE_FLOAT)
        one = access_text::decode(
            cp1252ToUtf8(std::string(1, char(sqlite3_value_int(args[1]) & 255))));
    else
        one = access_text::decode(textOf(args[1]));
    if (one.empty() || count > 1000000) {
        sqlite3_result_error(context, invalidCall, -1);
        return;
    }
    std::vector<char32_t> repeated(static_cast<std::size_t>(count), one[0]);
    resultText(context, access_text::encode(repeated));
}

// StrComp(a, b [, compare]): -1, 0 or 1; letter case counts only when compare
// is 0 (a query compares text as the database does, without case).
void strCompFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (nullArgument(context, args[0]) || nullArgument(context, args[1]))
        return;
    auto a = access_text::decode(textOf(args[0]));
    auto b = access_text::decode(textOf(args[1]));
    bool textual = !(argc > 2 && sqlite3_value_int64(args[2]) == 0);
    if (textual) {
        for (auto* side : {&a, &b})
            std::transform(side->begin(), side->end(), side->begin(), access_text::toLower);
    }
    int order = a < b ? -1 : b < a ? 1 : 0;
    sqlite3_result_int(context, order);
}

void strReverseFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_error(context, invalidNull, -1);
        return;
    }
    auto text = access_text::decode(textOf(args[0]));
    std::reverse(text.begin(), text.end());
    resultText(context, access_text::encode(text));
}

// StrConv(text, conversion): 1 upper case, 2 lower case, 3 each word's first
// letter upper and the rest lower.
void strConvFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    auto text = access_text::decode(textOf(args[0]));
    int conversion = sqlite3_value_int(args[1]);
    if (conversion < 1 || conversion > 3) {
        sqlite3_result_error(context, invalidCall, -1);
        return;
    }
    bool wordStart = true;
    for (char32_t& c : text) {
        bool upper = conversion == 1 || (conversion == 3 && wordStart);
        c = upper ? access_text::toUpper(c) : access_text::toLower(c);
        wordStart = c == U' ' || c == U'\t' || c == U'\n' || c == U'\r';
    }
    resultText(context, access_text::encode(text));
}

// Chr(code): the character of a Windows-1252 code; Asc(text): the code of its
// first character.
void chrFunction(sqlite3_context* context, int, sqlite3_value** args) {
    auto code = numberArgument(context, args[0]);
    if (!code)
        return;
    long long n = std::llround(*code);
    if (n < 0 || n > 255)
        sqlite3_result_error(context, invalidCall, -1);
    else
        resultText(context, cp1252ToUtf8(std::string(1, char(n))));
}

void ascFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_error(context, invalidNull, -1);
        return;
    }
    std::string text = utf8ToCp1252(textOf(args[0]));
    if (text.empty())
        sqlite3_result_error(context, invalidCall, -1);
    else
        sqlite3_result_int(context, static_cast<unsigned char>(text[0]));
}

// CCur: four decimals, halves to even; CSng: single precision.
void ccurFunction(sqlite3_context* context, int, sqlite3_value** args) {
    auto value = numberArgument(context, args[0]);
    if (!value)
        return;
    if (std::fabs(*value) > 922337203685477.0) {
        sqlite3_result_error(context, overflow, -1);
        return;
    }
    double scaled = *value * 10000.0;
    sqlite3_result_double(context, (scaled - std::remainder(scaled, 1.0)) / 10000.0);
}

void csngFunction(sqlite3_context* context, int, sqlite3_value** args) {
    auto value = numberArgument(context, args[0]);
    if (!value)
        return;
    if (std::fabs(*value) > 3.402823466e38) {
        sqlite3_result_error(context, overflow, -1);
        return;
    }
    // Shown with the 7 digits a single holds, as the engine shows it.
    char digits[32];
    std::snprintf(digits, sizeof digits, "%.7g", double(float(*value)));
    sqlite3_result_double(context, std::strtod(digits, nullptr));
}

void isNumericFunction(sqlite3_context* context, int, sqlite3_value** args) {
    int type = sqlite3_value_numeric_type(args[0]);
    bool numeric = type == SQLITE_INTEGER || type == SQLITE_FLOAT;
    if (!numeric && sqlite3_value_type(args[0]) == SQLITE_TEXT) {
        std::string text = textOf(args[0]);
        char* end = nullptr;
        std::strtod(text.c_str(), &end);
        numeric = !text.empty() && end && *end == '\0' &&
                  text.find_first_of("0123456789") != std::string::npos;
    }
    sqlite3_result_int(context, numeric ? -1 : 0);
}

void isDateFunction(sqlite3_context* context, int, sqlite3_value** args) {
    bool date = sqlite3_value_type(args[0]) == SQLITE_TEXT && accessDateToStorage(textOf(args[0]));
    sqlite3_result_int(context, date ? -1 : 0);
}

void sqrFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    auto value = numberArgument(context, args[0]);
    if (!value)
        return;
    if (*value < 0)
        sqlite3_result_error(context, invalidCall, -1);
    else
        sqlite3_result_double(context, std::sqrt(*value));
}

// Rnd([seed]): a number from 0 up to (not including) 1.
void rndFunction(sqlite3_context* context, int, sqlite3_value**) {
    static thread_local std::mt19937_64 generator{std::random_device{}()};
    sqlite3_result_double(context, std::uniform_real_distribution<double>(0.0, 1.0)(generator));
}

// StDev, StDevP, Var, VarP over the values that are not Null (Welford's
// running mean, which stays exact enough for long columns).
struct Spread {
    long long count;
    double mean;
    double squares;
};

void spreadStep(sqlite3_context* context, int, sqlite3_value** args) {
    auto* spread = static_cast<Spread*>(sqlite3_aggregate_context(context, sizeof(Spread)));
    if (!spread) {
        sqlite3_result_error_nomem(context);
        return;
    }
    if (sqlite3_value_type(args[0]) == SQLITE_NULL)
        return;
    double x = sqlite3_value_double(args[0]);
    ++spread->count;
    double delta = x - spread->mean;
    spread->mean += delta / double(spread->count);
    spread->squares += delta * (x - spread->mean);
}

template <bool population, bool root> void spreadFinal(sqlite3_context* context) {
    auto* spread = static_cast<Spread*>(sqlite3_aggregate_context(context, 0));
    long long n = spread ? spread->count : 0;
    if (n == 0 || (!population && n < 2)) { // the sample forms need two values
        sqlite3_result_null(context);
        return;
    }
    double variance = spread->squares / double(population ? n : n - 1);
    sqlite3_result_double(context, root ? std::sqrt(variance) : variance);
}

constexpr ScalarFunction functions[] = {
    {"instrrev", 2, inStrRevFunction},
    {"instrrev", 3, inStrRevFunction},
    {"instrrev", 4, inStrRevFunction},
    {"string", 2, stringFunction},
    {"strcomp", 2, strCompFunction},
    {"strcomp", 3, strCompFunction},
    {"strreverse", 1, strReverseFunction},
    {"strconv", 2, strConvFunction},
    {"chr", 1, chrFunction},
    {"asc", 1, ascFunction},
    {"ccur", 1, ccurFunction},
    {"csng", 1, csngFunction},
    {"isnumeric", 1, isNumericFunction},
    {"isdate", 1, isDateFunction},
    {"sqr", 1, sqrFunction},
    {"rnd", 0, rndFunction, false},
    {"rnd", 1, rndFunction, false},
};

struct Aggregate {
    const char* name;
    void (*final)(sqlite3_context*);
};

constexpr std::array<Aggregate, 4> aggregates{{
    {"stdev", spreadFinal<false, true>},
    {"stdevp", spreadFinal<true, true>},
    {"var", spreadFinal<false, false>},
    {"varp", spreadFinal<true, false>},
}};

} // namespace

void registerMoreFunctions(sqlite3* db) {
    registerScalars(db, functions);
    for (const auto& a : aggregates) {
        if (sqlite3_create_function_v2(db, a.name, 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                       nullptr, spreadStep, a.final, nullptr) != SQLITE_OK)
            throw fieldizer::outOfMemoryError();
    }
}

} // namespace fieldizer::db::access_values
