#include "cli/operation_table.h"

#include "engine/add_text.h"
#include "engine/delete_text.h"
#include "engine/format_text.h"
#include "engine/move_text.h"
#include "engine/replace_text.h"

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
