#include "settings/settings_actions.h"
#include "settings/settings_record.h"
#include "settings_test_support.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::describe;
using testing::ProgramDatabase;
using testing::ScriptedDialogs;
using testing::spec;

class SelectSettings : public ::testing::Test {
  protected:
    void saveSet(const std::string& name, const ParameterValues& saved, const ColumnSpecs& specs) {
        database.setWorking(specs);
        SettingsState saving;
        saving.nameBox.text = name;
        ScriptedDialogs dialogs({Answer::Ok});
        ASSERT_EQ(saveSettings(*database, dialogs, saved, saving), SettingsOutcome::Done);
    }
    SettingsOutcome select(const std::string& name) {
        state.nameBox.text = name;
        state.settingsChanged = true;
        state.saveSettingsEnabled = true;
        return selectSettings(*database, dialogs, values, state);
    }

    ProgramDatabase database;
    ScriptedDialogs dialogs;
    SettingsState state;
    ParameterValues values = defaultParameterValues();
};

ParameterValues everyKeyChanged() {
    ParameterValues changed = defaultParameterValues();
    for (const ParameterKey& key : parameterKeys()) {
        std::string& value = changed[std::string(key.name)];
        if (key.kind == KeyKind::Number)
            value = std::to_string(key.name.size() * 7);
        else if (key.kind == KeyKind::Flag)
            value = value == "1" ? "0" : "1";
        else
            value = "<" + std::string(key.name) + ">";
    }
    changed["startLineAfter"] = "80";
    return changed;
}

TEST_F(SelectSettings, RestoresEveryKeyAndTheSpecifications) {
    const ParameterValues saved = everyKeyChanged();
    saveSet("Monthly", saved, {spec("Name", 1, 20, 1, 20), spec("State", 21, 10, 0, 10)});
    database.setWorking({spec("other", 5, 5, 5, 5)});
    database.reopen();
    EXPECT_EQ(select("monthly"), SettingsOutcome::Done);
    EXPECT_EQ(values, saved);
    EXPECT_EQ(describe(database.working()), "Name:1:20:1:20|State:21:10:0:10");
    EXPECT_EQ(state.currentSettingsTable, "fieldize_Monthly") << "the name as stored";
    EXPECT_FALSE(state.settingsChanged);
    EXPECT_FALSE(state.saveSettingsEnabled);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SelectSettings, SelectingTwiceGivesTheSameSpecifications) {
    saveSet("twice", values, {spec("A", 1, 2, 0, 2), spec("B", 3, 1, 1, 1)});
    select("twice");
    select("twice");
    EXPECT_EQ(describe(database.working()), "A:1:2:0:2|B:3:1:1:1");
}

TEST_F(SelectSettings, RowsWithoutAStartColumnStayInTheWorkingTable) {
    saveSet("set", values, {spec("A", 1, 2, 0, 2)});
    ColumnSpec halfTyped;
    halfTyped.columnHeading = "typing";
    database.setWorking({halfTyped, spec("gone", 1, 1, 1, 1)});
    select("set");
    EXPECT_EQ(describe(database.working()), "typing:-:-:-:-|A:1:2:0:2");
}

TEST_F(SelectSettings, ASetSavedBeforeAKeyExistedRestoresTheRest) {
    const ParameterValues saved = everyKeyChanged();
    saveSet("old", saved, {spec("A", 1, 2, 0, 2)});
    testing::dropSettingsField(*database, "databaseDelimiter");

    values["databaseDelimiter"] = "|";
    EXPECT_EQ(select("old"), SettingsOutcome::Done);
    ParameterValues expected = saved;
    expected["databaseDelimiter"] = "|";
    EXPECT_EQ(values, expected);
    EXPECT_EQ(describe(database.working()), "A:1:2:0:2");
}

TEST_F(SelectSettings, AnUnknownNameDoesNothing) {
    saveSet("known", everyKeyChanged(), {spec("A", 1, 2, 0, 2)});
    database.setWorking({spec("mine", 1, 1, 1, 1)});
    state.currentSettingsTable = "fieldize_mine";
    EXPECT_EQ(select("unknown"), SettingsOutcome::NotOnFile);
    EXPECT_EQ(values, defaultParameterValues());
    EXPECT_EQ(describe(database.working()), "mine:1:1:1:1");
    EXPECT_EQ(state.currentSettingsTable, "fieldize_mine");
    EXPECT_TRUE(state.settingsChanged);
    EXPECT_TRUE(dialogs.messages.empty()) << "no message";
}

TEST_F(SelectSettings, AMissingSpecificationTableLeavesTheWorkingTableEmpty) {
    saveSet("lost", everyKeyChanged(), {spec("A", 1, 2, 0, 2)});
    database->tableDefs().remove("fieldize_lost");
    EXPECT_EQ(select("lost"), SettingsOutcome::Done);
    EXPECT_EQ(values, everyKeyChanged());
    EXPECT_EQ(database.working().size(), 0u);
    EXPECT_EQ(state.currentSettingsTable, "fieldize_lost");
}

TEST_F(SelectSettings, ACopyWrittenWithLowerCaseFieldNamesStillRestores) {
    saveSet("older", everyKeyChanged(), {spec("A", 1, 2, 0, 2)});
    database->tableDefs().remove("fieldize_older");
    database->tableDefs().append(db::specificationTableDef("fieldize_older"));
    appendColumnSpecs(*database, "fieldize_older", {spec("Old", 3, 4, 1, 4)});
    database.setWorking({});
    EXPECT_EQ(select("older"), SettingsOutcome::Done);
    EXPECT_EQ(describe(database.working()), "Old:3:4:1:4");
}

TEST_F(SelectSettings, AnEmptyNameShowsTheMessage) {
    EXPECT_EQ(select(""), SettingsOutcome::NameRefused);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please specify the name of the Settings to select.");
    EXPECT_EQ(dialogs.messages[0].title, "Fieldizer");
    EXPECT_EQ(dialogs.messages[0].focus.field, InputField::SettingsName);
}

TEST_F(SelectSettings, AnUnreadableStoreIsAnError) {
    database->tableDefs().remove(db::settingsTable);
    EXPECT_RUNTIME_ERROR_NUMBER(select("any"), 3078);
}

TEST(ClearSettings, EmptiesTheWorkingSpecificationsButHalfTypedRows) {
    ProgramDatabase database;
    ColumnSpec halfTyped;
    halfTyped.columnHeading = "typing";
    halfTyped.fieldWidth = 3;
    database.setWorking({spec("A", 1, 2, 0, 2), halfTyped, spec("B", 3, 1, 1, 1)});
    clearSettings(*database);
    EXPECT_EQ(describe(database.working()), "typing:-:-:-:3");
}

TEST(ClearSettings, IgnoresErrors) {
    ProgramDatabase database;
    database->tableDefs().remove(db::specificationTable);
    EXPECT_NO_THROW(clearSettings(*database));
}

} // namespace
} // namespace fieldizer
