#include "shell/databases/save_target.h"

#include "shell/menus/menu_rules.h"

namespace fieldizer {

std::shared_ptr<db::Database> saveTargetDatabase(SaveOption option,
                                                 const std::filesystem::path& chosenDbPath,
                                                 const ProgramState& state) {
    if (option != SaveOption::OwnDatabaseNewTable &&
        (chosenDbPath.empty() || !samePathIgnoringCase(chosenDbPath, state.dbPath)))
        return nullptr;
    return state.database;
}

bool saveNeedsSpecs(const SaveRequest& request) {
    if (request.text.empty())
        return false;
    return request.option != SaveOption::ChosenDatabaseTable ||
           request.processMethod == useColumnSpecsMethod;
}

bool delimiterShown(std::string_view processMethod) {
    return processMethod == parseByDelimiterMethod;
}

} // namespace fieldizer
