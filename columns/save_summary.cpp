#include "columns/save_summary.h"

namespace fieldizer {

bool hasSaveSummary(const SaveOutcome& outcome) {
    return outcome.status != SaveStatus::Refused && outcome.status != SaveStatus::Cancelled;
}

std::string saveSummary(const SaveOutcome& outcome) {
    return std::to_string(outcome.recordsStored) + " records stored in " + outcome.tableName +
           " (" + std::to_string(outcome.valuesLeftOut) + " values left out)";
}

} // namespace fieldizer
