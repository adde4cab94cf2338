#pragma once
// The operators + and - as the engine evaluates them, which SQLite's own
// cannot: dates are numbers of days, + on two texts joins them, and text that
// reads as a number counts as that number.

struct sqlite3;

namespace fieldizer::db::access_values {

// access_add(a, b), access_sub(a, b): Null when either is Null; a date plus
// or minus a number is a date, a date minus a date the days between them.
// access_add_sub(a, '+', b, '-', c, ...): a chain of both, from the left.
// Also Hex(number).
void registerArithmetic(sqlite3* db);

} // namespace fieldizer::db::access_values
