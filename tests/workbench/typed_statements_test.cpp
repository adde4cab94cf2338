// SQL statements keep to the types of the fields they write, by the rule the
// recordset's assignment keeps to: text that converts is stored converted,
// text that does not is refused with the field named, and the statement
// then changes nothing.

#include "scratch_database.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

class TypedStatements : public ::testing::Test {
  protected:
    void SetUp() override {
        database->execute("CREATE TABLE Orders (OrderID LONG, Amount CURRENCY, "
                          "OrderDate DATETIME, Paid YESNO, Customer TEXT(20))");
        database->execute("INSERT INTO Orders VALUES (1, 10.5, #12/31/1999#, True, 'Ann')");
        database->execute("INSERT INTO Orders VALUES (2, 99, #1/2/2000#, False, 'Bob')");
    }
    // The field's values in the order of OrderID, as stored.
    std::vector<Value> column(const std::string& field, const std::string& table = "Orders") {
        Recordset rows = database->openRecordset(
            "SELECT " + field + " FROM " + table + " ORDER BY OrderID", RecordsetType::Snapshot);
        std::vector<Value> values;
        for (; !rows.eof(); rows.moveNext())
            values.push_back(rows.value(0));
        return values;
    }
    std::vector<Value> ids(const std::string& where) {
        return column("OrderID", "Orders WHERE " + where);
    }

    ScratchDatabase database;
};

TEST_F(TypedStatements, textThatConvertsIsStoredAsItsFieldsType) {
    EXPECT_EQ(database->execute("UPDATE Orders SET OrderID = '12' WHERE Customer = 'Ann'"), 1);
    EXPECT_EQ(database->execute("INSERT INTO Orders (OrderID, Amount, OrderDate, Paid) "
                                "VALUES (3, '1.23456', '3/4/1998', 'Yes')"),
              1);
    EXPECT_EQ(column("OrderID"), (std::vector<Value>{2, 3, 12}));
    EXPECT_EQ(column("Amount"), (std::vector<Value>{99, 1.2346, 10.5}));
    EXPECT_EQ(column("Paid"), (std::vector<Value>{0, -1, -1}));
    EXPECT_EQ(column("OrderDate")[1], Value("1998-03-04 00:00:00"));
    // The date compares and sorts as a date, not as the text it was given in.
    EXPECT_EQ(ids("OrderDate < #1/1/1999#"), std::vector<Value>{3});
    Recordset byDate = database->openRecordset("SELECT OrderID FROM Orders ORDER BY OrderDate");
    EXPECT_EQ(byDate.value(0), Value(3));
}

TEST_F(TypedStatements, textThatDoesNotConvertIsRefusedNamingTheFieldAndChangesNothing) {
    const std::vector<Value> before = column("OrderID");
    EXPECT_RUNTIME_ERROR(database->execute("UPDATE Orders SET OrderID = 'abc'"), 3421,
                         "Data type conversion error in field 'Orders.OrderID'.");
    EXPECT_RUNTIME_ERROR(database->execute("UPDATE Orders SET Amount = 'lots'"), 3421,
                         "Data type conversion error in field 'Orders.Amount'.");
    // The second row fails: the first, already written, is undone with it.
    EXPECT_RUNTIME_ERROR_NUMBER(
        database->execute("UPDATE Orders SET Amount = IIf(OrderID = 2, 'lots', 5)"), 3421);
    EXPECT_RUNTIME_ERROR(
        database->execute("INSERT INTO Orders (OrderID, OrderDate) VALUES (3, 'someday')"), 3421,
        "Data type conversion error in field 'Orders.OrderDate'.");
    EXPECT_RUNTIME_ERROR(database->execute("UPDATE Orders SET Paid = 'maybe'"), 3421,
                         "Data type conversion error in field 'Orders.Paid'.");
    EXPECT_EQ(column("OrderID"), before);
    EXPECT_EQ(column("Amount"), (std::vector<Value>{10.5, 99}));
    EXPECT_EQ(column("Paid"), (std::vector<Value>{-1, 0}));
}

TEST_F(TypedStatements, savedQueriesStoreTheirParametersByTheSameRule) {
    QueryDef setDate = database->createQueryDef(
        "SetDate", "PARAMETERS [When] Text, [Id] Text; "
                   "UPDATE Orders SET OrderDate = [When] WHERE OrderID = [Id]");
    setDate.parameter("When").value = Value("7/8/1998");
    setDate.parameter("Id").value = Value("1");
    EXPECT_EQ(setDate.execute(), 1);
    EXPECT_EQ(column("OrderDate")[0], Value("1998-07-08 00:00:00"));
    setDate.parameter("When").value = Value("never");
    EXPECT_RUNTIME_ERROR(setDate.execute(), 3421,
                         "Data type conversion error in field 'Orders.OrderDate'.");
    EXPECT_EQ(column("OrderDate")[0], Value("1998-07-08 00:00:00"));
}

// A computed column of SELECT ... INTO takes its type from its first value;
// a later value that type cannot hold leaves no table behind.
TEST_F(TypedStatements, selectIntoHoldsItsNewTableToTheTypesItGaveIt) {
    EXPECT_RUNTIME_ERROR(database->execute("SELECT OrderID, IIf(OrderID = 1, 5, 'five') AS Mixed "
                                           "INTO Copy FROM Orders ORDER BY OrderID"),
                         3421, "Data type conversion error in field 'Copy.Mixed'.");
    EXPECT_FALSE(database->tableDefs().contains("Copy"));
    EXPECT_EQ(database->execute("SELECT OrderID, OrderDate INTO Copy FROM Orders"), 2);
    EXPECT_EQ(column("OrderDate", "Copy"), column("OrderDate"));
}

// A table another tool made is typed by its declarations; its writes by SQL
// keep to them as well.
TEST_F(TypedStatements, tablesOfOtherToolsAreHeldToTheirDeclaredTypes) {
    database->connection()->exec("CREATE TABLE ext (OrderID INTEGER, Taken DATE)");
    EXPECT_EQ(database->execute("INSERT INTO ext VALUES ('7', '3/4/2021')"), 1);
    EXPECT_EQ(column("Taken", "ext"), std::vector<Value>{"2021-03-04 00:00:00"});
    EXPECT_RUNTIME_ERROR(database->execute("UPDATE ext SET OrderID = 'seven'"), 3421,
                         "Data type conversion error in field 'ext.OrderID'.");
    EXPECT_EQ(column("OrderID", "ext"), std::vector<Value>{7});
}

} // namespace

namespace {

TEST(TypedStatementsOnUserRowid, aFieldNamedRowidNeitherStopsNorMisdirectsTheConversion) {
    ScratchDatabase database;
    database->execute("CREATE TABLE Readings (rowid TEXT(10), Value LONG)");
    database->execute("INSERT INTO Readings VALUES ('same', 1)");
    database->execute("INSERT INTO Readings VALUES ('same', 2)");
    // The conversion writes back to the row that changed, not to every row
    // whose field "rowid" holds the same text.
    EXPECT_EQ(database->execute("UPDATE Readings SET Value = '7' WHERE Value = 1"), 1);
    Recordset rows = database->openRecordset("SELECT Value FROM Readings ORDER BY Value",
                                             RecordsetType::Snapshot);
    std::vector<Value> values;
    for (; !rows.eof(); rows.moveNext())
        values.push_back(rows.value(0));
    EXPECT_EQ(values, (std::vector<Value>{2, 7}));
    EXPECT_RUNTIME_ERROR(database->execute("UPDATE Readings SET Value = 'x'"), 3421,
                         "Data type conversion error in field 'Readings.Value'.");
}

} // namespace
