#pragma once
// The rows a table browser shows, written as a CSV file (workbench's
// exportCsv: a header row, RFC 4180, UTF-8). They are read again from the
// database, the filter, sort and parameter values of the browser's
// recordset in force, one row at a time, so a table of any size costs no
// more memory. What the database holds is written: a row typed in the grid
// and not stored is not in it, so the browser stores (or drops) it first.

#include "text_engine/processing_pass.h"
#include "workbench/database_engine/recordset.h"

#include <cstdint>
#include <filesystem>

namespace fieldizer {

struct CsvFileExport {
    std::uint64_t records = 0; // rows written, the header not counted
    bool stopped = false;      // Stop ended it: no file was written
};

// Writes the rows of `shown` (a dynaset) to `file` through a temporary file
// renamed over it at the end: Stop or a failure leaves no new file and an
// existing one as it was. Progress runs over `shown`'s record count; Stop
// is looked at between rows. Errors of the database or the file (a full
// disk, a folder that is not there) are thrown as RuntimeError.
CsvFileExport exportShownRows(db::Recordset& shown, const std::filesystem::path& file,
                              PassObserver& observer);

} // namespace fieldizer
