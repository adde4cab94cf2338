// A query's parameters: a declared type converts the value given (a date
// compares as a date), and a name that is neither a field nor declared is a
// parameter of type Text that the query asks for like a declared one.

#include "scratch_database.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

class QueryParameters : public ::testing::Test {
  protected:
    void SetUp() override {
        database->execute("CREATE TABLE Orders (OrderID LONG, Amount CURRENCY, "
                          "OrderDate DATETIME, Customer TEXT(20))");
        database->execute("INSERT INTO Orders VALUES (1, 10, #12/30/1999#, 'Ann')");
        database->execute("INSERT INTO Orders VALUES (2, 250, #12/31/1999 11:00 PM#, 'Bob')");
        database->execute("INSERT INTO Orders VALUES (3, 75, #1/1/2000#, 'Cy')");
        database->execute("INSERT INTO Orders VALUES (4, 99, #2/15/2000#, 'Di')");
    }
    static std::vector<Value> firstColumn(QueryDef& query) {
        Recordset rows = query.openRecordset(RecordsetType::Snapshot);
        std::vector<Value> values;
        for (; !rows.eof(); rows.moveNext())
            values.push_back(rows.value(0));
        return values;
    }
    static std::vector<std::string> names(QueryDef& query) {
        std::vector<std::string> names;
        for (int i = 0; i < query.parameterCount(); ++i)
            names.push_back(query.parameter(i).name + " " + query.parameter(i).type);
        return names;
    }

    ScratchDatabase database;
};

TEST_F(QueryParameters, aDateTimeParameterComparesAsADate) {
    QueryDef since = database->createQueryDef(
        "Since", "PARAMETERS [Since] DateTime; "
                 "SELECT OrderID FROM Orders WHERE OrderDate >= [Since] ORDER BY OrderID");
    since.parameter(0).value = Value("1/1/2000");
    EXPECT_EQ(firstColumn(since), (std::vector<Value>{3, 4}));
    since.parameter(0).value = Value("12/31/1999 10:00 PM");
    EXPECT_EQ(firstColumn(since), (std::vector<Value>{2, 3, 4}));
}

TEST_F(QueryParameters, eachDeclaredTypeConvertsItsValueOrRefusesIt) {
    QueryDef typed = database->createQueryDef(
        "", "PARAMETERS n Long, c Currency, y YesNo, t Text, d Double, v Value; "
            "SELECT n, c, y, t, d, v FROM Orders WHERE OrderID = 1");
    const std::vector<std::string> given{"12", "1.23456", "Yes", "007", "2.5", "x"};
    for (int i = 0; i < typed.parameterCount(); ++i)
        typed.parameter(i).value = Value(given[std::size_t(i)]);
    Recordset row = typed.openRecordset(RecordsetType::Snapshot);
    const std::vector<Value> expected{12, 1.2346, -1, "007", 2.5, "x"};
    for (int i = 0; i < row.fieldCount(); ++i)
        EXPECT_EQ(row.value(i), expected[std::size_t(i)]) << row.field(i).name();
    typed.parameter("n").value = Value("twelve");
    EXPECT_RUNTIME_ERROR(typed.openRecordset(), 3421,
                         "Data type conversion error in parameter 'n'.");
    QueryDef remove = database->createQueryDef(
        "", "PARAMETERS [When] DateTime; DELETE FROM Orders WHERE OrderDate < [When]");
    remove.parameter(0).value = Value("soon");
    EXPECT_RUNTIME_ERROR_NUMBER(remove.execute(), 3421);
    remove.parameter(0).value = Value("1/1/2000");
    EXPECT_EQ(remove.execute(), 2);
}

TEST_F(QueryParameters, aNameThatIsNeitherAFieldNorDeclaredIsATextParameter) {
    database->createQueryDef("Big", "SELECT OrderID FROM Orders WHERE Amount > [MinAmount] "
                                    "ORDER BY OrderID");
    QueryDef big = database->queryDefs().item("Big");
    EXPECT_EQ(names(big), std::vector<std::string>{"MinAmount Text"});
    EXPECT_RUNTIME_ERROR(big.openRecordset(), 3061, "Too few parameters. Expected 1.");
    big.parameter("minamount").value = Value("80");
    EXPECT_EQ(firstColumn(big), (std::vector<Value>{2, 4}));

    QueryDef mixed = database->createQueryDef(
        "", "PARAMETERS [Since] DateTime; SELECT OrderID FROM Orders "
            "WHERE orderdate >= [Since] AND Amount > [Least] AND Customer <> Who");
    EXPECT_EQ(names(mixed), (std::vector<std::string>{"Since DateTime", "Least Text", "Who Text"}));
    EXPECT_RUNTIME_ERROR(mixed.openRecordset(), 3061, "Too few parameters. Expected 3.");
    QueryDef fieldsOnly =
        database->createQueryDef("", "SELECT customer FROM Orders WHERE AMOUNT > 5");
    EXPECT_EQ(fieldsOnly.parameterCount(), 0);
}

} // namespace
