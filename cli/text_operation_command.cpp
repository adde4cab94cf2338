#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/message_hints.h"
#include "cli/operation_table.h"
#include "cli/text_io.h"

#include <iostream>

namespace fieldizer::cli {

bool isTextOperation(std::string_view name) {
    return findTextOperation(name) != nullptr;
}

int runTextOperation(std::string_view name, Args args) {
    const TextOperation& operation = *findTextOperation(name);
    const ParsedArguments parsed = parseArguments(
        args, {{"--in", "--out", "--db", "--settings", "--encoding"}, {"--lf"}, {}, 0});
    checkKeys(parsed.keys, operation.tabs);
    const ParameterValues values = loadOperationValues(parsed);
    if (operation.check) {
        if (auto missing = operation.check(values)) {
            printMessage(std::cerr, missing->id, missing->message);
            return exitUsage;
        }
    }
    if (operation.lineOperation)
        return runLineOperation(parsed, operation.lineOperation(values));
    return runWholeTextTool(parsed, [&](std::string_view text, PassOutput& output) {
        QuietObserver observer;
        operation.wholeText(text, values, observer, &output);
    });
}

} // namespace fieldizer::cli
