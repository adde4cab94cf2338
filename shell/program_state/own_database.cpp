#include "shell/program_state/own_database.h"

#include "settings/program_database.h"
#include "shell/dialogs/error_report.h"
#include "shell/menus/menu_rules.h"
#include "shell/program_state/database_location.h"

namespace fieldizer {

bool ownDatabaseIsCurrent(const ProgramState& state) {
    return samePathIgnoringCase(state.dbPath, state.homeDbPath);
}

void makeOwnDatabaseCurrent(ProgramState& state) {
    state.dbPath = state.homeDbPath;
    state.database.reset();
    state.database = openProgramDatabase(state.dbPath);
}

bool openOwnDatabaseAtStartUp(ProgramState& state, UserDialogs& dialogs) {
    try {
        makeOwnDatabaseCurrent(state);
        return true;
    } catch (const RuntimeError& error) {
        handleError(dialogs, error);
    }
    dialogs.tell(databaseMissingNotice());
    return false;
}

std::shared_ptr<db::Database> ownDatabaseConnection(std::shared_ptr<db::Database> held,
                                                    const ProgramState& state) {
    if (held && held->isOpen() && held->name() == state.homeDbPath)
        return held;
    return openProgramDatabase(state.homeDbPath);
}

} // namespace fieldizer
