#include "cli/column_sources.h"

#include "cli/access_commands.h"
#include "cli/argument_text.h"
#include "cli/message_hints.h"
#include "columns/spec_table.h"
#include "settings/program_database.h"
#include "settings/settings_record.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/fieldizer_database.h"

#include <cstdint>
#include <limits>

namespace fieldizer::cli {

std::shared_ptr<db::Database> openProgramDatabaseAt(const std::string& path) {
    refuseAccessFile(path);
    try {
        return openProgramDatabase(path);
    } catch (const RuntimeError& error) {
        if (error.number() == db::errors::missingFile)
            throw HintedError(error, cliMessageIds::programDatabaseMissing, path);
        throw;
    }
}

std::shared_ptr<db::Database> openProgramDatabaseOf(const ParsedArguments& parsed) {
    return openProgramDatabaseAt(parsed.option("--db").value_or(defaultProgramDatabase));
}

namespace {

// The fields are Longs: a wider number would wrap on its way to the database
// (4294967301 would make a field of 5 characters).
void checkLongRange(const std::optional<long>& number, const std::string& text) {
    if (number && (*number < std::numeric_limits<std::int32_t>::min() ||
                   *number > std::numeric_limits<std::int32_t>::max()))
        throw UsageError("--column '" + terminalText(text) + "': " + std::to_string(*number) +
                         " is out of range (" +
                         std::to_string(std::numeric_limits<std::int32_t>::min()) + " to " +
                         std::to_string(std::numeric_limits<std::int32_t>::max()) + ")");
}

} // namespace

ColumnSpecs columnOptionsOf(const ParsedArguments& parsed) {
    ColumnSpecs specs;
    auto columns = parsed.options.find("--column");
    if (columns == parsed.options.end())
        return specs;
    for (const std::string& text : columns->second) {
        auto spec = parseColumnOption(text);
        if (!spec)
            throw UsageError("--column takes HEADING:START:CHARS:SPACES:WIDTH, not '" +
                             terminalText(text) + "'");
        for (const auto* number : {&spec->getDataFromColumn, &spec->numberOfCharacters,
                                   &spec->spacesB4NextColumn, &spec->fieldWidth})
            checkLongRange(*number, text);
        specs.push_back(std::move(*spec));
    }
    return specs;
}

ColumnSpecs columnSpecsOf(const ParsedArguments& parsed) {
    if (parsed.options.count("--column"))
        return columnOptionsOf(parsed);
    auto database = openProgramDatabaseOf(parsed);
    if (auto name = parsed.option("--settings")) {
        const std::string table = settingsTableName(*name);
        // A set whose copy table is gone has no specifications.
        return database->tableDefs().contains(table) ? readColumnSpecs(*database, table)
                                                     : ColumnSpecs{};
    }
    return readColumnSpecs(*database, db::specificationTable);
}

} // namespace fieldizer::cli
