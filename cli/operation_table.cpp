#include "cli/operation_table.h"

#include "text_engine/add_text.h"
#include "text_engine/delete_text.h"
#include "text_engine/format_text.h"
#include "text_engine/line_tools.h"
#include "text_engine/move_text.h"
#include "text_engine/replace_text.h"

namespace fieldizer::cli {
namespace {

template <auto parametersOf, auto checkOf>
std::optional<MissingField> check(const ParameterValues& values) {
    return checkOf(parametersOf(values));
}

template <auto parametersOf, auto operationOf>
LineOperation lineOperation(const ParameterValues& values) {
    return operationOf(parametersOf(values));
}

// A line tool that has nothing to do (a line length of 0) leaves the text as
// it was, so the output is the input unchanged.
std::string resultOf(LineToolResult result, std::string_view text, PassOutput* output) {
    if (result.ran)
        return std::move(result.text);
    if (output == nullptr)
        return std::string(text);
    output->write(text);
    return {};
}

template <LineToolResult (*tool)(std::string_view, PassObserver&, PassOutput*)>
std::string wholeText(std::string_view text, const ParameterValues&, PassObserver& observer,
                      PassOutput* output) {
    return resultOf(tool(text, observer, output), text, output);
}

std::string breakLines(std::string_view text, const ParameterValues& values, PassObserver& observer,
                       PassOutput* output) {
    return resultOf(breakIntoLines(text, startLineAfterValue(values), observer, output), text,
                    output);
}

const std::vector<TextOperation> operations{
    {"move",
     {KeyTab::Move},
     check<moveParameters, checkMoveFields>,
     lineOperation<moveParameters, moveOperation>,
     nullptr},
    {"add",
     {KeyTab::Add},
     check<addParameters, checkAddFields>,
     lineOperation<addParameters, addOperation>,
     nullptr},
    {"replace",
     {KeyTab::Replace},
     check<replaceParameters, checkReplaceFields>,
     lineOperation<replaceParameters, replaceOperation>,
     nullptr},
    {"delete",
     {KeyTab::Delete},
     check<deleteParameters, checkDeleteFields>,
     lineOperation<deleteParameters, deleteOperation>,
     nullptr},
    {"format",
     {KeyTab::Format},
     check<formatParameters, checkFormatFields>,
     lineOperation<formatParameters, formatOperation>,
     nullptr},
    {"join-lines", {}, nullptr, nullptr, wholeText<joinParagraphLines>},
    {"create-line", {}, nullptr, nullptr, wholeText<createLine>},
    {"break-lines", {KeyTab::TextLines}, nullptr, nullptr, breakLines},
};

} // namespace

const std::vector<TextOperation>& textOperations() {
    return operations;
}

const TextOperation* findTextOperation(std::string_view name) {
    for (const auto& operation : operations)
        if (operation.name == name)
            return &operation;
    return nullptr;
}

} // namespace fieldizer::cli
