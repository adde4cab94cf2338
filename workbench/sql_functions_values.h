#pragma once
// Argument and result handling shared by the Access functions, and the date
// and aggregate functions.

#include <sqlite3.h>
#include <string>

namespace fieldizer::db::access_values {

// Messages a function fails with; sqliteErrorFor maps them to 5, 94, 93, 13, 6.
inline constexpr const char* invalidCall = "Invalid procedure call or argument";
inline constexpr const char* invalidNull = "Invalid use of Null";
inline constexpr const char* invalidPattern = "Invalid pattern string";
inline constexpr const char* typeMismatch = "Type mismatch";
inline constexpr const char* overflow = "Overflow";

// A value as text, numbers as the engine writes them (no ".0").
std::string textOf(sqlite3_value* value);
std::string numberText(double number);
void resultText(sqlite3_context* context, const std::string& text);
bool isTrue(sqlite3_value* value);

// True (and the result set to Null) when `value` is Null.
bool nullArgument(sqlite3_context* context, sqlite3_value* value);
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
