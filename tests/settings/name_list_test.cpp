#include "settings/name_list.h"
#include "settings/settings_record.h"
#include "settings_test_support.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::ProgramDatabase;

void addRecord(db::Database& database, const db::Value& name) {
    db::Recordset records = openSettingsRecords(database);
    records.addNew();
    records.field("nameofsettings") = name;
    records.update();
}

TEST(NameOfSettingsList, NamesInIndexOrderWithoutThePrefix) {
    ProgramDatabase database;
    for (const char* name : {"fieldize_zeta", "fieldize_Alpha", "fieldize_beta", "fieldize_"})
        addRecord(*database, db::Value(name));
    addRecord(*database, db::Value());
    EXPECT_EQ(refreshNameOfSettingsList(*database),
              (std::vector<std::string>{"", "Alpha", "beta", "zeta"}));
}

TEST(NameOfSettingsList, AMissingStoreIsAnError) {
    ProgramDatabase database;
    database->tableDefs().remove(db::settingsTable);
    EXPECT_RUNTIME_ERROR_NUMBER(refreshNameOfSettingsList(*database), 3078);
}

TEST(PositionAfterRefresh, KeepsThePositionOrStepsBackAtTheEnd) {
    EXPECT_EQ(positionAfterRefresh(1, 3), 1);
    EXPECT_EQ(positionAfterRefresh(2, 2), 1) << "the last item was removed";
    EXPECT_EQ(positionAfterRefresh(0, 0), -1) << "empty list";
    EXPECT_EQ(positionAfterRefresh(-1, 3), -1) << "nothing was selected";
    EXPECT_EQ(positionAfterRefresh(5, 2), -1) << "beyond the list";
}

TEST(NameBoxRefill, KeepsATypedTextAndTakesTheSelectedItemsName) {
    ProgramDatabase database;
    for (const char* name : {"fieldize_a", "fieldize_b"})
        addRecord(*database, db::Value(name));
    NameBox box{"typed", {"old"}, -1};
    refillNameBox(*database, box);
    EXPECT_EQ(box.items, (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(box.text, "typed");
    box.selectedIndex = 1;
    refillNameBox(*database, box);
    EXPECT_EQ(box.text, "b");
}

TEST(SettingsTabEntry, EnablesTheButtonsByState) {
    ProgramDatabase database;
    SettingsState state;
    state.settingsChanged = true;
    enterSettingsTab(*database, state);
    EXPECT_TRUE(state.saveSettingsEnabled);
    EXPECT_FALSE(state.selectSettingsEnabled);
    EXPECT_FALSE(state.deleteSettingsEnabled);

    addRecord(*database, db::Value("fieldize_x"));
    state.settingsChanged = false;
    enterSettingsTab(*database, state);
    EXPECT_FALSE(state.saveSettingsEnabled);
    EXPECT_TRUE(state.selectSettingsEnabled);
    EXPECT_TRUE(state.deleteSettingsEnabled);
}

TEST(SettingsTabEntry, ANamelessFirstSetCountsAsNoneOnFile) {
    ProgramDatabase database;
    addRecord(*database, db::Value("fieldize_"));
    addRecord(*database, db::Value("fieldize_x"));
    SettingsState state;
    enterSettingsTab(*database, state);
    EXPECT_FALSE(state.selectSettingsEnabled);
    EXPECT_FALSE(state.deleteSettingsEnabled);
}

} // namespace
} // namespace fieldizer
