// Access SQL that used to give wrong answers without an error: each expected
// value is worked out by hand from the engine's documented rules (dates are
// days, True is -1, Currency has four decimals ...), on the orders below.
#include "scratch_database.h"
#include "workbench/database_engine/field_type.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

class AccessSemantics : public ::testing::Test {
  protected:
    void SetUp() override {
        database->execute("CREATE TABLE Orders (ID COUNTER, OrderDate DATETIME, ShipDate "
                          "DATETIME, Qty SHORT, UnitPrice CURRENCY, Cust TEXT(20))");
        database->execute("CREATE TABLE Customers (Name TEXT(20), City TEXT(20))");
        const char* orders[] = {
            "#3/5/2024#, #3/12/2024#, 3, 19.99, 'Ann'",
            "#3/5/2024#, Null, 7, 12.49, 'Bob'",
            "#2/28/2024#, #3/1/2024#, 10, 45.5, 'Cy'",
            "#1/15/2024 15:04:05#, #1/20/2024#, 2, 9.95, 'Ann'",
        };
        for (const char* values : orders)
            database->execute(std::string("INSERT INTO Orders (OrderDate, ShipDate, Qty, "
                                          "UnitPrice, Cust) VALUES (") +
                              values + ")");
        for (const char* name : {"Ann", "Bob", "Cy", "Dee"})
            database->execute(std::string("INSERT INTO Customers VALUES ('") + name + "', 'X')");
    }

    // Every row's values as the command line prints them, "|" between fields.
    std::vector<std::string> rows(std::string_view sql) {
        Recordset recordset = database->openRecordset(sql, RecordsetType::Snapshot);
        std::vector<std::string> result;
        for (; !recordset.eof(); recordset.moveNext()) {
            std::string row;
            for (int i = 0; i < recordset.fieldCount(); ++i)
                row += (i ? "|" : "") + displayText(recordset.value(i), recordset.field(i).type());
            result.push_back(row);
        }
        return result;
    }

    std::string value(std::string_view sql) {
        auto all = rows(sql);
        return all.size() == 1 ? all[0] : "<" + std::to_string(all.size()) + " rows>";
    }

    ScratchDatabase database;
};

using Cases = std::vector<std::pair<const char*, const char*>>;

TEST_F(AccessSemantics, datesAreDaysInArithmeticAndComparison) {
    const Cases cases{
        {"SELECT ShipDate - OrderDate FROM Orders WHERE ID = 1", "7"},
        {"SELECT ShipDate - OrderDate FROM Orders WHERE ID = 3", "2"}, // 2024 is a leap year
        // 1/20 midnight less 1/15 15:04:05: 4 days and 8:55:55 (32155 s)
        {"SELECT Round(ShipDate - OrderDate, 6) FROM Orders WHERE ID = 4", "4.372164"},
        {"SELECT Nz(ShipDate - OrderDate, 0) FROM Orders WHERE ID = 2", "0"},
        {"SELECT ShipDate - OrderDate FROM Orders WHERE ID = 2", ""},
        {"SELECT #3/5/2024# + 7", "3/12/2024"},
        {"SELECT 7 + #3/5/2024#", "3/12/2024"},
        {"SELECT #3/1/2024# - 1", "2/29/2024"},
        {"SELECT #1/1/2024# - #12/25/2023#", "7"},
        {"SELECT #1/1/2024# + 0.5", "1/1/2024 12:00:00 PM"},
        {"SELECT #1/1/2024# + #6:30 PM#", "1/1/2024 6:30:00 PM"}, // a date plus a time
        {"SELECT OrderDate + 7 FROM Orders WHERE ID = 4", "1/22/2024 3:04:05 PM"},
        {"SELECT Count(*) FROM Orders WHERE ShipDate - OrderDate > 5", "1"},
        {"SELECT Count(*) FROM Orders WHERE OrderDate + 30 > #3/20/2024#", "3"},
    };
    for (const auto& [sql, expected] : cases)
        EXPECT_EQ(value(sql), expected) << sql;
}

TEST_F(AccessSemantics, trueIsMinusOneInComputedComparisonsAndLogic) {
    const Cases cases{
        {"SELECT 1 < 2", "-1"},
        {"SELECT 1 > 2", "0"},
        {"SELECT 'abc' = 'ABC'", "-1"},
        {"SELECT NOT 0", "-1"},
        {"SELECT NOT (1 < 2)", "0"},
        {"SELECT (1 < 2) AND (2 < 3)", "-1"},
        {"SELECT (1 > 2) OR (2 < 3)", "-1"},
        {"SELECT 2 BETWEEN 1 AND 3", "-1"},
        {"SELECT 'Ann' IN ('ann', 'bob')", "-1"},
        {"SELECT Null IS NULL", "-1"},
        {"SELECT 'abc' LIKE 'a*'", "-1"},
        {"SELECT (1 < 2) = True", "-1"},
        {"SELECT (1 < 2) + 1", "0"},
        {"SELECT Qty > 5 FROM Orders WHERE ID = 2", "-1"},
        // conditions still select the right rows
        {"SELECT Cust FROM Orders WHERE Qty > 5 AND NOT (Cust = 'Bob')", "Cy"},
        {"SELECT Cust FROM Orders WHERE (Qty = 7 OR Qty = 99)", "Bob"},
    };
    for (const auto& [sql, expected] : cases)
        EXPECT_EQ(value(sql), expected) << sql;
}

TEST_F(AccessSemantics, currencyIsExactToFourDecimals) {
    // 3 * 19.99 + 7 * 12.49 + 10 * 45.50 + 2 * 9.95 = 59.97 + 87.43 + 455 + 19.90
    EXPECT_EQ(value("SELECT Sum(Qty * UnitPrice) FROM Orders"), "622.3");
    EXPECT_EQ(value("SELECT 0.1 + 0.2"), "0.3");
    database->execute("UPDATE Orders SET UnitPrice = 1.23456 WHERE ID = 2");
    EXPECT_EQ(value("SELECT UnitPrice FROM Orders WHERE ID = 2"), "1.2346");
    database->execute("INSERT INTO Orders (Qty, UnitPrice) VALUES (1, -2.00004)");
    EXPECT_EQ(value("SELECT UnitPrice FROM Orders WHERE Qty = 1"), "-2");
    // the rounding is not counted as a changed row
    EXPECT_EQ(database->execute("UPDATE Orders SET UnitPrice = 5.55555 WHERE ID = 1"), 1);
}

TEST_F(AccessSemantics, aBareFieldBesideAnAggregateNeedsGroupBy) {
    EXPECT_RUNTIME_ERROR(rows("SELECT Cust, Count(*) FROM Orders"), 3122,
                         "You tried to execute a query that does not include the specified "
                         "expression 'Cust' as part of an aggregate function.");
    EXPECT_RUNTIME_ERROR(rows("SELECT Sum(Qty), Orders.Cust FROM Orders"), 3122,
                         "You tried to execute a query that does not include the specified "
                         "expression 'Orders.Cust' as part of an aggregate function.");
    EXPECT_EQ(rows("SELECT Cust, Count(*) FROM Orders GROUP BY Cust").size(), 3u);
    EXPECT_EQ(value("SELECT Count(*), Sum(Qty) FROM Orders"), "4|22");
    EXPECT_EQ(value("SELECT Count(*) FROM Orders WHERE Qty > (SELECT Min(Qty) FROM Orders)"), "3");
}

TEST_F(AccessSemantics, distinctRowAndTopWithTies) {
    const char* join = " FROM Customers INNER JOIN Orders ON Customers.Name = Orders.Cust";
    EXPECT_EQ(rows(std::string("SELECT Customers.Name") + join).size(), 4u);
    EXPECT_EQ(rows(std::string("SELECT DISTINCTROW Customers.Name") + join).size(), 3u);
    EXPECT_EQ(rows("SELECT DISTINCTROW Cust FROM Orders").size(), 4u); // one table: every row
    // two orders share the latest date: TOP 1 returns both
    EXPECT_EQ(rows("SELECT TOP 1 Cust FROM Orders ORDER BY OrderDate DESC"),
              (std::vector<std::string>{"Ann", "Bob"}));
    EXPECT_EQ(rows("SELECT TOP 3 Cust FROM Orders ORDER BY OrderDate DESC").size(), 3u);
    EXPECT_EQ(rows("SELECT TOP 1 Cust FROM Orders ORDER BY Qty").size(), 1u);
    EXPECT_EQ(rows("SELECT TOP 1 Qty * 2 AS Twice FROM Orders ORDER BY Twice"),
              (std::vector<std::string>{"4"}));
}

TEST_F(AccessSemantics, hexAndPlusOnTexts) {
    const Cases cases{
        {"SELECT Hex(255)", "FF"},
        {"SELECT Hex(16)", "10"},
        {"SELECT Hex(0)", "0"},
        {"SELECT 'A' + 'B'", "AB"},
        {"SELECT 'A' + Null", ""},
        {"SELECT Null + 1", ""},
        {"SELECT '1' + 2", "3"},
        {"SELECT '1' + '2'", "12"},
        {"SELECT Cust + '!' FROM Orders WHERE ID = 3", "Cy!"},
        {"SELECT 2147483647 + 1", "2147483648"},
    };
    for (const auto& [sql, expected] : cases)
        EXPECT_EQ(value(sql), expected) << sql;
}

// A function that fails while the rows are read is the run-time error the
// function raises, as in Access, not the engine's catch-all 3000.
TEST_F(AccessSemantics, aFunctionFailingOnTheRowsIsItsOwnRunTimeError) {
    const std::tuple<const char*, int, const char*> cases[] = {
        {"SELECT 'A' + 1", 13, "Type mismatch"},
        {"SELECT CInt('x')", 13, "Type mismatch"},
        {"SELECT CInt(Cust) FROM Orders", 13, "Type mismatch"},
        {"SELECT Left('abc', -1)", 5, "Invalid procedure call or argument"},
        {"SELECT CStr(Null)", 94, "Invalid use of Null"},
        {"SELECT CInt(40000)", 6, "Overflow"},
    };
    for (const auto& [sql, number, description] : cases) {
        try {
            rows(sql);
            ADD_FAILURE() << "no error for " << sql;
        } catch (const fieldizer::RuntimeError& error) {
            EXPECT_EQ(error.number(), number) << sql;
            EXPECT_EQ(error.description(), description) << sql;
        }
    }
}

TEST_F(AccessSemantics, datesPrintInGeneralDateForm) {
    const Cases cases{
        {"SELECT OrderDate FROM Orders WHERE ID = 1", "3/5/2024"},
        {"SELECT OrderDate FROM Orders WHERE ID = 4", "1/15/2024 3:04:05 PM"},
        {"SELECT CStr(OrderDate) FROM Orders WHERE ID = 1", "3/5/2024"},
        {"SELECT 'on ' & OrderDate FROM Orders WHERE ID = 4", "on 1/15/2024 3:04:05 PM"},
        {"SELECT Format(#1/15/2024 15:04:05#)", "1/15/2024 3:04:05 PM"},
        {"SELECT CStr(#3:04:05 AM#)", "3:04:05 AM"},
        {"SELECT #12/31/1999 23:59:59#", "12/31/1999 11:59:59 PM"},
    };
    for (const auto& [sql, expected] : cases)
        EXPECT_EQ(value(sql), expected) << sql;
    Recordset computed = database->openRecordset("SELECT OrderDate + 1 AS Next FROM Orders");
    EXPECT_EQ(computed.field(0).type(), fieldType::dateTime);
}

TEST_F(AccessSemantics, yesNoOnOffSwitchChooseAndQuantifiedComparisons) {
    const Cases cases{
        {"SELECT Yes, No, On, Off", "-1|0|-1|0"},
        {"SELECT Switch(1 > 2, 'a', 2 > 1, 'b')", "b"},
        {"SELECT Switch(1 > 2, 'a')", ""},
        {"SELECT Choose(2, 'x', 'y', 'z')", "y"},
        {"SELECT Choose(4, 'x', 'y', 'z')", ""},
        {"SELECT Cust FROM Orders WHERE Qty > ALL (SELECT Qty FROM Orders WHERE Cust = 'Ann')"
         " AND Qty < 10",
         "Bob"},
        {"SELECT Count(*) FROM Orders WHERE Qty = ANY (SELECT Qty FROM Orders WHERE Qty > 5)", "2"},
        {"SELECT Count(*) FROM Orders WHERE Qty < SOME (SELECT Qty FROM Orders)", "3"},
    };
    for (const auto& [sql, expected] : cases)
        EXPECT_EQ(value(sql), expected) << sql;
}

} // namespace
