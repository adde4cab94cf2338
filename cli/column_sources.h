#pragma once
// Where the command line takes column specifications and the program's
// database from.

#include "cli/arguments.h"
#include "columns/column_spec.h"
#include "workbench/database_engine/database.h"

#include <memory>

namespace fieldizer::cli {

// Opens the program's database at `path` (as typed, UTF-8). A missing file
// is error 3024 with the hint to create it or name another.
std::shared_ptr<db::Database> openProgramDatabaseAt(const std::string& path);

// Opens the program's database named by --db (default fieldizer.mdb).
std::shared_ptr<db::Database> openProgramDatabaseOf(const ParsedArguments& parsed);

// The specifications of the --column options, none when none are given. A
// malformed --column, or a number a Long cannot hold, is a usage error.
ColumnSpecs columnOptionsOf(const ParsedArguments& parsed);

// The specifications from the --column options, else from the saved set
// --settings NAME, else from the database's working table. A malformed
// --column is a usage error.
ColumnSpecs columnSpecsOf(const ParsedArguments& parsed);

} // namespace fieldizer::cli
