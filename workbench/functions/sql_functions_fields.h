#pragma once
// access_fit(value, type, table, field): the value as a field of that engine
// type holds it, by fitValueToField (field_type.h), the one rule every write
// keeps to. A value the field cannot hold fails the statement with the
// engine's error for it (function_failures.h). The field triggers of SQL
// writes call it (typed_writes.h); names are UTF-8, as SQLite passes them.

struct sqlite3;

namespace fieldizer::db::access_values {

void registerFieldFitting(sqlite3* db);

} // namespace fieldizer::db::access_values
