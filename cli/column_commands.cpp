#include "cli/column_sources.h"
#include "cli/commands.h"
#include "cli/message_hints.h"
#include "cli/operation_table.h"
#include "cli/save_command.h"
#include "cli/text_io.h"
#include "columns/fieldize.h"

#include <iostream>

namespace fieldizer::cli {

int runFieldize(Args args) {
    const ParsedArguments parsed =
        parseArguments(args, {{"--in", "--out", "--db", "--settings", "--column", "--encoding"},
                              {"--lf"},
                              {"--column"},
                              0});
    checkKeys(parsed.keys, {KeyTab::Fieldize});
    const ParameterValues values = loadOperationValues(parsed);
    const ColumnSpecs specs = columnSpecsOf(parsed);
    // Without specifications every line would come out blank.
    if (specs.empty()) {
        printMessage(std::cerr, noColumnSpecsId, noColumnSpecsMessage);
        return exitUsage;
    }
    const int startLineAt = numberValue(values, "fieldizeStartLineAt");
    return runLineOperation(
        parsed, fieldizeOperation([&]() -> const ColumnSpecs& { return specs; }, startLineAt));
}

int runSave(Args args) {
    return runSaveCommand(args);
}

} // namespace fieldizer::cli
