#include "scratch_database.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

void makeNumbers(Database& database, int count) {
    database.execute("CREATE TABLE numbers (n LONG, word TEXT(20))");
    database.beginTrans();
    Recordset rows = database.openRecordset("numbers");
    for (int i = 1; i <= count; ++i) {
        rows.addNew();
        rows.field("n") = i;
        rows.field("word") = "w" + std::to_string(i);
        rows.update();
    }
    database.commitTrans();
}

class Navigation : public ::testing::TestWithParam<RecordsetType> {};

} // namespace

TEST_P(Navigation, positionsAndCountsFollowTheMoves) {
    ScratchDatabase database;
    makeNumbers(*database, 10);
    Recordset rows = database->openRecordset("numbers", GetParam());
    EXPECT_FALSE(rows.bof());
    EXPECT_EQ(rows.absolutePosition(), 0);
    rows.moveLast();
    EXPECT_EQ(rows.recordCount(), 10);
    EXPECT_EQ(rows.field("n").value(), Value(10));
    rows.moveFirst();
    rows.move(2);
    EXPECT_EQ(rows.absolutePosition(), 2);
    EXPECT_EQ(rows.field("N").value(), Value(3));
    rows.movePrevious();
    EXPECT_EQ(rows.field("word").value(), Value("w2"));
    rows.move(20);
    EXPECT_TRUE(rows.eof());
    EXPECT_EQ(rows.absolutePosition(), -1);
    EXPECT_RUNTIME_ERROR(rows.moveNext(), 3021, "No current record.");
    EXPECT_RUNTIME_ERROR_NUMBER(rows.field("n").value(), 3021);
    rows.moveLast();
    rows.moveNext();
    EXPECT_TRUE(rows.eof());
    rows.moveFirst();
    rows.movePrevious();
    EXPECT_TRUE(rows.bof());
    EXPECT_EQ(rows.absolutePosition(), -1);
    rows.setAbsolutePosition(6);
    EXPECT_EQ(rows.field("n").value(), Value(7));
}

TEST_P(Navigation, anEmptyRecordsetIsAtBothEnds) {
    ScratchDatabase database;
    makeNumbers(*database, 0);
    Recordset rows = database->openRecordset("numbers", GetParam());
    EXPECT_TRUE(rows.eof());
    EXPECT_TRUE(rows.bof());
    EXPECT_EQ(rows.recordCount(), 0);
    EXPECT_EQ(rows.absolutePosition(), -1);
    EXPECT_RUNTIME_ERROR_NUMBER(rows.moveFirst(), 3021);
    EXPECT_RUNTIME_ERROR_NUMBER(rows.moveLast(), 3021);
}

INSTANTIATE_TEST_SUITE_P(EveryType, Navigation,
                         ::testing::Values(RecordsetType::Table, RecordsetType::Dynaset,
                                           RecordsetType::Snapshot));

TEST(Fields, areFoundByNameInAnyCaseOrByIndex) {
    ScratchDatabase database;
    makeNumbers(*database, 1);
    Recordset rows = database->openRecordset("numbers");
    EXPECT_EQ(rows.fieldCount(), 2);
    EXPECT_EQ(rows.field("WORD").name(), "word");
    EXPECT_EQ(rows.field(1).type(), 10);
    EXPECT_EQ(rows.field(1).size(), 20);
    EXPECT_EQ(rows.field(0).type(), 4);
    EXPECT_EQ(rows.field(0).size(), 4);
    EXPECT_RUNTIME_ERROR(rows.field("nothing"), 3265, "Item not found in this collection.");
    EXPECT_RUNTIME_ERROR_NUMBER(rows.field(2), 3265);
    EXPECT_RUNTIME_ERROR_NUMBER(rows.field(-1), 3265);
}

TEST(Fields, ofAQueryKeepTheSizesOfTheirTableFields) {
    ScratchDatabase database;
    makeNumbers(*database, 2);
    Recordset rows = database->openRecordset("SELECT word AS w, n * 2 AS twice, count(*) AS c "
                                             "FROM numbers GROUP BY word, n");
    EXPECT_EQ(rows.field("w").type(), 10);
    EXPECT_EQ(rows.field("w").size(), 20);
    EXPECT_EQ(rows.field("c").type(), 4);
    EXPECT_EQ(rows.field("twice").value(), Value(2));
}

TEST(OpenRecordset, unknownNamesAreReportedAsMissingInputTables) {
    ScratchDatabase database;
    EXPECT_RUNTIME_ERROR(database->openRecordset("nowhere"), 3078,
                         "The Microsoft Jet database engine cannot find the input table or query "
                         "'nowhere'.  Make sure it exists and that its name is spelled correctly.");
    EXPECT_RUNTIME_ERROR_NUMBER(database->openRecordset("SELECT * FROM nowhere"), 3078);
    makeNumbers(*database, 1);
    EXPECT_RUNTIME_ERROR_NUMBER(
        database->openRecordset("SELECT n FROM numbers", RecordsetType::Table), 3219);
}

TEST(Seek, findsByTheIndexWithoutRegardToCase) {
    ScratchDatabase database;
    makeNumbers(*database, 5);
    database->createIndex("numbers", "byWord", {"word"});
    Recordset rows = database->openRecordset("numbers");
    EXPECT_RUNTIME_ERROR(rows.seek("=", {Value("w3")}), 3019,
                         "Operation invalid without a current index.");
    rows.setIndex("BYWORD");
    rows.seek("=", {Value("W3")});
    EXPECT_FALSE(rows.noMatch());
    EXPECT_EQ(rows.field("n").value(), Value(3));
    rows.seek("=", {Value("w9")});
    EXPECT_TRUE(rows.noMatch());
    rows.seek(">=", {Value("w4")});
    EXPECT_EQ(rows.field("n").value(), Value(4));
    rows.seek("<", {Value("w4")});
    EXPECT_EQ(rows.field("n").value(), Value(3));
    EXPECT_RUNTIME_ERROR_NUMBER(rows.seek("~", {Value("w4")}), 3001);
}

TEST(Seek, theIndexOrdersATableRecordset) {
    ScratchDatabase database;
    database->execute("CREATE TABLE t (name TEXT(10))");
    for (const char* name : {"pear", "Apple", "fig"})
        database->execute(std::string("INSERT INTO t VALUES ('") + name + "')");
    database->createIndex("t", "byName", {"name"});
    Recordset rows = database->openRecordset("t");
    rows.setIndex("byName");
    std::vector<std::string> order;
    for (; !rows.eof(); rows.moveNext())
        order.push_back(rows.field(0).value().toText());
    EXPECT_EQ(order, (std::vector<std::string>{"Apple", "fig", "pear"}));
    EXPECT_RUNTIME_ERROR(rows.setIndex("none"), 3800, "'none' is not an index in this table.");
    Recordset dynaset = database->openRecordset("t", RecordsetType::Dynaset);
    EXPECT_RUNTIME_ERROR(dynaset.setIndex("byName"), 3251,
                         "Operation is not supported for this type of object.");
}

TEST(FilterAndSort, openANewRecordsetOfTheMatchingRowsInOrder) {
    ScratchDatabase database;
    makeNumbers(*database, 10);
    Recordset rows = database->openRecordset("numbers", RecordsetType::Dynaset);
    rows.setFilter("n > 3 and word <> \"W5\"");
    rows.setSort("[n] desc");
    Recordset filtered = rows.openRecordset();
    filtered.moveLast();
    EXPECT_EQ(filtered.recordCount(), 6);
    filtered.moveFirst();
    EXPECT_EQ(filtered.field("n").value(), Value(10));
    EXPECT_TRUE(filtered.updatable());
    filtered.edit();
    filtered.field("word") = "ten";
    filtered.update();
    EXPECT_EQ(database->openRecordset("SELECT word FROM numbers WHERE n = 10").field(0).value(),
              Value("ten"));
    Recordset table = database->openRecordset("numbers");
    EXPECT_RUNTIME_ERROR_NUMBER(table.setFilter("n > 1"), 3251);
}

TEST(FilterAndSort, aBadFilterIsAnErrorAndChangesNothing) {
    ScratchDatabase database;
    makeNumbers(*database, 3);
    Recordset rows = database->openRecordset("numbers", RecordsetType::Dynaset);
    rows.setFilter("n >");
    EXPECT_RUNTIME_ERROR_NUMBER(rows.openRecordset(), 3075);
    EXPECT_EQ(rows.recordCount(), 3);
}

TEST(Requery, seesRowsAddedMeanwhile) {
    ScratchDatabase database;
    makeNumbers(*database, 3);
    Recordset rows = database->openRecordset("numbers", RecordsetType::Dynaset);
    database->execute("INSERT INTO numbers (n) VALUES (4)");
    EXPECT_EQ(rows.recordCount(), 3);
    rows.requery();
    EXPECT_EQ(rows.recordCount(), 4);
    database->execute("DELETE FROM numbers WHERE n = 1");
    EXPECT_RUNTIME_ERROR_NUMBER(rows.field("n").value(), 3167);
}

TEST(QueryDynasets, aQueryOnOneTableCanBeEdited) {
    ScratchDatabase database;
    makeNumbers(*database, 5);
    Recordset rows = database->openRecordset(
        "SELECT word AS label, n FROM numbers WHERE n >= 3 ORDER BY n DESC");
    EXPECT_TRUE(rows.updatable());
    EXPECT_EQ(rows.field("label").size(), 20);
    rows.moveLast();
    EXPECT_EQ(rows.recordCount(), 3);
    EXPECT_EQ(rows.field("n").value(), Value(3));
    rows.edit();
    rows.field("label") = "three";
    EXPECT_RUNTIME_ERROR_NUMBER(rows.field("label") = std::string(21, 'x'), 3163);
    rows.update();
    EXPECT_EQ(rows.field("label").value(), Value("three"));
    rows.moveFirst();
    rows.deleteRecord();
    rows.addNew();
    rows.field("n") = 99;
    rows.update();
    Recordset table = database->openRecordset("numbers", RecordsetType::Snapshot);
    std::vector<std::string> words;
    for (; !table.eof(); table.moveNext())
        words.push_back(table.field("n").value().toText() + "=" +
                        table.field("word").value().toText());
    EXPECT_EQ(words, (std::vector<std::string>{"1=w1", "2=w2", "3=three", "4=w4", "99="}));
}

TEST(QueryDynasets, queriesThatMergeOrComputeRowsAreReadOnly) {
    ScratchDatabase database;
    makeNumbers(*database, 3);
    database->execute("CREATE TABLE other (n LONG)");
    for (const char* sql :
         {"SELECT DISTINCT word FROM numbers", "SELECT word, count(*) FROM numbers GROUP BY word",
          "SELECT max(n) FROM numbers", "SELECT n * 2 AS twice FROM numbers",
          "SELECT numbers.n FROM numbers, other",
          "SELECT numbers.n FROM numbers INNER JOIN other ON numbers.n = other.n",
          "SELECT n FROM numbers UNION SELECT n FROM other",
          "SELECT n FROM (SELECT n FROM numbers)"}) {
        Recordset rows = database->openRecordset(sql);
        EXPECT_FALSE(rows.updatable()) << sql;
        EXPECT_RUNTIME_ERROR_NUMBER(rows.addNew(), 3027);
    }
}

TEST(QueryDynasets, aFilterOnAnEditableQueryKeepsItEditable) {
    ScratchDatabase database;
    makeNumbers(*database, 6);
    Recordset rows = database->openRecordset("SELECT n, word FROM numbers WHERE n > 1");
    rows.setFilter("n < 5");
    rows.setSort("n desc");
    Recordset filtered = rows.openRecordset();
    EXPECT_TRUE(filtered.updatable());
    filtered.moveLast();
    EXPECT_EQ(filtered.recordCount(), 3);
    EXPECT_EQ(filtered.field("n").value(), Value(2));
}

TEST(Seek, indexNamesAreRefusedWhenTaken) {
    ScratchDatabase database;
    makeNumbers(*database, 1);
    database->execute("CREATE TABLE other (n LONG)");
    database->createIndex("numbers", "byN", {"n"});
    EXPECT_RUNTIME_ERROR(database->createIndex("NUMBERS", "BYN", {"n"}), 3375,
                         "Table 'numbers' already has an index named 'BYN'.");
    EXPECT_RUNTIME_ERROR(database->createIndex("other", "byN", {"n"}), 3375,
                         "Index 'byN' already exists.");
    EXPECT_RUNTIME_ERROR_NUMBER(database->createIndex("nowhere", "x", {"n"}), 3265);
}
