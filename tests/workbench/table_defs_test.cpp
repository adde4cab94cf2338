#include "scratch_database.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

TableDef everyType(Database& database) {
    TableDef table = database.createTableDef("Every Type");
    for (auto [name, type, size] : std::vector<std::tuple<const char*, int, int>>{{"flag", 1, 0},
                                                                                  {"small", 2, 0},
                                                                                  {"whole", 3, 0},
                                                                                  {"count", 4, 0},
                                                                                  {"money", 5, 0},
                                                                                  {"ratio", 6, 0},
                                                                                  {"amount", 7, 0},
                                                                                  {"when", 8, 0},
                                                                                  {"code", 10, 12},
                                                                                  {"title", 10, 0},
                                                                                  {"notes", 12, 0}})
        table.fields().append(table.createField(name, type, size));
    return table;
}

} // namespace

TEST(TableDefs, typesSizesAndZeroLengthRulesSurviveReopening) {
    ScratchDatabase database;
    TableDef table = everyType(*database);
    table.fields()["notes"].allowZeroLength = true;
    database->tableDefs().append(table);
    database.reopen();

    TableDef stored = database->tableDefs().item("every type");
    EXPECT_EQ(stored.name(), "Every Type");
    ASSERT_EQ(stored.fields().count(), 11);
    std::vector<int> types, sizes;
    for (const FieldDef& field : stored.fields()) {
        types.push_back(field.type);
        sizes.push_back(field.size);
    }
    EXPECT_EQ(types, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 10, 10, 12}));
    EXPECT_EQ(sizes, (std::vector<int>{1, 1, 2, 4, 8, 4, 8, 8, 12, 50, 0}));
    EXPECT_FALSE(stored.fields()["CODE"].allowZeroLength);
    EXPECT_TRUE(stored.fields()["notes"].allowZeroLength);
}

TEST(TableDefs, textSizesOutsideOneTo255AreRefused) {
    ScratchDatabase database;
    TableDef table = database->createTableDef("t");
    EXPECT_RUNTIME_ERROR(table.createField("a", 10, 256), 3001, "Invalid argument.");
    EXPECT_RUNTIME_ERROR_NUMBER(table.createField("a", 10, -1), 3001);
    EXPECT_EQ(table.createField("a", 10, 255).size, 255);
    EXPECT_RUNTIME_ERROR(table.createField("a", 9, 0), 3259, "Invalid field data type.");
}

TEST(TableDefs, anExistingNameInAnyCaseIsRefused) {
    ScratchDatabase database;
    database->tableDefs().append(everyType(*database));
    TableDef again = everyType(*database);
    again.setName("EVERY TYPE");
    EXPECT_RUNTIME_ERROR(database->tableDefs().append(again), 3010,
                         "Table 'EVERY TYPE' already exists.");
}

TEST(TableDefs, badDefinitionsAreRefused) {
    ScratchDatabase database;
    TableDef table = database->createTableDef("empty");
    EXPECT_RUNTIME_ERROR(database->tableDefs().append(table), 3264,
                         "No field defined--cannot append TableDef or Index.");
    table.fields().append(table.createField("a", 4));
    EXPECT_RUNTIME_ERROR(table.fields().append(table.createField("A", 10)), 3191,
                         "Cannot define field more than once.");
    EXPECT_RUNTIME_ERROR(table.fields().append(table.createField("a.b", 10)), 3125,
                         "'a.b' is not a valid name.  Make sure that it does not include invalid "
                         "characters or punctuation and that it is not too long.");
    EXPECT_RUNTIME_ERROR_NUMBER(table.fields().append(table.createField("", 10)), 3125);
    EXPECT_RUNTIME_ERROR_NUMBER(table.fields().append(table.createField(" lead", 10)), 3125);
    EXPECT_RUNTIME_ERROR_NUMBER(table.fields().append(table.createField("[x]", 10)), 3125);
    table.setName("bad!name");
    EXPECT_RUNTIME_ERROR_NUMBER(database->tableDefs().append(table), 3125);
}

TEST(TableDefs, itemOfAnUnknownNameIsNotFound) {
    ScratchDatabase database;
    EXPECT_RUNTIME_ERROR(database->tableDefs().item("nothing"), 3265,
                         "Item not found in this collection.");
    EXPECT_RUNTIME_ERROR_NUMBER(database->tableDefs().item(0), 3265);
    EXPECT_RUNTIME_ERROR_NUMBER(database->tableDefs().remove("nothing"), 3265);
}

TEST(TableDefs, enumerationIsSortedWithoutRegardToCaseAndSeesSqlChanges) {
    ScratchDatabase database;
    database->execute("CREATE TABLE beta (a LONG)");
    database->execute("CREATE TABLE Alpha (a LONG)");
    database->execute("CREATE TABLE gamma (a LONG)");
    EXPECT_EQ(database->tableDefs().names(), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    database->execute("DROP TABLE beta");
    EXPECT_EQ(database->tableDefs().names(), (std::vector<std::string>{"Alpha", "gamma"}));
    EXPECT_EQ(database->tableDefs().item(1).name(), "gamma");
    database->tableDefs().remove("ALPHA");
    database->tableDefs().refresh();
    EXPECT_EQ(database->tableDefs().count(), 1);
}

TEST(TableDefs, namesOutsideAsciiAreKeptInTheProgramsCharacterSet) {
    ScratchDatabase database;
    TableDef table = database->createTableDef("Caf\xE9");
    table.fields().append(table.createField("Na\xEFve", 10, 5));
    database->tableDefs().append(table);
    database.reopen();
    TableDef stored = database->tableDefs().item("Caf\xE9");
    EXPECT_EQ(stored.fields()[0].name, "Na\xEFve");
}

TEST(TableDefs, sqlCreateTableGivesTheSameTypesAsCreateField) {
    ScratchDatabase database;
    database->execute("CREATE TABLE t (a TEXT(20), b LONG, c MEMO, d YESNO, e DATETIME, "
                      "f CURRENCY, g COUNTER)");
    TableDef table = database->tableDefs().item("t");
    EXPECT_EQ(table.fields()["a"].type, 10);
    EXPECT_EQ(table.fields()["a"].size, 20);
    EXPECT_EQ(table.fields()["b"].type, 4);
    EXPECT_EQ(table.fields()["c"].type, 12);
    EXPECT_EQ(table.fields()["d"].type, 1);
    EXPECT_EQ(table.fields()["e"].type, 8);
    EXPECT_EQ(table.fields()["f"].type, 5);
    EXPECT_EQ(table.fields()["g"].type, 4);
    EXPECT_TRUE(table.fields()["g"].autoIncrement);
    EXPECT_RUNTIME_ERROR(database->execute("CREATE TABLE T (x LONG)"), 3010,
                         "Table 'T' already exists.");
}

TEST(TableDefs, tablesOfOtherToolsAreReadByTheirDeclaredTypes) {
    ScratchDatabase database;
    database->connection()->exec("CREATE TABLE other (a VARCHAR(30), b TEXT, c INTEGER, d REAL, "
                                 "e, f BOOLEAN)");
    TableDef table = database->tableDefs().item("other");
    EXPECT_EQ(table.fields()["a"].type, 10);
    EXPECT_EQ(table.fields()["a"].size, 30);
    EXPECT_EQ(table.fields()["b"].type, 12);
    EXPECT_EQ(table.fields()["c"].type, 4);
    EXPECT_EQ(table.fields()["d"].type, 6);
    EXPECT_EQ(table.fields()["e"].type, 12);
    EXPECT_EQ(table.fields()["f"].type, 1);
    EXPECT_TRUE(table.fields()["b"].allowZeroLength);
}
