// A field named rowid, oid or _rowid_ takes that name from SQLite's row
// number. Rows must still be found, changed, deleted and copied as the
// user meant them, in tables made here and in tables another tool made.
// Each table's field values differ from the row numbers and repeat, so that
// a row found by the field instead of its number is the wrong row.
#include "scratch_database.h"
#include "workbench/database_engine/table_copy.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows rowsOf(Recordset records) {
    Rows rows;
    for (; !records.eof(); records.moveNext()) {
        rows.emplace_back();
        for (int i = 0; i < records.fieldCount(); ++i)
            rows.back().push_back(records.value(i).isNull() ? "<null>" : records.value(i).toText());
    }
    return rows;
}

// Tables whose first field takes one name of the row number, or two; made
// by this program and by another tool (plain SQLite DDL).
struct Shape {
    std::string create;
    std::string field;
};
const Shape shapes[] = {
    {"CREATE TABLE t (rowid LONG, k TEXT(5))", "rowid"},
    {"CREATE TABLE t ([OID] LONG, k TEXT(5))", "OID"},
    {"CREATE TABLE t ([_rowid_] LONG, k TEXT(5))", "_rowid_"},
    {"sqlite:CREATE TABLE t (rowid INTEGER, oid INTEGER, k TEXT)", "rowid"},
    {"sqlite:CREATE TABLE t (\"RowId\" INTEGER, k TEXT)", "RowId"},
};

class RowKeyTakenByAField : public ::testing::TestWithParam<Shape> {
  protected:
    void SetUp() override {
        const std::string& create = GetParam().create;
        if (create.starts_with("sqlite:"))
            database->connection()->exec(create.substr(7));
        else
            database->execute(create);
        // Row numbers 1, 2, 3 hold the field values 2, 2, 1.
        for (const char* values : {"2, 'a'", "2, 'b'", "1, 'c'"})
            database->execute("INSERT INTO t ([" + GetParam().field + "], k) VALUES (" + values +
                              ")");
    }
    Rows keys() { return rowsOf(database->openRecordset("SELECT k FROM t ORDER BY k")); }
    Recordset table(RecordsetType type = RecordsetType::Dynaset) {
        return database->openRecordset("t", type);
    }
    // The taken field and k of every row.
    Rows fieldAndKey(Recordset records) {
        Rows rows;
        for (; !records.eof(); records.moveNext())
            rows.push_back({records.field(GetParam().field).value().toText(),
                            records.field("k").value().toText()});
        return rows;
    }
    ScratchDatabase database;
};

} // namespace

TEST_P(RowKeyTakenByAField, browsingShowsEveryRowAsItIs) {
    EXPECT_EQ(fieldAndKey(table()), (Rows{{"2", "a"}, {"2", "b"}, {"1", "c"}}));
    EXPECT_EQ(fieldAndKey(table(RecordsetType::Table)), (Rows{{"2", "a"}, {"2", "b"}, {"1", "c"}}));
    Recordset query = database->openRecordset("SELECT k FROM t WHERE k <> 'b'");
    EXPECT_EQ(rowsOf(std::move(query)), (Rows{{"a"}, {"c"}}));
}

TEST_P(RowKeyTakenByAField, editsAndDeletionsReachTheCurrentRow) {
    {
        Recordset rows = table();
        rows.edit();
        rows.field("k") = Value(std::string("A"));
        rows.update();
        rows.moveNext();
        rows.deleteRecord();
    }
    {
        Recordset query = database->openRecordset("SELECT k FROM t WHERE k = 'c'");
        query.edit();
        query.field("k") = Value(std::string("C"));
        query.update();
    }
    EXPECT_EQ(keys(), (Rows{{"A"}, {"C"}}));
}

TEST_P(RowKeyTakenByAField, seekFindsTheRowOfTheKey) {
    database->createIndex("t", "byK", {"k"});
    Recordset rows = table(RecordsetType::Table);
    rows.setIndex("byK");
    rows.seek("=", {Value(std::string("b"))});
    ASSERT_FALSE(rows.noMatch());
    EXPECT_EQ(rows.field("k").value(), Value(std::string("b")));
}

TEST_P(RowKeyTakenByAField, aJoinedDeleteRemovesOnlyTheMatchingRows) {
    database->execute("CREATE TABLE gone (k TEXT(5))");
    database->execute("INSERT INTO gone (k) VALUES ('a')");
    database->execute("DELETE t.* FROM t INNER JOIN gone ON t.k = gone.k");
    EXPECT_EQ(keys(), (Rows{{"b"}, {"c"}}));
}

TEST_P(RowKeyTakenByAField, copyingATableCopiesEveryRowOnce) {
    database->execute("CREATE TABLE copy ([" + GetParam().field + "] LONG, k TEXT(5))");
    fieldizer::PassObserver quiet;
    EXPECT_EQ(copyTableRows(*database, "t", "copy", quiet), 3);
    EXPECT_EQ(rowsOf(database->openRecordset("SELECT * FROM copy ORDER BY k")),
              (Rows{{"2", "a"}, {"2", "b"}, {"1", "c"}}));
}

INSTANTIATE_TEST_SUITE_P(EachNameAndMaker, RowKeyTakenByAField, ::testing::ValuesIn(shapes));

// A Currency field is rounded in the row just written, never in another
// whose field rowid holds the same value.
TEST(RowKeyTakenByAFieldCurrency, roundingTouchesOnlyTheWrittenRow) {
    ScratchDatabase database;
    database->execute("CREATE TABLE prices (rowid LONG, price CURRENCY)");
    database->execute("INSERT INTO prices (rowid, price) VALUES (7, 1)");
    database->execute("INSERT INTO prices (rowid, price) VALUES (7, 2.123456)");
    EXPECT_EQ(rowsOf(database->openRecordset(
                  "SELECT count(*) FROM prices WHERE price = 1 OR price = 2.1235")),
              (Rows{{"2"}}));
}
