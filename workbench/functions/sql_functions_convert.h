#pragma once
// Access's conversion and number functions, registered with the others by
// registerAccessFunctions: Round (to even, as the engine rounds), CStr,
// CDbl, CLng, CInt, CDate, Int, Fix, Sgn, Space, Str and Format.

struct sqlite3;

namespace fieldizer::db::access_values {

void registerConversionFunctions(sqlite3* db);

} // namespace fieldizer::db::access_values
