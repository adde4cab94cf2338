#include "shell/program_state/database_location.h"

#include <system_error>

namespace fieldizer {
namespace {

// Only a regular file of exactly that name counts: the name in the chosen
// folder matters, not the name of the file the user picked.
bool databaseFoundAt(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

} // namespace

Message databaseMissingNotice() {
    return notice(startupMessageIds::databaseMissing, databaseMissingText);
}

std::filesystem::path databasePathIn(const std::filesystem::path& folder) {
    const std::string& bytes = folder.native();
    if (!bytes.empty() && bytes.back() == '/')
        return bytes + programDatabaseName;
    return bytes + "/" + programDatabaseName;
}

std::optional<DatabaseLocation> checkDbase(const std::filesystem::path& startFolder,
                                           UserDialogs& dialogs, FileDialogs& files) {
    DatabaseLocation location{databasePathIn(startFolder), startFolder};
    while (!databaseFoundAt(location.dbPath)) {
        const Answer answer =
            dialogs.ask(question(startupMessageIds::findDatabase, findDatabaseText,
                                 Buttons::OkCancel, Icon::Information, Answer::Ok));
        if (answer != Answer::Ok)
            break;
        const std::filesystem::path chosen = files.chooseFile(
            {FileDialogRequest::Mode::Open, selectDatabaseTitle, databaseFileFilter});
        if (chosen.empty())
            break;
        location.folder = chosen.parent_path();
        location.dbPath = databasePathIn(location.folder);
    }
    if (databaseFoundAt(location.dbPath))
        return location;
    dialogs.tell(databaseMissingNotice());
    return std::nullopt;
}

} // namespace fieldizer
