#include "scratch_database.h"
#include "workbench/fieldizer_database.h"

#include <gtest/gtest.h>

using namespace fieldizer;
using namespace fieldizer::db;
using namespace fieldizer::db::testing;

TEST(FieldizerDatabase, holdsTheColumnSpecificationTable) {
    ScratchFolder folder;
    createFieldizerDatabase(folder.file("fieldizer.mdb"));
    auto database = Workspace().openDatabase(folder.file("fieldizer.mdb"), ownConnectString);
    TableDef table = database->tableDefs().item("fieldize_settings");
    ASSERT_EQ(table.fields().count(), 5);
    EXPECT_EQ(table.fields()[0].name, "column_heading");
    EXPECT_EQ(table.fields()[0].type, fieldType::text);
    EXPECT_TRUE(table.fields()[0].allowZeroLength);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(table.fields()[i].type, fieldType::longInteger) << table.fields()[i].name;
    EXPECT_EQ(table.fields()[4].name, "field_width");
}

TEST(FieldizerDatabase, settingsAreFoundByNameInAnyCase) {
    ScratchFolder folder;
    createFieldizerDatabase(folder.file("fieldizer.mdb"));
    auto database = Workspace().openDatabase(folder.file("fieldizer.mdb"));
    Recordset settings = database->openRecordset(settingsTable);
    settings.setIndex(settingsIndex);
    settings.addNew();
    settings.field("nameofsettings") = "fieldize_Monthly";
    settings.field("replaceWith") = "";
    settings.field("moveFromCol") = 12;
    settings.field("moveEndOfLine") = 1;
    settings.field("addText") = std::string(5000, 'x'); // any control text fits
    settings.update();
    settings.seek("=", {Value("FIELDIZE_monthly")});
    ASSERT_FALSE(settings.noMatch());
    EXPECT_EQ(settings.field("moveFromCol").value(), Value(12.0));
    EXPECT_EQ(settings.field("moveEndOfLine").value(), Value(1));
    EXPECT_EQ(settings.field("replaceWith").value(), Value(""));
}

TEST(FieldizerDatabase, specificationCopiesHaveTheSameFields) {
    TableDef copy = specificationTableDef("fieldize_Monthly");
    TableDef working = specificationTableDef(specificationTable);
    ASSERT_EQ(copy.fields().count(), working.fields().count());
    for (int i = 0; i < copy.fields().count(); ++i)
        EXPECT_EQ(copy.fields()[i].name, working.fields()[i].name);
}

TEST(FieldizerDatabase, anExistingFileIsNeverOverwritten) {
    ScratchFolder folder;
    std::string path = folder.write("fieldizer.mdb", "precious");
    EXPECT_RUNTIME_ERROR_NUMBER(createFieldizerDatabase(path), 3204);
    EXPECT_EQ(folder.read("fieldizer.mdb"), "precious");
}
