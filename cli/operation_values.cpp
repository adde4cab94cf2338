#include "cli/argument_text.h"
#include "cli/column_sources.h"
#include "cli/operation_table.h"
#include "settings/program_database.h"
#include "settings/settings_record.h"

namespace fieldizer::cli {

ParameterValues loadOperationValues(const ParsedArguments& parsed) {
    ParameterValues values = defaultParameterValues();
    if (auto name = parsed.option("--settings")) {
        const std::string path = parsed.option("--db").value_or(defaultProgramDatabase);
        auto database = openProgramDatabaseAt(path);
        auto saved = readSavedSettings(*database, *name, std::move(values));
        if (!saved)
            throw UsageError("no saved Settings named '" + terminalText(*name) + "' in " + path);
        values = std::move(*saved);
    }
    for (const auto& [key, value] : parsed.keys)
        values[key] = value;
    return values;
}

} // namespace fieldizer::cli
