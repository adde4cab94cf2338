#pragma once
// Converting an Access file into a new database of the program's kind: every
// user table with its fields, rows and indexes, and the saved queries as
// saved query definitions. All or nothing, and never in place: the Access
// file is only read, and the new file appears under its name only once
// everything is in it.

#include "text_engine/processing_pass.h"
#include "workbench/access/conversion_report.h"

#include <filesystem>

namespace fieldizer::access {

// Converts `source` into the new file `target` (the file system's paths),
// in a child process (conversion_child.h). Progress runs
// over the rows the tables announce; Stop ends it at any moment and gives a
// report marked stopped, with no target.
// Errors: 3204 when `target` exists, 3024 when `source` is missing, 3343
// when it is no Access file libmdb can read (damaged or truncated), or any
// error of the new database; on every error nothing is left at `target`.
ConversionReport convertAccessDatabase(const std::filesystem::path& source,
                                       const std::filesystem::path& target, PassObserver& observer);

} // namespace fieldizer::access
