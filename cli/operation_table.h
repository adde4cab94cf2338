#pragma once
// The text operations of the command line: which tabs' keys each takes, its
// required-field check and how it runs.

#include "cli/arguments.h"
#include "text_engine/processing_pass.h"
#include "text_engine/required_fields.h"

#include <optional>
#include <set>
#include <string_view>

namespace fieldizer::cli {

struct TextOperation {
    std::string_view name;
    std::set<KeyTab> tabs;
    std::optional<MissingField> (*check)(const ParameterValues&); // may be null
    // Exactly one of the two is set: a per-line operation for the processing
    // pass, or a tool that works on the whole text.
    LineOperation (*lineOperation)(const ParameterValues&);
    // A whole-text tool hands its result to `output` when one is given.
    std::string (*wholeText)(std::string_view text, const ParameterValues&, PassObserver&,
                             PassOutput* output);
};

const TextOperation* findTextOperation(std::string_view name);
const std::vector<TextOperation>& textOperations();

// The values an operation runs with: a fresh window's defaults, then the
// saved set named by --settings, then the KEY=VALUE arguments.
ParameterValues loadOperationValues(const ParsedArguments& parsed);

} // namespace fieldizer::cli
