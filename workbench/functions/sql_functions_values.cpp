#include "workbench/functions/sql_functions_values.h"

#include "text_engine/memory_failure.h"
#include "text_engine/runtime_error.h"
#include "workbench/database_engine/date_text.h"
#include "workbench/dialect/sql_dialect.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <sqlite3.h>

namespace fieldizer::db::access_values {
namespace {

bool requireNumber(sqlite3_context* context, sqlite3_value* value, long long minimum) {
    if (sqlite3_value_type(value) == SQLITE_NULL) {
        sqlite3_result_error(context, invalidNull, -1);
        return false;
    }
    int type = sqlite3_value_numeric_type(value);
    if (type != SQLITE_INTEGER && type != SQLITE_FLOAT) {
        sqlite3_result_error(context, typeMismatch, -1);
        return false;
    }
    double number = sqlite3_value_double(value);
    if (number < double(minimum) || number > 2147483647.0) {
        sqlite3_result_error(context, invalidCall, -1);
        return false;
    }
    return true;
}

std::string localTime(const char* format) {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, format, &local);
    return buffer;
}

struct Kept {
    sqlite3_value* value;
    bool seen;
};

template <bool last> void keepStep(sqlite3_context* context, int, sqlite3_value** args) {
    auto* kept = static_cast<Kept*>(sqlite3_aggregate_context(context, sizeof(Kept)));
    if (!kept) {
        sqlite3_result_error_nomem(context);
        return;
    }
    if (kept->seen && !last)
        return;
    sqlite3_value_free(kept->value);
    kept->value = sqlite3_value_dup(args[0]);
    kept->seen = true;
}

void keepFinal(sqlite3_context* context) {
    auto* kept = static_cast<Kept*>(sqlite3_aggregate_context(context, 0));
    if (kept && kept->value)
        sqlite3_result_value(context, kept->value);
    else
        sqlite3_result_null(context);
    if (kept)
        sqlite3_value_free(kept->value);
}

} // namespace

std::string numberText(double number) {
    char buffer[40];
    if (std::floor(number) == number && std::fabs(number) < 1e15)
        std::snprintf(buffer, sizeof buffer, "%.0f", number);
    else
        std::snprintf(buffer, sizeof buffer, "%.15g", number);
    return buffer;
}

std::string textOf(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_INTEGER:
        return std::to_string(sqlite3_value_int64(value));
    case SQLITE_FLOAT:
        return numberText(sqlite3_value_double(value));
    case SQLITE_NULL:
        return {};
    default: {
        const auto* bytes = static_cast<const char*>(sqlite3_value_blob(value));
        int size = sqlite3_value_bytes(value);
        return bytes ? std::string(bytes, static_cast<std::size_t>(size)) : std::string();
    }
    }
}

std::string displayText(sqlite3_value* value) {
    std::string text = textOf(value);
    return sqlite3_value_type(value) == SQLITE_TEXT ? generalDate(text) : text;
}

void resultText(sqlite3_context* context, const std::string& text) {
    sqlite3_result_text64(context, text.data(), text.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
}

bool isTrue(sqlite3_value* value) {
    int type = sqlite3_value_numeric_type(value);
    if (type == SQLITE_INTEGER)
        return sqlite3_value_int64(value) != 0;
    if (type == SQLITE_FLOAT)
        return sqlite3_value_double(value) != 0;
    return false;
}

bool nullArgument(sqlite3_context* context, sqlite3_value* value) {
    if (sqlite3_value_type(value) != SQLITE_NULL)
        return false;
    sqlite3_result_null(context);
    return true;
}

std::optional<double> numberArgument(sqlite3_context* context, sqlite3_value* value) {
    if (sqlite3_value_type(value) == SQLITE_NULL) {
        sqlite3_result_error(context, invalidNull, -1);
        return std::nullopt;
    }
    int type = sqlite3_value_numeric_type(value);
    if (type != SQLITE_INTEGER && type != SQLITE_FLOAT) {
        sqlite3_result_error(context, typeMismatch, -1);
        return std::nullopt;
    }
    return sqlite3_value_double(value);
}

bool requireCount(sqlite3_context* context, sqlite3_value* value) {
    return requireNumber(context, value, 0);
}

bool requirePosition(sqlite3_context* context, sqlite3_value* value) {
    return requireNumber(context, value, 1);
}

void nowFunction(sqlite3_context* context, int, sqlite3_value**) {
    resultText(context, localTime("%Y-%m-%d %H:%M:%S"));
}

void dateFunction(sqlite3_context* context, int, sqlite3_value**) {
    resultText(context, localTime("%Y-%m-%d 00:00:00"));
}

void timeFunction(sqlite3_context* context, int, sqlite3_value**) {
    resultText(context, localTime("1899-12-30 %H:%M:%S"));
}

void datePart(sqlite3_context* context, sqlite3_value* value, int part) {
    if (nullArgument(context, value))
        return;
    auto stored = accessDateToStorage(textOf(value));
    if (!stored) {
        sqlite3_result_error(context, typeMismatch, -1);
        return;
    }
    // "YYYY-MM-DD HH:MM:SS": each part at a fixed place.
    static constexpr int offsets[] = {0, 5, 8, 11, 14, 17};
    std::size_t offset = static_cast<std::size_t>(offsets[part]);
    std::size_t length = part == 0 ? 4 : 2;
    sqlite3_result_int(context, std::stoi(stored->substr(offset, length)));
}

void registerScalars(sqlite3* db, const ScalarFunction* functions, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const ScalarFunction& f = functions[i];
        int flags = SQLITE_UTF8 | (f.deterministic ? SQLITE_DETERMINISTIC : 0);
        if (sqlite3_create_function_v2(db, f.name, f.arguments, flags, nullptr, f.function, nullptr,
                                       nullptr, nullptr) != SQLITE_OK)
            throw fieldizer::outOfMemoryError();
    }
}

void registerFirstLast(sqlite3* db) {
    int flags = SQLITE_UTF8 | SQLITE_DETERMINISTIC;
    if (sqlite3_create_function_v2(db, "first", 1, flags, nullptr, nullptr, keepStep<false>,
                                   keepFinal, nullptr) != SQLITE_OK ||
        sqlite3_create_function_v2(db, "last", 1, flags, nullptr, nullptr, keepStep<true>,
                                   keepFinal, nullptr) != SQLITE_OK)
        throw fieldizer::outOfMemoryError();
}

} // namespace fieldizer::db::access_values
