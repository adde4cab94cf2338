// Start-up's opening of the program's database: found wherever its folder
// is, by whatever name, and never lost without a word.
#include "awkward_paths.h"
#include "program_database_fixture.h"
#include "scripted_dialogs.h"
#include "scripted_file_dialogs.h"
#include "shell/program_state/database_location.h"
#include "shell/program_state/own_database.h"
#include "shell/program_state/running_windows.h"

#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

TEST(StartUpDatabase, foundAndOpenedInAFolderWithAnAwkwardName) {
    ProgramDatabase database;
    database.setWorking({{"DAY", 1, 2, 1, 2}}); // left from an earlier run
    const std::filesystem::path moved = moveIntoAwkwardFolder(database.path(), "fieldizer.mdb");
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    const auto found = checkDbase(moved.parent_path(), dialogs, files);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dbPath, moved);
    ProgramState state;
    state.homeDbPath = state.dbPath = found->dbPath;
    ASSERT_TRUE(openOwnDatabaseAtStartUp(state, dialogs));
    ASSERT_TRUE(state.database && state.database->isOpen());
    EXPECT_EQ(state.database->name(), moved);
    emptyWorkingSpecsAtStartUp(state);
    EXPECT_TRUE(readColumnSpecs(*state.database, db::specificationTable).empty());
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST(StartUpDatabase, aFileThatIsNoDatabaseIsReportedAndTheProgramEnds) {
    ScratchFolder folder;
    folder.folder(awkwardFolderName);
    ProgramState state;
    state.homeDbPath = state.dbPath =
        folder.write(awkwardFolderName + "/fieldizer.mdb", "not a database at all");
    ScriptedDialogs dialogs;
    EXPECT_FALSE(openOwnDatabaseAtStartUp(state, dialogs));
    EXPECT_FALSE(state.database);
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].id, errorReportMessage);
    EXPECT_EQ(dialogs.messages[1].id, startupMessageIds::databaseMissing);
    EXPECT_EQ(dialogs.messages[1].text, databaseMissingText);
}

TEST(StartUpDatabase, theMissingFileIsNamedAsMessagesShowPaths) {
    ScratchFolder folder;
    ProgramState state;
    state.homeDbPath = state.dbPath = folder.folder(awkwardFolderName) / "fieldizer.mdb";
    ScriptedDialogs dialogs;
    EXPECT_FALSE(openOwnDatabaseAtStartUp(state, dialogs));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_NE(dialogs.messages[0].text.find(awkwardFolderShown + "/fieldizer.mdb"),
              std::string::npos)
        << dialogs.messages[0].text;
}

} // namespace
} // namespace fieldizer::testing
