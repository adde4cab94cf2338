// Which database is current and how it changes, and the table list, without
// a window.
#include "program_database_fixture.h"
#include "runtime_error_checks.h"
#include "shell/databases/database_choice.h"
#include "shell/databases/table_list.h"
#include "user_tables.h"
#include "workbench/fieldizer_database.h"

#include <gtest/gtest.h>

using namespace fieldizer;
using namespace fieldizer::testing;

namespace {

// A program state with the program's own database current, as after start-up.
struct DatabaseChoiceTest : ::testing::Test {
    void SetUp() override {
        state.homeDbPath = state.dbPath = home.path();
        state.database = db::Workspace().openDatabase(home.path(), db::ownConnectString);
    }
    std::string userDatabase(const std::string& name) {
        const std::string path = folder.file(name);
        auto database = db::Workspace().createDatabase(path);
        makeUserTable(*database, "Orders", 2);
        database->close();
        return path;
    }

    ProgramDatabase home;
    ScratchFolder folder;
    ProgramState state;
};

} // namespace

TEST_F(DatabaseChoiceTest, theConnectStringCarriesWhatWasTyped) {
    EXPECT_EQ(userConnectString("", ""), ";UID=;PWD=");
    EXPECT_EQ(userConnectString("Admin", "se;cret"), ";UID=Admin;PWD=se;cret");
    const std::string path = userDatabase("sales.db");
    auto database = openChosenDatabase(path, userConnectString("clerk", "pw"));
    EXPECT_EQ(database->connect(), ";UID=clerk;PWD=pw");
    EXPECT_EQ(db::parseConnectString(database->connect()).user, "clerk");
}

TEST_F(DatabaseChoiceTest, aFileThisProgramCannotReadIs3343) {
    const std::string text = folder.write("notes.mdb", "Standard Jet DB, or any other text\n");
    EXPECT_RUNTIME_ERROR_NUMBER(openChosenDatabase(text, ";UID=;PWD="), 3343);
    // A sound first page followed by damage is refused when opened, too.
    const std::string path = userDatabase("damaged.db");
    std::string bytes = folder.read("damaged.db");
    ASSERT_GT(bytes.size(), 1024u);
    for (std::size_t i = 100; i < bytes.size(); ++i)
        bytes[i] = char(0xA5);
    folder.write("damaged.db", bytes);
    EXPECT_RUNTIME_ERROR_NUMBER(openChosenDatabase(path, ";UID=;PWD="), 3343);
}

TEST_F(DatabaseChoiceTest, makingADatabaseCurrentClosesThePreviousOne) {
    const std::string path = userDatabase("sales.db");
    const auto previous = state.database;
    state.previousDbName = state.dbPath;
    makeCurrent(state, openChosenDatabase(path, ";UID=;PWD="), path);
    EXPECT_FALSE(previous->isOpen());
    EXPECT_EQ(state.dbPath, path);
    EXPECT_TRUE(state.previousDbName.empty());
    EXPECT_TRUE(state.database->tableDefs().contains("orders"));

    useOriginalDatabase(state);
    EXPECT_EQ(state.dbPath, home.path());
    EXPECT_EQ(state.database->name(), home.path());
    EXPECT_EQ(state.database->connect(), db::ownConnectString);
}

TEST_F(DatabaseChoiceTest, cancelPutsBackThePathThatWasCurrent) {
    state.previousDbName = "/elsewhere/sales.db";
    state.dbPath = "/elsewhere/chosen.db";
    restorePreviousPath(state);
    EXPECT_EQ(state.dbPath, "/elsewhere/sales.db");
    EXPECT_TRUE(state.previousDbName.empty());
    restorePreviousPath(state); // none noted: the program's own
    EXPECT_EQ(state.dbPath, home.path());
}

TEST_F(DatabaseChoiceTest, theTableListLeavesOutTheProgramsAndHiddenTables) {
    db::Database& database = *state.database;
    for (const char* name : {"zeta", "FIELDIZE_copy", "MSysObjects", "msys_lower", "Alpha"})
        makeUserTable(database, name, 0);
    EXPECT_EQ(listedTableNames(database),
              (std::vector<std::string>{"Alpha", "msys_lower", "zeta"}));
}

TEST_F(DatabaseChoiceTest, deletingATableAsksFirstAndFindsItInAnyCase) {
    const Message question = deleteTableQuestion("Orders");
    EXPECT_EQ(question.text, "Delete this table: Orders?");
    EXPECT_EQ(question.title, carefulTitle);
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    EXPECT_EQ(question.buttons, Buttons::YesNo);

    makeUserTable(*state.database, "Orders", 1);
    deleteTable(*state.database, "ORDERS");
    EXPECT_TRUE(listedTableNames(*state.database).empty());
    EXPECT_RUNTIME_ERROR_NUMBER(deleteTable(*state.database, "Orders"), 3265);
}
