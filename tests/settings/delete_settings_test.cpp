#include "settings/name_list.h"
#include "settings/settings_actions.h"
#include "settings/settings_record.h"
#include "settings_test_support.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::ProgramDatabase;
using testing::ScriptedDialogs;
using testing::spec;

class DeleteSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        database.setWorking({spec("A", 1, 2, 0, 2)});
        for (const char* name : {"alpha", "beta", "gamma"}) {
            SettingsState saving;
            saving.nameBox.text = name;
            ScriptedDialogs none;
            saveSettings(*database, none, defaultParameterValues(), saving);
        }
        state.currentSettingsTable = "fieldize_beta";
        enterSettingsTab(*database, state);
    }
    DeleteResult remove(const std::string& name, int selected, Answer answer) {
        state.nameBox.text = name;
        state.nameBox.selectedIndex = selected;
        dialogs = ScriptedDialogs({answer});
        return deleteSettings(*database, dialogs, state);
    }
    bool onFile(const std::string& name) {
        return readSavedSettings(*database, name, {}).has_value();
    }

    ProgramDatabase database;
    ScriptedDialogs dialogs;
    SettingsState state;
};

TEST_F(DeleteSettings, YesRemovesRecordTableAndListEntry) {
    const DeleteResult result = remove("beta", 1, Answer::Yes);
    EXPECT_EQ(result.outcome, SettingsOutcome::Done);
    EXPECT_TRUE(result.recordFound);
    EXPECT_FALSE(result.ignoredError);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    const Message& question = dialogs.questions[0];
    EXPECT_EQ(question.text, "Delete these Settings: beta?");
    EXPECT_EQ(question.title, "Fieldizer - Be careful");
    EXPECT_EQ(question.buttons, Buttons::YesNo);
    EXPECT_EQ(question.icon, Icon::Question);
    EXPECT_EQ(question.defaultAnswer, Answer::No);
    EXPECT_FALSE(onFile("beta"));
    EXPECT_FALSE(database->tableDefs().contains("fieldize_beta"));
    EXPECT_TRUE(onFile("alpha"));
    EXPECT_TRUE(database->tableDefs().contains("fieldize_gamma"));
    EXPECT_EQ(state.nameBox.items, (std::vector<std::string>{"alpha", "gamma"}));
    EXPECT_EQ(state.currentSettingsTable, "Settings: NOT SAVED");
}

TEST_F(DeleteSettings, TheSamePositionIsSelectedAgain) {
    remove("beta", 1, Answer::Yes);
    EXPECT_EQ(state.nameBox.selectedIndex, 1);
    EXPECT_EQ(state.nameBox.text, "gamma");
}

TEST_F(DeleteSettings, DeletingTheLastItemSelectsTheOneBefore) {
    remove("gamma", 2, Answer::Yes);
    EXPECT_EQ(state.nameBox.selectedIndex, 1);
    EXPECT_EQ(state.nameBox.text, "beta");
}

TEST_F(DeleteSettings, ATypedNameInOtherCaseDeletesTheSameSet) {
    remove("GAMMA", -1, Answer::Yes);
    EXPECT_FALSE(onFile("gamma"));
    EXPECT_FALSE(database->tableDefs().contains("fieldize_gamma"));
    EXPECT_EQ(state.nameBox.selectedIndex, -1);
    EXPECT_EQ(state.nameBox.text, "GAMMA");
}

TEST_F(DeleteSettings, NoChangesNothing) {
    const DeleteResult result = remove("beta", 1, Answer::No);
    EXPECT_EQ(result.outcome, SettingsOutcome::Cancelled);
    EXPECT_TRUE(onFile("beta"));
    EXPECT_TRUE(database->tableDefs().contains("fieldize_beta"));
    EXPECT_EQ(state.currentSettingsTable, "fieldize_beta");
}

TEST_F(DeleteSettings, AnEmptyNameShowsTheMessageOnly) {
    state.nameBox.text.clear();
    const DeleteResult result = deleteSettings(*database, dialogs, state);
    EXPECT_EQ(result.outcome, SettingsOutcome::NameRefused);
    EXPECT_TRUE(dialogs.questions.empty());
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please select Settings to delete.");
    EXPECT_EQ(dialogs.messages[0].title, "Fieldizer");
}

TEST_F(DeleteSettings, AnUnknownNameDeletesNothingAndStillMarksNotSaved) {
    const DeleteResult result = remove("delta", -1, Answer::Yes);
    EXPECT_EQ(result.outcome, SettingsOutcome::Done);
    EXPECT_FALSE(result.ignoredError);
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 3);
    EXPECT_EQ(state.currentSettingsTable, "Settings: NOT SAVED");
}

TEST_F(DeleteSettings, ATableWithoutItsRecordIsDeletedInAnyLetterCaseWithoutAReport) {
    database->tableDefs().append(db::specificationTableDef("FIELDIZE_Orphan"));
    const DeleteResult result = remove("oRPHAN", -1, Answer::Yes);
    EXPECT_EQ(result.outcome, SettingsOutcome::Done);
    EXPECT_FALSE(result.recordFound);
    EXPECT_FALSE(result.ignoredError);
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_FALSE(database->tableDefs().contains("fieldize_orphan"));
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 3);
}

TEST_F(DeleteSettings, NeverDropsTheProgramsOwnTables) {
    for (const char* name : {"settings", "ALLFIELDS"})
        remove(name, -1, Answer::Yes);
    EXPECT_TRUE(database->tableDefs().contains(db::specificationTable));
    EXPECT_TRUE(database->tableDefs().contains(db::settingsTable));
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 3);
}

TEST_F(DeleteSettings, ErrorsAreGonePastAndReturned) {
    database->tableDefs().remove(db::settingsTable);
    const DeleteResult result = remove("beta", 1, Answer::Yes);
    EXPECT_EQ(result.outcome, SettingsOutcome::Done);
    ASSERT_TRUE(result.ignoredError);
    EXPECT_EQ(result.ignoredError->number(), 3078);
    EXPECT_FALSE(database->tableDefs().contains("fieldize_beta")) << "the later steps still ran";
    EXPECT_EQ(state.currentSettingsTable, "Settings: NOT SAVED");
}

TEST_F(DeleteSettings, DeletingEverySetDisablesSelectAndDeleteOnTheNextVisit) {
    for (const char* name : {"alpha", "beta", "gamma"})
        remove(name, 0, Answer::Yes);
    EXPECT_TRUE(state.nameBox.items.empty());
    EXPECT_EQ(state.nameBox.selectedIndex, -1);
    EXPECT_TRUE(state.selectSettingsEnabled) << "not before the tab is entered again";
    enterSettingsTab(*database, state);
    EXPECT_FALSE(state.selectSettingsEnabled);
    EXPECT_FALSE(state.deleteSettingsEnabled);
}

} // namespace
} // namespace fieldizer
