#pragma once
// How table descriptions live in the file. A field's type and size are its
// declared column type ("TEXT(50)", "LONG" ...); text columns compare without
// regard to case (COLLATE NOCASE); the size limit and the refusal of empty
// text are CHECK constraints named "fieldSize:<table>.<field>" and
// "zeroLength:<table>.<field>", so SQL writes meet the same refusals as the
// layer's own and the error tells which rule and field refused. Reading a
// table back restores all of it; tables made by other tools are read by
// their declared types.

#include "workbench/database_engine/connection.h"
#include "workbench/database_engine/table_def.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

// The CREATE TABLE statement (UTF-8) for a table description.
std::string createTableSql(const TableDef& table);

// Creates the table; 3010 when a table or query of that name exists, 3264
// without fields, 3125 for an invalid name.
void createTable(Connection& connection, const TableDef& table);

// Every table of the file (not SQLite's internal ones), sorted by name
// without regard to case.
std::vector<std::string> tableNames(Connection& connection);

// The table's name as stored, matched without regard to case.
std::optional<std::string> storedTableName(Connection& connection, std::string_view name);

// The table's description read from the file; nothing when it does not exist.
std::optional<TableDef> readTableDef(Connection& connection, std::string_view name);

// Whether every Text field of the table carries its size rule, so that its
// values are known to fit their declared sizes: SQLite tests the rules on
// every write but the layer's own, which checks each value itself.
bool textSizesAreChecked(Connection& connection, std::string_view table);

// Whether every CHECK constraint of the table is one of the field rules
// above, which the layer applies itself to every value it writes.
bool checksAreFieldRules(Connection& connection, std::string_view table);

// The columns of the table's index of that name (any case), in key order.
// "PrimaryKey" also finds the primary key. Empty when there is no such index.
std::vector<std::string> indexColumns(Connection& connection, std::string_view table,
                                      std::string_view index);

// Creates an index of that name on the table's fields.
void createIndex(Connection& connection, std::string_view table, std::string_view index,
                 const std::vector<std::string>& fields, bool unique);

} // namespace fieldizer::db
