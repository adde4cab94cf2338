#pragma once
// Opening the program's own database from outside the windows (the command
// line), where no start-up has found it yet.

#include "workbench/database_engine/database.h"

#include <filesystem>
#include <memory>
#include <string>

namespace fieldizer {

// Where the command line looks when no path is given: the current directory.
inline constexpr const char* defaultProgramDatabase = "fieldizer.mdb";

// Opens the file with the program's own connect string. A missing file is error 3024, a file that
// is not a database 3343.
std::shared_ptr<db::Database> openProgramDatabase(const std::filesystem::path& path);

} // namespace fieldizer
