#pragma once
// The messages an Access function fails a statement with. The functions
// raise them and sqliteErrorFor reads them back as 5, 94, 93, 13 and 6, so
// they live here, below both, and the translator needs nothing of the
// functions.

namespace fieldizer::db::access_values {

inline constexpr const char* invalidCall = "Invalid procedure call or argument";
inline constexpr const char* invalidNull = "Invalid use of Null";
inline constexpr const char* invalidPattern = "Invalid pattern string";
inline constexpr const char* typeMismatch = "Type mismatch";
inline constexpr const char* overflow = "Overflow";

} // namespace fieldizer::db::access_values
