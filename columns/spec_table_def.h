#pragma once
// The table Save to Database creates from the column specifications: one
// Text field per row, in order, named by its heading, as large as its
// field_width, zero-length text allowed.

#include "columns/column_spec.h"
#include "workbench/database_engine/table_def.h"

#include <string>

namespace fieldizer {

// The table's description. Throws what the engine refuses: a missing
// field_width (94), an invalid name (3125), a size out of range (3001), a
// heading twice (3191).
db::TableDef specTableDef(const std::string& name, const ColumnSpecs& specs);

// The CREATE TABLE statement (UTF-8, ending with ";") the save runs for a
// new table of that name, refused as specTableDef refuses.
std::string createTableStatement(const std::string& name, const ColumnSpecs& specs);

} // namespace fieldizer
