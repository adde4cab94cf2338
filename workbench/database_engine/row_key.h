#pragma once
// Rows are addressed by SQLite's row number, which answers to three names:
// rowid, oid and _rowid_. A field a user names so takes that name over, so
// the row number is reached through a name no field of the table has.

#include "workbench/database_engine/connection.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

// The first of rowid, oid and _rowid_ that none of `columns` takes (names
// compare without regard to case); nothing when all three are taken.
std::optional<std::string> rowKeyAmong(const std::vector<std::string>& columns);

// The name of the row number of a table (`table` as stored, in the
// program's character set); nothing when its fields take all three names.
std::optional<std::string> freeRowKey(Connection& connection, std::string_view table);
// As freeRowKey; error 3251 when no row of the table can be addressed.
std::string rowKeyName(Connection& connection, std::string_view table);

} // namespace fieldizer::db
