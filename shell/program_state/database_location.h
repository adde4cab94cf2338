#pragma once
// Start-up's search for the program's database fieldizer.mdb: the current
// folder first, then folders the user points to. The program never creates
// its database; without it, it ends.

#include "shell/dialogs/file_dialogs.h"
#include "text_engine/user_dialogs.h"

#include <filesystem>
#include <optional>
#include <string>

namespace fieldizer {

inline constexpr const char* programDatabaseName = "fieldizer.mdb";

namespace startupMessageIds {
inline constexpr MessageId findDatabase{"startup.findDatabase"};
inline constexpr MessageId databaseMissing{"startup.databaseMissing"};
} // namespace startupMessageIds
inline constexpr const char* selectDatabaseTitle = "Fieldize - Select database";
inline constexpr const char* findDatabaseText = "Please find and open the database: fieldizer.mdb";
inline constexpr const char* databaseMissingText =
    "This application cannot execute properly without the database fieldizer.mdb.  Please "
    "install this database on your system, and run the program again.";

// The message before the program ends for want of its database.
Message databaseMissingNotice();

// `folder` + "/" + "fieldizer.mdb"; a folder that already ends in "/" (the
// root) gets no second one.
std::filesystem::path databasePathIn(const std::filesystem::path& folder);

struct DatabaseLocation {
    std::filesystem::path dbPath; // the database found
    std::filesystem::path folder; // its folder, the program's working folder from now on
};

// checkDbase: looks in `startFolder`; while no fieldizer.mdb is there, asks
// the user to find it and takes the folder of the file chosen (whatever its
// name). Cancel, in the question or the dialog, shows the "cannot execute"
// message and returns nothing: the program must end.
std::optional<DatabaseLocation> checkDbase(const std::filesystem::path& startFolder,
                                           UserDialogs& dialogs, FileDialogs& files);

} // namespace fieldizer
