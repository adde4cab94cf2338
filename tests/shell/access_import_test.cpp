// The offer to copy an Access file, answered by script.
#include "awkward_paths.h"
#include "scratch_folder.h"
#include "scripted_dialogs.h"
#include "shell/access_import/access_import.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace fieldizer;
using namespace fieldizer::testing;
namespace fs = std::filesystem;

namespace {

struct AccessChoice : ::testing::Test {
    ScratchFolder folder;
    std::string source = folder.file("sales.mdb");
    PassObserver observer;
    void SetUp() override {
        fs::copy_file(std::string(FIELDIZER_TEST_DATA) + "/access/testV2000.mdb", source);
    }
    std::vector<std::string> tablesOf(const std::string& path) {
        return db::Workspace().openDatabase(path)->tableDefs().names();
    }
};

bool hasTable(const std::vector<std::string>& names, const std::string& table) {
    return std::find(names.begin(), names.end(), table) != names.end();
}

} // namespace

TEST_F(AccessChoice, yesMakesTheCopyBesideItReportsAndOpensIt) {
    ScriptedDialogs dialogs({Answer::Yes});
    auto chosen =
        offerAccessCopy(source, dialogs, observer, {folder.folder("documents").string(), {}});
    ASSERT_EQ(chosen, folder.file("sales.db"));
    ASSERT_EQ(dialogs.questions.size(), 1u);
    const Message& asked = dialogs.questions[0];
    EXPECT_EQ(asked.id, accessImportIds::makeCopy);
    EXPECT_EQ(asked.text, "This is a Microsoft Access database. Fieldizer works on a copy of its "
                          "tables in its own format, saved as sales.db beside it; the original "
                          "stays unchanged. Make the copy and open it?");
    EXPECT_EQ(asked.title, "Fieldizer - It's your choice...");
    EXPECT_EQ(asked.buttons, Buttons::YesNo);
    EXPECT_EQ(asked.icon, Icon::Question);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].id, accessImportIds::report);
    EXPECT_NE(dialogs.messages[0].text.find("Table1: 2 rows"), std::string::npos);
    EXPECT_TRUE(hasTable(tablesOf(*chosen), "Table1"));
    EXPECT_FALSE(dialogs.unexpected);
}

TEST_F(AccessChoice, aFileInAFolderWithAnAwkwardNameIsCopiedBesideIt) {
    const fs::path moved = moveIntoAwkwardFolder(source, "sales.mdb");
    ScriptedDialogs dialogs({Answer::Yes});
    auto chosen = offerAccessCopy(moved, dialogs, observer, {folder.path(), {}});
    ASSERT_EQ(chosen, moved.parent_path() / "sales.db");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].id, accessImportIds::makeCopy);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_NE(dialogs.messages[0].text.find(awkwardFolderShown + "/sales.db"), std::string::npos)
        << dialogs.messages[0].text;
    EXPECT_TRUE(hasTable(tablesOf(*chosen), "Table1"));
}

TEST_F(AccessChoice, noChangesNothing) {
    ScriptedDialogs dialogs({Answer::No});
    EXPECT_EQ(offerAccessCopy(source, dialogs, observer, {folder.path().string(), {}}),
              std::nullopt);
    EXPECT_FALSE(fs::exists(folder.file("sales.db")));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(AccessChoice, anExistingCopyOpensAsItIsOrAnotherIsMadeBesideIt) {
    db::createFieldizerDatabase(folder.file("sales.db"));
    ScriptedDialogs openIt({Answer::Yes, Answer::Yes});
    EXPECT_EQ(offerAccessCopy(source, openIt, observer, {folder.path().string(), {}}),
              folder.file("sales.db"));
    ASSERT_EQ(openIt.questions.size(), 2u);
    EXPECT_EQ(openIt.questions[1].id, accessImportIds::openExistingCopy);
    EXPECT_FALSE(hasTable(tablesOf(folder.file("sales.db")), "Table1")) << "left as it was";

    ScriptedDialogs convertAgain({Answer::Yes, Answer::No});
    auto chosen = offerAccessCopy(source, convertAgain, observer, {folder.path().string(), {}});
    EXPECT_EQ(chosen, folder.file("sales (2).db"));
    EXPECT_TRUE(hasTable(tablesOf(*chosen), "Table1"));
    EXPECT_FALSE(hasTable(tablesOf(folder.file("sales.db")), "Table1")) << "never overwritten";
}

TEST_F(AccessChoice, anUnwritableFolderSendsTheCopyToTheDocumentsFolderAndSaysSo) {
    std::string documents = folder.folder("documents").string();
    auto onlyDocuments = [&](const std::string& f) { return f == documents; };
    ScriptedDialogs dialogs({Answer::Yes});
    auto chosen = offerAccessCopy(source, dialogs, observer, {documents, onlyDocuments});
    EXPECT_EQ(chosen, documents + "/sales.db");
    ASSERT_FALSE(dialogs.questions.empty());
    EXPECT_NE(dialogs.questions[0].text.find("in your documents folder " + documents),
              std::string::npos);
    EXPECT_FALSE(fs::exists(folder.file("sales.db")));
}

TEST_F(AccessChoice, aHalfCopiedFileIsToldWithWhatTheReaderFoundAndGivesNothing) {
    const std::string whole = folder.read("sales.mdb");
    folder.write("sales.mdb", whole.substr(0, whole.size() / 2));
    ScriptedDialogs dialogs({Answer::Yes});
    EXPECT_EQ(offerAccessCopy(source, dialogs, observer, {folder.path().string(), {}}),
              std::nullopt);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    const Message& told = dialogs.messages[0];
    EXPECT_EQ(told.id, accessImportIds::damaged);
    EXPECT_EQ(told.text.rfind(errorReportText(db::errors::unrecognizedFormat, {}) + "\n\n", 0), 0u)
        << told.text;
    EXPECT_NE(told.text.find("is beyond EOF"), std::string::npos) << told.text;
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1) << "only the file";
    EXPECT_FALSE(dialogs.unexpected);
}

TEST_F(AccessChoice, otherFilesPassUnasked) {
    db::createFieldizerDatabase(folder.file("own.mdb"));
    ScriptedDialogs dialogs;
    EXPECT_EQ(offerAccessCopy(folder.file("own.mdb"), dialogs, observer), folder.file("own.mdb"));
    EXPECT_TRUE(dialogs.questions.empty());
}
