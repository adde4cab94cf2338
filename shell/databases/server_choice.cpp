#include "shell/databases/server_choice.h"

#include "shell/databases/save_target.h"
#include "workbench/postgres/server_address.h"

namespace fieldizer {

std::optional<std::string> askServerAddress(FileDialogs& files) {
    const std::optional<std::string> host =
        files.inputText(serverHostPrompt, serverDatabaseTitle, "");
    if (!host)
        return std::nullopt;
    const std::optional<std::string> port =
        files.inputText(serverPortPrompt, serverDatabaseTitle, "");
    if (!port)
        return std::nullopt;
    const std::optional<std::string> database =
        files.inputText(serverDatabasePrompt, serverDatabaseTitle, "");
    if (!database)
        return std::nullopt;
    return db::serverAddress(*host, *port, *database);
}

std::shared_ptr<db::ServerDatabase> openServerDatabase(const std::string& address,
                                                       const std::string& user,
                                                       const std::string& password) {
    auto database = std::make_shared<db::ServerDatabase>(address, db::ServerLogin{user, password});
    database->tableNames();
    return database;
}

ChosenSaveTarget chosenSaveTarget(SaveOption option,
                                  const std::shared_ptr<db::ServerDatabase>& server,
                                  const std::filesystem::path& chosenDbPath,
                                  const ProgramState& state) {
    if (option != SaveOption::OwnDatabaseNewTable && server)
        return {server, server->shownAddress()};
    std::shared_ptr<db::Database> database = saveTargetDatabase(option, chosenDbPath, state);
    const std::filesystem::path shown = database ? state.dbPath : std::filesystem::path();
    return {std::move(database), shown};
}

} // namespace fieldizer
