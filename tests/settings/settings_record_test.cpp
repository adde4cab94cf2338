#include "settings/settings_record.h"
#include "settings_test_support.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::ProgramDatabase;

// A value for every key that differs from its default.
ParameterValues unusualValues() {
    ParameterValues values = defaultParameterValues();
    int n = 2;
    for (const ParameterKey& key : parameterKeys()) {
        std::string& value = values[std::string(key.name)];
        switch (key.kind) {
        case KeyKind::Number:
            value = std::to_string(100 + n++);
            break;
        case KeyKind::Flag:
            value = value == "1" ? "0" : "1";
            break;
        case KeyKind::Text:
            value = std::string(key.name) + " text\r\n\t\"'; --";
            break;
        }
    }
    values["startLineAfter"] = "75";
    return values;
}

void saveRecord(db::Database& database, const std::string& name, const ParameterValues& values) {
    db::Recordset records = openSettingsRecords(database);
    records.addNew();
    writeSettingsRecord(records, name, values);
}

ParameterValues loadRecord(db::Database& database, const std::string& name,
                           ParameterValues values = defaultParameterValues()) {
    auto loaded = readSavedSettings(database, name, std::move(values));
    EXPECT_TRUE(loaded) << name;
    return loaded ? *loaded : ParameterValues{};
}

TEST(SettingsRecord, StoresEveryKindAsItsFieldType) {
    ProgramDatabase database;
    ParameterValues values = defaultParameterValues();
    values["moveFromCol"] = "12";
    values["moveToCol"] = ""; // an empty box counts as 0
    values["moveEndOfLine"] = "1";
    values["startLineAfter"] = "";
    values["replaceWith"] = "x y";
    saveRecord(*database, "Monthly", values);

    db::Recordset records = openSettingsRecords(*database);
    ASSERT_TRUE(seekSettings(records, "Monthly"));
    EXPECT_EQ(records.field("nameofsettings").value(), db::Value("fieldize_Monthly"));
    EXPECT_EQ(records.field("moveFromCol").value(), db::Value(12.0));
    EXPECT_EQ(records.field("moveToCol").value(), db::Value(0.0));
    EXPECT_EQ(records.field("moveEndOfLine").value(), db::Value(1));
    EXPECT_EQ(records.field("addEndOfLine").value(), db::Value(0));
    EXPECT_EQ(records.field("startLineAfter").value(), db::Value("")) << "the box's text";
    EXPECT_EQ(records.field("replaceWith").value(), db::Value("x y"));
    EXPECT_EQ(records.field("formatCreate").value(), db::Value("New line"));
}

TEST(SettingsRecord, EveryKeyRoundTripsThroughTheFile) {
    ProgramDatabase database;
    const ParameterValues values = unusualValues();
    saveRecord(*database, "All", values);
    database.reopen();
    EXPECT_EQ(loadRecord(*database, "All"), values);
}

TEST(SettingsRecord, NumbersReadBackAsDigits) {
    ProgramDatabase database;
    ParameterValues values = defaultParameterValues();
    values["fieldizeStartLineAt"] = "007";
    values["formatSpaces"] = "";
    saveRecord(*database, "n", values);
    const ParameterValues loaded = loadRecord(*database, "n");
    EXPECT_EQ(loaded.at("fieldizeStartLineAt"), "7");
    EXPECT_EQ(loaded.at("formatSpaces"), "0");
}

TEST(SettingsRecord, NamesAreFoundInAnyLetterCase) {
    ProgramDatabase database;
    saveRecord(*database, "Monthly Report", unusualValues());
    EXPECT_EQ(loadRecord(*database, "MONTHLY report"), unusualValues());
    EXPECT_FALSE(readSavedSettings(*database, "Monthly", defaultParameterValues()));
}

TEST(SettingsRecord, AFieldMissingFromAnOlderTableIsSkippedBothWays) {
    ProgramDatabase database;
    testing::dropSettingsField(*database, "formatLineStart");
    ParameterValues values = unusualValues();
    saveRecord(*database, "old", values);

    ParameterValues current = defaultParameterValues();
    current["formatLineStart"] = "Yes";
    const ParameterValues loaded = loadRecord(*database, "old", current);
    EXPECT_EQ(loaded.at("formatLineStart"), "Yes") << "left as it was";
    values["formatLineStart"] = "Yes";
    EXPECT_EQ(loaded, values) << "every other key restored";
}

TEST(SettingsRecord, NullAndUnacceptableFieldsLeaveTheirKeys) {
    ProgramDatabase database;
    saveRecord(*database, "odd", unusualValues());
    database->execute("update fieldize_allFields set moveFromCol = 12.5, moveToCol = -1, "
                      "moveSpaces = 1000, addAtCol = Null, moveEndOfLine = 2, "
                      "addEndOfLine = Null, addText = Null, startLineAfter = 'abc', "
                      "deleteSpaces = 3");
    ParameterValues current = defaultParameterValues();
    const ParameterValues loaded = loadRecord(*database, "odd", current);
    for (const char* key : {"moveFromCol", "moveToCol", "moveSpaces", "addAtCol", "moveEndOfLine",
                            "addEndOfLine", "addText", "startLineAfter"})
        EXPECT_EQ(loaded.at(key), current.at(key)) << key;
    EXPECT_EQ(loaded.at("deleteSpaces"), "3");
    EXPECT_EQ(loaded.at("replaceWith"), unusualValues().at("replaceWith"));
}

} // namespace
} // namespace fieldizer
