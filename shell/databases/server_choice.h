#pragma once
// A database on a PostgreSQL server as Save to Database's target for options
// 2 and 3: its host, port and database asked in three input boxes, the user
// name and password from the "Password Access" dialog, and which database
// the save then writes into. The server database never becomes the current
// database: the workbench's windows, Settings and the program's own
// database stay on files.

#include "columns/save_to_database.h"
#include "shell/dialogs/file_dialogs.h"
#include "shell/program_state/program_state.h"
#include "workbench/postgres/server_database.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

namespace fieldizer {

inline constexpr const char* serverDatabaseTitle = "Server database";
inline constexpr const char* serverHostPrompt =
    "Host name or address of the PostgreSQL server (empty: PGHOST, or this computer):";
inline constexpr const char* serverPortPrompt = "Port (empty: PGPORT, or 5432):";
inline constexpr const char* serverDatabasePrompt = "Database name (empty: PGDATABASE):";

// Asks the host, the port and the database; the server's address, or nothing
// when an input box was cancelled. No password is asked here.
std::optional<std::string> askServerAddress(FileDialogs& files);

// Opens the server database with the login typed in "Password Access"
// (empty parts left to libpq's own means) and reads its table list once.
// Throws the server's refusal (3029, 3151, ...).
std::shared_ptr<db::ServerDatabase> openServerDatabase(const std::string& address,
                                                       const std::string& user,
                                                       const std::string& password);

// What a save writes into: a server database chosen for options 2 and 3
// (named by its address without a password), else the file database of
// saveTargetDatabase's rule. `server` is null when none is chosen.
struct ChosenSaveTarget {
    std::shared_ptr<db::RecordTarget> database;
    std::filesystem::path shownPath;
};
ChosenSaveTarget chosenSaveTarget(SaveOption option,
                                  const std::shared_ptr<db::ServerDatabase>& server,
                                  const std::filesystem::path& chosenDbPath,
                                  const ProgramState& state);

} // namespace fieldizer
