#include "cli/column_sources.h"

#include "columns/spec_table.h"
#include "settings/program_database.h"
#include "settings/settings_record.h"
#include "workbench/engine/cp1252.h"
#include "workbench/fieldizer_database.h"

namespace fieldizer::cli {

std::shared_ptr<db::Database> openProgramDatabaseOf(const ParsedArguments& parsed) {
    return openProgramDatabase(
        db::utf8ToCp1252(parsed.option("--db").value_or(defaultProgramDatabase)));
}

ColumnSpecs columnSpecsOf(const ParsedArguments& parsed) {
    ColumnSpecs specs;
    if (auto columns = parsed.options.find("--column"); columns != parsed.options.end()) {
        for (const std::string& text : columns->second) {
            auto spec = parseColumnOption(db::utf8ToCp1252(text));
            if (!spec)
                throw UsageError("--column takes HEADING:START:CHARS:SPACES:WIDTH, not '" + text +
                                 "'");
            specs.push_back(std::move(*spec));
        }
        return specs;
    }
    auto database = openProgramDatabaseOf(parsed);
    if (auto name = parsed.option("--settings")) {
        const std::string table = settingsTableName(db::utf8ToCp1252(*name));
        // A set whose copy table is gone has no specifications.
        return database->tableDefs().contains(table) ? readColumnSpecs(*database, table)
                                                     : ColumnSpecs{};
    }
    return readColumnSpecs(*database, db::specificationTable);
}

} // namespace fieldizer::cli
