#pragma once
// Column specifications as rows of a table of the program's database: the
// working table fieldize_settings, or a saved copy fieldize_<name>.

#include "columns/column_spec.h"
#include "workbench/database_engine/database.h"

#include <string_view>

namespace fieldizer {

// The rows of `table` in the order the table returns them (order of entry).
// Field names are matched without regard to case.
ColumnSpecs readColumnSpecs(db::Database& database, std::string_view table);

// The current row of `rows` (fields matched without regard to case).
ColumnSpec readColumnSpec(db::Recordset& rows);

// Puts every field of `spec` into the edit buffer of `rows`, after AddNew or
// Edit; a missing number is written as Null.
void assignColumnSpec(db::Recordset& rows, const ColumnSpec& spec);

// Adds `specs` as rows of `table`, in order, after the rows it has.
void appendColumnSpecs(db::Database& database, std::string_view table, const ColumnSpecs& specs);

// Replaces every row of `table` with `specs`, all or nothing.
void replaceColumnSpecs(db::Database& database, std::string_view table, const ColumnSpecs& specs);

// The SQL that empties the working specifications; rows without a start
// column (left half-typed in the grid) stay.
inline constexpr const char* clearWorkingSpecsSql =
    "delete * from fieldize_settings where not isnull(get_data_from_column);";

} // namespace fieldizer
