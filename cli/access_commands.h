#pragma once
// Access files on the command line: import-access converts one into a new
// database of the program's kind; every other command refuses one where it
// expects a database of its own kind, saying how to convert it.

#include "cli/commands.h"

#include <stdexcept>
#include <string>

namespace fieldizer::cli {

// An Access file named where the program's own kind of database belongs.
// Printed as it stands; exit status 2.
class AccessDatabaseGiven : public std::runtime_error {
  public:
    AccessDatabaseGiven();
};

// Throws AccessDatabaseGiven when `path` (as given) is an Access file.
void refuseAccessFile(const std::string& path);

// import-access SOURCE TARGET
int runImportAccess(Args args);

} // namespace fieldizer::cli
