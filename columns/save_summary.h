#pragma once
// The closing count of a save, as both front ends tell it: the command line
// on standard error, the window in its status bar.

#include "columns/save_to_database.h"

#include <string>

namespace fieldizer {

// Whether the save wrote (or tried to write) records, so that a count is
// worth telling: not when a check refused it or the user cancelled.
bool hasSaveSummary(const SaveOutcome& outcome);

// "N records stored in TABLE (K values left out)", the table as the
// database spells it, in the program's character set.
std::string saveSummary(const SaveOutcome& outcome);

} // namespace fieldizer
