#pragma once
// The Access functions that translated SQL calls, registered on an SQLite
// connection. Text is UTF-8; lengths and positions count characters.

struct sqlite3;

namespace fieldizer::db {

// Registers on `db`: Left, Right, Mid (1-based, length optional), Len,
// UCase, LCase, Trim, LTrim, RTrim, Now, Date, Time, IIf, Nz, Val, IsNull,
// InStr ([start,] text, search [, compare]; letter case ignored unless
// compare is 0), Year, Month, Day, Hour, Minute, Second, First and Last
// (aggregates), power, Round, CStr, CDbl, CLng, CInt, CBool, CDate, Int, Fix,
// Sgn, Space, Str, Format (common named, date and number formats), Hex, the
// date functions (sql_functions_dates.h), the further text, conversion and
// spread functions (sql_functions_more.h), and the translator's helpers
// access_like(value, pattern) (Access wildcards, letter case ignored),
// access_concat(a, b, ...) (&: Null counts as empty text, Null only when all
// are Null; dates in General Date), access_add/access_sub/access_add_sub
// (+ and -, see sql_functions_arithmetic.h), and access_fit, which makes a
// value fit a typed field (sql_functions_fields.h).
// Trim, LTrim, RTrim, InStr, Round, Format and Date() take the place of SQLite's own
// functions of the same name and argument count on this connection.
// It also stops SQLite from reading a "name" that matches no field as a text,
// so a misspelt field is an error, as in the engine.
//
// Errors inside a function fail the statement with the engine's description
// ("Invalid procedure call or argument", "Invalid use of Null", "Invalid
// pattern string", "Type mismatch", "Overflow"); sqliteErrorFor
// (sql_dialect.h) and the engine's error mapping turn them into 5, 94, 93,
// 13, 6 (function_failures.h).
// Throws RuntimeError 7 if SQLite cannot register them.
void registerAccessFunctions(sqlite3* db);

} // namespace fieldizer::db
