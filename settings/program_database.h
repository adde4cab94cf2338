#pragma once
// Opening the program's own database from outside the windows (the command
// line), where no start-up has found it yet.

#include "workbench/database_engine/database.h"

#include <memory>
#include <string>

namespace fieldizer {

// Where the command line looks when no path is given: the current directory.
inline constexpr const char* defaultProgramDatabase = "fieldizer.mdb";

// Opens the file (path in the program's character set) with the program's
// own connect string. A missing file is error 3024, a file that is not a
// database 3343.
std::shared_ptr<db::Database> openProgramDatabase(const std::string& path);

} // namespace fieldizer
