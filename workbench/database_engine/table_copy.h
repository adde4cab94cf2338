#pragma once
// Copying every row of one table into another of the same field names, as
// SQL does it (INSERT ... SELECT), in chunks of rows taken in storage order so
// that a window can show progress between them. Values are copied as they
// are stored; the target's field rules (size, empty text) are checked on
// every row.

#include "text_engine/processing_pass.h"
#include "workbench/database_engine/database.h"

#include <optional>
#include <string_view>

namespace fieldizer::db {

// Copies the rows of `source` into `target` for every field of `target`,
// matched by name in `source`. The observer is told the row count
// (started, only when there are rows) and yielded to between chunks, paced
// by time; progress is counted in rows. Runs inside the caller's
// transaction, if any: a failure part-way throws, and it is the caller's
// transaction that removes the rows already copied. Returns the rows copied,
// or nothing when Stop ended the copy (the rows copied so far are removed
// again, the caller's transaction is left open). Every copy ends: a table
// whose rows its rowids do not address is copied in one piece.
std::optional<long> copyTableRows(Database& database, std::string_view source,
                                  std::string_view target, PassObserver& observer);

} // namespace fieldizer::db
