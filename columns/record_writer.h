#pragma once
// The record writers of Save to Database: every line of the text becomes one
// record of a table, its values cut by the column specifications or by a
// delimiter, each value passing the size check before it is written.

#include "columns/save_to_database.h"

namespace fieldizer {

// Writes the records into `table` (which exists) inside one transaction,
// committed at the end, at Stop, at an abort and before an error leaves
// here, so every record stored stays and none is half-written. A refused
// value is reported through `dialogs` and the writer goes on; any other
// run-time error ends the writer and is thrown for the caller to report.
SaveOutcome writeRecords(db::RecordTarget& database, const std::string& table,
                         const SaveRequest& request, UserDialogs& dialogs, PassObserver& observer);

} // namespace fieldizer
