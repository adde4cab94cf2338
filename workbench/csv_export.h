#pragma once
// A recordset written as CSV (RFC 4180): a header row of the field names,
// then one record a row, each ended by CR LF; a field holding a comma, a
// double quote, a CR or an LF is quoted. Text is UTF-8 (the program's
// Windows-1252 converted); a Null is an empty field and a zero-length text
// "" so that the two stay apart; other values are written as the table
// browser shows them (dates in General Date). The table browsers, the query
// result browser and `fieldizer-cli sql --csv` share it.

#include "text_engine/processing_pass.h"
#include "workbench/database_engine/recordset.h"

#include <cstdint>

namespace fieldizer::db {

struct CsvExportResult {
    std::uint64_t rowsWritten = 0;
    bool stopped = false; // Stop ended it; the rows before are written
};

// Writes `rows` from its first row to its end to `output` in pieces, the
// filter and sort the recordset was opened with in force. Progress counts
// rows: started() takes the recordset's RecordCount as far as it is known
// (move to the last row first for a full count), yield() the rows written,
// paced by the observer's interval; Stop is looked at between rows.
// Errors of the database or the output are thrown.
CsvExportResult exportCsv(Recordset& rows, PassOutput& output, PassObserver& observer);

} // namespace fieldizer::db
