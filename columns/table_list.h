#pragma once
// refreshDbaseTableList's reading half: the tables of a database a user may
// pick as a target, in the engine's order. The windows fill their lists
// from it.

#include "workbench/database_engine/record_target.h"

#include <string>
#include <vector>

namespace fieldizer {

// The tables isListedTable offers, read anew from the database (a server
// lists those visible on its search path). Errors of the database are
// thrown; the lists that ignore them catch them.
std::vector<std::string> listedTableNames(db::RecordTarget& database);

} // namespace fieldizer
