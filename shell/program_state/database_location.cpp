#include "shell/program_state/database_location.h"

#include <system_error>

namespace fieldizer {
namespace {

// Only a regular file of exactly that name counts: the name in the chosen
// folder matters, not the name of the file the user picked.
bool databaseFoundAt(const std::string& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

} // namespace

std::string databasePathIn(const std::string& folder) {
    if (!folder.empty() && folder.back() == '/')
        return folder + programDatabaseName;
    return folder + "/" + programDatabaseName;
}

std::optional<DatabaseLocation> checkDbase(const std::filesystem::path& startFolder,
                                           UserDialogs& dialogs, FileDialogs& files) {
    DatabaseLocation location{databasePathIn(startFolder.string()), startFolder};
    while (!databaseFoundAt(location.dbPath)) {
        const Answer answer =
            dialogs.ask(question(startupMessageIds::findDatabase, findDatabaseText,
                                 Buttons::OkCancel, Icon::Information, Answer::Ok));
        if (answer != Answer::Ok)
            break;
        const std::string chosen = files.chooseFile(
            {FileDialogRequest::Mode::Open, selectDatabaseTitle, databaseFileFilter});
        if (chosen.empty())
            break;
        location.folder = std::filesystem::path(chosen).parent_path();
        location.dbPath = databasePathIn(location.folder.string());
    }
    if (databaseFoundAt(location.dbPath))
        return location;
    dialogs.tell(notice(startupMessageIds::databaseMissing, databaseMissingText));
    return std::nullopt;
}

} // namespace fieldizer
