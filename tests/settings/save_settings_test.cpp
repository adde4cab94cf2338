#include "settings/name_list.h"
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

class SaveSettings : public ::testing::Test {
  protected:
    SettingsOutcome save(const std::string& name, const ParameterValues& values,
                         ScriptedDialogs& dialogs) {
        state.nameBox.text = name;
        state.settingsChanged = true;
        state.saveSettingsEnabled = true;
        return saveSettings(*database, dialogs, values, state);
    }
    SettingsOutcome save(const std::string& name, const ParameterValues& values) {
        ScriptedDialogs dialogs;
        SettingsOutcome outcome = save(name, values, dialogs);
        EXPECT_TRUE(dialogs.questions.empty()) << dialogs.questions.front().text;
        return outcome;
    }
    ParameterValues stored(const std::string& name) {
        return readSavedSettings(*database, name, {}).value_or(ParameterValues{});
    }
    std::string storedSpecs(const std::string& name) {
        return describe(readColumnSpecs(*database, settingsTableName(name)));
    }

    ProgramDatabase database;
    SettingsState state;
    ParameterValues values = defaultParameterValues();
};

TEST_F(SaveSettings, ANewNameStoresOneRecordAndOneTable) {
    database.setWorking({spec("Name", 1, 20, 1, 20), spec("State", 21, 10, 0, 10)});
    values["replaceWith"] = "new";
    EXPECT_EQ(save("Monthly", values), SettingsOutcome::Done);
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 1);
    EXPECT_EQ(stored("Monthly").at("replaceWith"), "new");
    EXPECT_EQ(storedSpecs("Monthly"), "Name:1:20:1:20|State:21:10:0:10");
    EXPECT_EQ(describe(database.working()), "Name:1:20:1:20|State:21:10:0:10")
        << "the working specifications stay";
    db::TableDef copy = database->tableDefs().item("fieldize_Monthly");
    ASSERT_EQ(copy.fields().count(), 5);
    EXPECT_TRUE(copy.fields()["column_heading"].allowZeroLength);
}

TEST_F(SaveSettings, TheCopysFieldsAreNamedWithCapitals) {
    database.setWorking({spec("A", 1, 2, 0, 2)});
    save("Monthly", values);
    database.reopen();
    const db::TableDef copy = database->tableDefs().item("fieldize_Monthly");
    std::vector<std::string> names;
    for (const db::FieldDef& field : copy.fields())
        names.push_back(field.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Column_heading", "Get_data_from_column",
                                               "Number_of_characters", "Spaces_B4_next_column",
                                               "Field_width"}));
}

TEST_F(SaveSettings, StateAfterASave) {
    EXPECT_EQ(save("Monthly", values), SettingsOutcome::Done);
    EXPECT_EQ(state.currentSettingsTable, "fieldize_Monthly");
    EXPECT_FALSE(state.settingsChanged);
    EXPECT_FALSE(state.saveSettingsEnabled);
    EXPECT_TRUE(state.selectSettingsEnabled);
    EXPECT_TRUE(state.deleteSettingsEnabled);
    EXPECT_EQ(state.nameBox.items, std::vector<std::string>{"Monthly"});
    EXPECT_EQ(state.nameBox.selectedIndex, -1) << "a typed name selects nothing";
    EXPECT_EQ(state.nameBox.text, "Monthly");
}

TEST_F(SaveSettings, OverwriteOnOkReplacesValuesAndRows) {
    database.setWorking({spec("A", 1, 2, 0, 2)});
    save("Monthly", values);
    database.setWorking({spec("B", 3, 4, 1, 5), spec("C", 8, 1, 0, 1)});
    values["addText"] = "changed";
    ScriptedDialogs dialogs({Answer::Ok});
    EXPECT_EQ(save("Monthly", values, dialogs), SettingsOutcome::Done);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    const Message& question = dialogs.questions[0];
    EXPECT_EQ(question.text, "This name (Monthly) for the settings is already on file.  Would "
                             "you like to overwrite the current settings?");
    EXPECT_EQ(question.title, "Fieldizer - It's your choice...");
    EXPECT_EQ(question.buttons, Buttons::OkCancel);
    EXPECT_EQ(question.icon, Icon::Information);
    EXPECT_EQ(question.defaultAnswer, Answer::Cancel);
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 1);
    EXPECT_EQ(stored("Monthly").at("addText"), "changed");
    EXPECT_EQ(storedSpecs("Monthly"), "B:3:4:1:5|C:8:1:0:1");
}

TEST_F(SaveSettings, CancelLeavesRecordTableListAndStateAlone) {
    database.setWorking({spec("A", 1, 2, 0, 2)});
    save("Monthly", values);
    database.setWorking({spec("B", 3, 4, 1, 5)});
    state.nameBox.items = {"stale"};
    state.currentSettingsTable = "fieldize_other";
    values["addText"] = "changed";
    ScriptedDialogs dialogs({Answer::Cancel});
    EXPECT_EQ(save("Monthly", values, dialogs), SettingsOutcome::Cancelled);
    EXPECT_EQ(stored("Monthly").at("addText"), "");
    EXPECT_EQ(storedSpecs("Monthly"), "A:1:2:0:2");
    EXPECT_EQ(state.nameBox.items, std::vector<std::string>{"stale"});
    EXPECT_EQ(state.currentSettingsTable, "fieldize_other");
    EXPECT_TRUE(state.settingsChanged);
    EXPECT_TRUE(state.saveSettingsEnabled);
}

TEST_F(SaveSettings, NamesDifferingInCaseAreOneSet) {
    database.setWorking({spec("A", 1, 2, 0, 2)});
    save("Monthly", values);
    database.setWorking({spec("B", 3, 4, 1, 5)});
    ScriptedDialogs dialogs({Answer::Ok});
    EXPECT_EQ(save("MONTHLY", values, dialogs), SettingsOutcome::Done);
    EXPECT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 1);
    EXPECT_EQ(storedSpecs("monthly"), "B:3:4:1:5");
    EXPECT_EQ(state.nameBox.items, std::vector<std::string>{"MONTHLY"})
        << "the record takes the name as last typed";
}

TEST_F(SaveSettings, AnEmptyWorkingTableStillSavesTheRecordAndTable) {
    EXPECT_EQ(save("empty", values), SettingsOutcome::Done);
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 1);
    EXPECT_EQ(testing::recordCount(*database, "fieldize_empty"), 0);
}

TEST_F(SaveSettings, AnEmptyWorkingTableKeepsTheCopysRows) {
    database.setWorking({spec("A", 1, 2, 0, 2)});
    save("kept", values);
    database.setWorking({});
    ScriptedDialogs dialogs({Answer::Ok});
    EXPECT_EQ(save("kept", values, dialogs), SettingsOutcome::Done);
    EXPECT_EQ(storedSpecs("kept"), "A:1:2:0:2");
}

TEST_F(SaveSettings, RowsWithMissingNumbersAreCopiedAsTheyAre) {
    ColumnSpec halfTyped;
    halfTyped.columnHeading = "half";
    halfTyped.fieldWidth = 9;
    database.setWorking({halfTyped, spec("", 1, 1, 0, 1)});
    save("half", values);
    EXPECT_EQ(storedSpecs("half"), "half:-:-:-:9|:1:1:0:1");
}

TEST_F(SaveSettings, AMissingTableIsCreatedOnOverwrite) {
    save("gone", values);
    database->tableDefs().remove("fieldize_gone");
    database.setWorking({spec("A", 1, 2, 0, 2)});
    ScriptedDialogs dialogs({Answer::Ok});
    EXPECT_EQ(save("gone", values, dialogs), SettingsOutcome::Done);
    EXPECT_EQ(storedSpecs("gone"), "A:1:2:0:2");
}

TEST_F(SaveSettings, AnEmptyNameShowsTheMessageAndTouchesNothing) {
    ScriptedDialogs dialogs;
    database->tableDefs().remove(db::settingsTable); // any database access would fail
    EXPECT_EQ(save("", values, dialogs), SettingsOutcome::NameRefused);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, "Please specify a name for the current Settings.");
    EXPECT_EQ(dialogs.messages[0].title, "Fieldizer");
    EXPECT_EQ(dialogs.messages[0].buttons, Buttons::Ok);
    EXPECT_EQ(dialogs.messages[0].focus.field, InputField::SettingsName);
    EXPECT_TRUE(state.settingsChanged);
}

TEST_F(SaveSettings, TheProgramsOwnTablesAreRefusedAsNames) {
    database.setWorking({spec("A", 1, 2, 0, 2)});
    for (const char* name : {"settings", "AllFields"}) {
        ScriptedDialogs dialogs({Answer::Ok, Answer::Ok});
        EXPECT_EQ(save(name, values, dialogs), SettingsOutcome::NameRefused);
        ASSERT_EQ(dialogs.messages.size(), 1u);
        EXPECT_EQ(dialogs.messages[0].text, "This name (" + std::string(name) +
                                                ") is used by Fieldizer itself.  Please choose "
                                                "another name for the Settings.");
        EXPECT_EQ(dialogs.messages[0].focus.field, InputField::SettingsName);
    }
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 0);
    EXPECT_EQ(describe(database.working()), "A:1:2:0:2");
}

TEST_F(SaveSettings, ATableLeftWithoutItsRecordIsTakenOver) {
    database->tableDefs().append(db::specificationTableDef("fieldize_orphan"));
    database.setWorking({spec("A", 1, 2, 0, 2)});
    EXPECT_EQ(save("orphan", values), SettingsOutcome::Done);
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 1);
    EXPECT_EQ(storedSpecs("orphan"), "A:1:2:0:2");
}

TEST_F(SaveSettings, ANameTheEngineRefusesWritesNothing) {
    database.setWorking({spec("A", 1, 2, 0, 2)});
    for (const std::string& name : {std::string("a[b"), std::string(300, 'x')}) {
        try {
            save(name, values);
            ADD_FAILURE() << "no error for " << name;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 3125);
            EXPECT_EQ(error.description(), "'fieldize_" + name +
                                               "' is not a valid name.  Make sure that it does not "
                                               "include invalid characters or punctuation and "
                                               "that it is not too long.");
        }
    }
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 0);
    EXPECT_EQ(refreshNameOfSettingsList(*database).size(), 0u);
}

TEST_F(SaveSettings, AFailedCopyOfANewSetLeavesNoRecord) {
    // A table of that name with a narrow heading field, left by an older program.
    db::TableDef narrow = db::specificationTableDef("fieldize_new");
    narrow.fields()["column_heading"].size = 5;
    database->tableDefs().append(narrow);
    database.setWorking({spec("too long", 2, 1, 0, 1)});
    EXPECT_RUNTIME_ERROR(save("new", values), 3163,
                         "The field is too small to accept the amount of data you attempted to "
                         "add.  Try inserting or pasting less data.");
    EXPECT_EQ(testing::recordCount(*database, db::settingsTable), 0)
        << "no record without its copy";
    EXPECT_EQ(state.currentSettingsTable, "");
}

TEST_F(SaveSettings, AFailedCopyLeavesTheCopyAsItWas) {
    database.setWorking({spec("A", 1, 2, 0, 2)});
    save("whole", values);
    // A copy made by an older program with a narrow heading field.
    database->tableDefs().remove("fieldize_whole");
    db::TableDef narrow = db::specificationTableDef("fieldize_whole");
    narrow.fields()["column_heading"].size = 5;
    database->tableDefs().append(narrow);
    appendColumnSpecs(*database, "fieldize_whole", {spec("old", 1, 1, 0, 1)});
    database.setWorking({spec("B", 1, 1, 0, 1), spec("too long", 2, 1, 0, 1)});
    ScriptedDialogs dialogs({Answer::Ok});
    EXPECT_RUNTIME_ERROR_NUMBER(save("whole", values, dialogs), 3163);
    EXPECT_EQ(storedSpecs("whole"), "old:1:1:0:1") << "no half copy";
    EXPECT_EQ(database->connection()->transactionDepth(), 0);
}

TEST_F(SaveSettings, TheListIsRefilledInNameOrderAndKeepsTheSelectedPosition) {
    for (const char* name : {"b", "D", "a"})
        save(name, values);
    EXPECT_EQ(state.nameBox.items, (std::vector<std::string>{"a", "b", "D"}));
    // Selecting "b" and saving it again selects the same position.
    state.nameBox.selectedIndex = 1;
    ScriptedDialogs dialogs({Answer::Ok});
    save("b", values, dialogs);
    EXPECT_EQ(state.nameBox.selectedIndex, 1);
    EXPECT_EQ(state.nameBox.text, "b");
}

} // namespace
} // namespace fieldizer
