// The database Save to Database writes into, decided without a window.
#include "program_database_fixture.h"
#include "shell/databases/save_target.h"
#include "workbench/fieldizer_database.h"

#include <cctype>
#include <gtest/gtest.h>
#include <string>

using namespace fieldizer;
using namespace fieldizer::testing;

namespace {

struct SaveTargetTest : ::testing::Test {
    void SetUp() override {
        state.homeDbPath = state.dbPath = home.path();
        state.database = db::Workspace().openDatabase(home.path(), db::ownConnectString);
    }
    ProgramDatabase home;
    ProgramState state;
};

} // namespace

TEST_F(SaveTargetTest, theChosenDatabaseIsTheTargetOnlyWhileItIsCurrent) {
    // Option 1 writes into whatever is current: the option made the
    // program's database current.
    EXPECT_EQ(saveTargetDatabase(SaveOption::OwnDatabaseNewTable, {}, state), state.database);
    for (SaveOption option :
         {SaveOption::ChosenDatabaseNewTable, SaveOption::ChosenDatabaseTable}) {
        // None chosen yet: the program's database is not the user's choice.
        EXPECT_EQ(saveTargetDatabase(option, {}, state), nullptr);
        // A database chosen once, then a tab change put the program's back.
        EXPECT_EQ(saveTargetDatabase(option, "/elsewhere/sales.mdb", state), nullptr);
        // The chosen database is current, spelled in another case.
        std::string upper = state.dbPath.string();
        for (char& c : upper)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(saveTargetDatabase(option, upper, state), state.database);
        EXPECT_EQ(saveTargetDatabase(option, state.dbPath, state), state.database);
    }
}

TEST(SaveSpecs, areReadOnlyWhenTheSaveCutsByThemAndThereIsText) {
    SaveRequest request;
    request.text = "a line\n";
    request.processMethod = std::string(parseByDelimiterMethod);
    // A new table takes its fields from the specifications, whatever the method.
    for (SaveOption option :
         {SaveOption::OwnDatabaseNewTable, SaveOption::ChosenDatabaseNewTable}) {
        request.option = option;
        EXPECT_TRUE(saveNeedsSpecs(request));
    }
    request.option = SaveOption::ChosenDatabaseTable;
    EXPECT_FALSE(saveNeedsSpecs(request));
    request.processMethod = std::string(useColumnSpecsMethod);
    EXPECT_TRUE(saveNeedsSpecs(request));
    request.text = "";
    EXPECT_FALSE(saveNeedsSpecs(request));
}

TEST(SaveDelimiter, isShownForTheDelimiterMethodAlone) {
    EXPECT_TRUE(delimiterShown(parseByDelimiterMethod));
    EXPECT_FALSE(delimiterShown(useColumnSpecsMethod));
    EXPECT_FALSE(delimiterShown(""));
}
