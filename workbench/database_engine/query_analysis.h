#pragma once
// Tells whether a SELECT can back an editable dynaset: a query on one table
// whose every column is a field of that table, without grouping, DISTINCT,
// aggregates or set operations. Such a query's rows are that table's rows,
// found again by their rowids.

#include "workbench/database_engine/connection.h"
#include "workbench/database_engine/row_source.h"

#include <optional>
#include <string>
#include <vector>

namespace fieldizer::db {

struct EditableQuery {
    std::string table;                    // as stored, program's character set
    std::vector<std::string> baseColumns; // the table field of each column
    // The query with the rowid as an extra first column named
    // fieldizer_rowid_.
    std::string keyedSql;
};

// `sql` is translated SQLite SQL (UTF-8) of one SELECT.
std::optional<EditableQuery> editableQuery(Connection& connection, const std::string& sql,
                                           const Bindings& bindings);

} // namespace fieldizer::db
