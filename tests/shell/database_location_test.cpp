// Start-up's search for fieldizer.mdb, with the question and the file
// dialog answered by script.
#include "scratch_folder.h"
#include "scripted_dialogs.h"
#include "scripted_file_dialogs.h"
#include "shell/program_state/database_location.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::ScratchFolder;

using testing::ScriptedDialogs;
using testing::ScriptedFileDialogs;

TEST(DatabaseLocation, folderAndFileNameJoinWithOneSlash) {
    EXPECT_EQ(databasePathIn("/home/user"), "/home/user/fieldizer.mdb");
    EXPECT_EQ(databasePathIn("/"), "/fieldizer.mdb");
    EXPECT_EQ(databasePathIn("/data/"), "/data/fieldizer.mdb");
}

TEST(DatabaseLocation, foundInTheStartFolderWithoutAQuestion) {
    ScratchFolder files;
    files.write("fieldizer.mdb", "x");
    ScriptedDialogs dialogs;
    ScriptedFileDialogs fileDialogs;
    const auto found = checkDbase(files.folder(), dialogs, fileDialogs);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dbPath, files.file("fieldizer.mdb"));
    EXPECT_TRUE(dialogs.questions.empty());
    EXPECT_TRUE(fileDialogs.requests.empty());
}

TEST(DatabaseLocation, anyFileInAFolderHoldingTheDatabaseIsAccepted) {
    ScratchFolder files;
    files.folder("elsewhere");
    files.folder("home");
    files.write("elsewhere/notes.txt", "x");
    files.write("home/fieldizer.mdb", "x");
    files.write("home/other.mdb", "x");
    ScriptedDialogs dialogs({Answer::Ok, Answer::Ok});
    ScriptedFileDialogs fileDialogs(
        {files.file("elsewhere/notes.txt"), files.file("home/other.mdb")});
    const auto found = checkDbase(files.folder("empty"), dialogs, fileDialogs);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->dbPath, files.file("home/fieldizer.mdb"));
    EXPECT_EQ(found->folder, files.folder() / "home");
    ASSERT_EQ(dialogs.questions.size(), 2u); // the folder without it asks again
    const Message& asked = dialogs.questions.front();
    EXPECT_EQ(asked.text, "Please find and open the database: fieldizer.mdb");
    EXPECT_EQ(asked.title, "Fieldizer - It's your choice...");
    EXPECT_EQ(asked.buttons, Buttons::OkCancel);
    EXPECT_EQ(asked.icon, Icon::Information);
    EXPECT_EQ(fileDialogs.requests.front().title, "Fieldize - Select database");
    EXPECT_EQ(fileDialogs.requests.front().filter,
              "Microsoft database (*.mdb)|*.mdb|All files (*.*)|*.*");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(DatabaseLocation, cancelInTheQuestionOrTheDialogEndsWithTheMessage) {
    for (const bool cancelQuestion : {true, false}) {
        ScratchFolder files;
        ScriptedDialogs dialogs({cancelQuestion ? Answer::Cancel : Answer::Ok});
        ScriptedFileDialogs fileDialogs;
        if (!cancelQuestion)
            fileDialogs.add("");
        EXPECT_FALSE(checkDbase(files.folder(), dialogs, fileDialogs));
        EXPECT_EQ(fileDialogs.requests.size(), cancelQuestion ? 0u : 1u);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text,
                  "This application cannot execute properly without the database "
                  "fieldizer.mdb.  Please install this database on your system, and run the "
                  "program again.");
        EXPECT_EQ(dialogs.messages[0].title, "Fieldizer");
        EXPECT_FALSE(dialogs.unexpected);
        EXPECT_FALSE(fileDialogs.unexpected);
    }
}

TEST(DatabaseLocation, aFolderNamedLikeTheDatabaseIsNotIt) {
    ScratchFolder files;
    std::filesystem::create_directories(files.folder() / "fieldizer.mdb");
    ScriptedDialogs dialogs({Answer::Cancel});
    ScriptedFileDialogs fileDialogs;
    EXPECT_FALSE(checkDbase(files.folder(), dialogs, fileDialogs));
}

} // namespace
} // namespace fieldizer
