#include "shell/databases/database_choice.h"

#include "shell/program_state/own_database.h"
#include "workbench/workspace.h"

namespace fieldizer {

std::string userConnectString(std::string_view user, std::string_view password) {
    return ";UID=" + std::string(user) + ";PWD=" + std::string(password);
}

std::shared_ptr<db::Database> openChosenDatabase(const std::filesystem::path& path,
                                                 const std::string& connect) {
    std::shared_ptr<db::Database> database = db::Workspace().openDatabase(path, connect);
    try {
        database->tableDefs().refresh();
        database->tableDefs().names();
    } catch (...) {
        database->close();
        throw;
    }
    return database;
}

namespace {

void closeQuietly(const std::shared_ptr<db::Database>& database) {
    if (!database)
        return;
    try {
        database->close();
    } catch (const RuntimeError&) {
        // The database is given up either way; nothing of it is used again.
    }
}

} // namespace

void makeCurrent(ProgramState& state, std::shared_ptr<db::Database> database,
                 const std::filesystem::path& path) {
    closeQuietly(state.database);
    state.database = std::move(database);
    state.dbPath = path;
    state.previousDbName.clear();
}

void restorePreviousPath(ProgramState& state) {
    state.dbPath = state.previousDbName.empty() ? state.homeDbPath : state.previousDbName;
    state.previousDbName.clear();
}

void useOriginalDatabase(ProgramState& state) {
    closeQuietly(state.database);
    makeOwnDatabaseCurrent(state);
}

} // namespace fieldizer
