#pragma once
// refreshDbaseTableList's reading half: the tables of a database a user may
// pick as a target, in the engine's order. The windows fill their lists
// from it.

#include "workbench/database_engine/database.h"

#include <string>
#include <vector>

namespace fieldizer {

// The tables isListedTable offers, read after refreshing the table list.
// Engine errors are thrown; the lists that ignore them catch them.
std::vector<std::string> listedTableNames(db::Database& database);

} // namespace fieldizer
