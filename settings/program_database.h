#pragma once
// The one routine that opens the program's own database, for the windows
// (through shell/program_state/own_database.h) and the command line alike.

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
