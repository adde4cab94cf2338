// The Access functions and statements users reach for, against results
// worked out by hand from the engine's documented behaviour. Dates come back
// in the stored form "YYYY-MM-DD HH:MM:SS".
#include "sql_dialect_test_database.h"
#include "workbench/dialect/sql_dialect.h"

#include <gtest/gtest.h>

namespace fieldizer::db {
namespace {

using testing::TestDatabase;
using Cases = std::vector<std::pair<const char*, const char*>>;

class AccessFunctionValues : public ::testing::Test {
  protected:
    void expectAll(const Cases& cases) {
        for (const auto& [sql, expected] : cases)
            EXPECT_EQ(db.value(std::string("SELECT ") + sql), expected) << sql;
    }
    TestDatabase db;
};

TEST_F(AccessFunctionValues, dateAddMovesByCalendarUnits) {
    expectAll({
        {"DateAdd('m', 1, #1/31/2024#)", "2024-02-29 00:00:00"}, // the month's last day
        {"DateAdd('m', 1, #1/31/2023#)", "2023-02-28 00:00:00"},
        {"DateAdd('yyyy', -1, #2/29/2024#)", "2023-02-28 00:00:00"},
        {"DateAdd('q', 2, #11/15/2023#)", "2024-05-15 00:00:00"},
        {"DateAdd('d', 10, #2/25/2024#)", "2024-03-06 00:00:00"},
        {"DateAdd('ww', 1, #12/28/2023#)", "2024-01-04 00:00:00"},
        {"DateAdd('h', 3, #1/1/2024 23:00#)", "2024-01-02 02:00:00"},
        {"DateAdd('n', -90, #1/1/2024#)", "2023-12-31 22:30:00"},
        {"DateAdd('s', 61, #1/1/2024 10:00:00#)", "2024-01-01 10:01:01"},
        {"DateAdd('d', 1, Null)", "<null>"},
    });
}

TEST_F(AccessFunctionValues, dateDiffCountsBoundariesCrossed) {
    expectAll({
        {"DateDiff('d', #1/1/2024#, #3/1/2024#)", "60"}, // 31 + 29
        {"DateDiff('d', #1/1/2024 23:59#, #1/2/2024 00:01#)", "1"},
        {"DateDiff('m', #1/31/2024#, #2/1/2024#)", "1"},
        {"DateDiff('yyyy', #12/31/2023#, #1/1/2024#)", "1"},
        {"DateDiff('q', #3/31/2024#, #4/1/2024#)", "1"},
        {"DateDiff('ww', #1/6/2024#, #1/7/2024#)", "1"}, // Saturday to Sunday
        {"DateDiff('w', #1/1/2024#, #1/14/2024#)", "1"}, // 13 days: one whole week
        {"DateDiff('h', #1:59#, #2:01#)", "1"},
        {"DateDiff('n', #10:00#, #9:30#)", "-30"},
        {"DateDiff('s', #10:00:00#, #10:01:05#)", "65"},
    });
}

TEST_F(AccessFunctionValues, datePartsWeekdaysAndNames) {
    // 1 January 2024 was a Monday; 7 January a Sunday.
    expectAll({
        {"DatePart('q', #5/15/2024#)", "2"},
        {"DatePart('y', #3/1/2024#)", "61"},
        {"DatePart('w', #1/7/2024#)", "1"},
        {"DatePart('ww', #1/6/2024#)", "1"},
        {"DatePart('ww', #1/7/2024#)", "2"},
        {"DatePart('h', #3:04:05 PM#)", "15"},
        {"Weekday(#1/15/2024#)", "2"},
        {"Weekday(#1/15/2024#, 2)", "1"},
        {"WeekdayName(1)", "Sunday"},
        {"WeekdayName(2, True)", "Mon"},
        {"WeekdayName(1, False, 2)", "Monday"},
        {"MonthName(12)", "December"},
        {"MonthName(2, True)", "Feb"},
        {"Format(#1/7/2024#, 'ww')", "2"},
        {"Format(#5/15/2024#, 'yyyy \"Q\"q')", "2024 Q2"},
    });
}

TEST_F(AccessFunctionValues, dateSerialTimeSerialDateValueTimeValue) {
    expectAll({
        {"DateSerial(2024, 13, 1)", "2025-01-01 00:00:00"},
        {"DateSerial(2024, 3, 0)", "2024-02-29 00:00:00"},
        {"DateSerial(2024, 1, -1)", "2023-12-30 00:00:00"},
        {"DateSerial(99, 1, 1)", "1999-01-01 00:00:00"},
        {"DateSerial(5, 6, 7)", "2005-06-07 00:00:00"},
        {"TimeSerial(15, 4, 5)", "1899-12-30 15:04:05"},
        {"TimeSerial(0, 90, 0)", "1899-12-30 01:30:00"},
        {"DateValue('1/15/2024 3:04 PM')", "2024-01-15 00:00:00"},
        {"TimeValue('1/15/2024 3:04 PM')", "1899-12-30 15:04:00"},
    });
}

TEST_F(AccessFunctionValues, namedFormatsAndLiterals) {
    expectAll({
        {"Format(-1234.5, 'Currency')", "($1,234.50)"},
        {"Format(1234567.891, 'Currency')", "$1,234,567.89"},
        {"Format(0.5, 'Currency')", "$0.50"},
        {"Format(1234.5, 'Fixed')", "1234.50"},
        {"Format(1234.5, 'Standard')", "1,234.50"},
        {"Format(0.256, 'Percent')", "25.60%"},
        {"Format(Yes, 'Yes/No')", "Yes"},
        {"Format(Off, 'On/Off')", "Off"},
        {"Format(-1, 'True/False')", "True"},
        {"Yes + No + On + Off", "-2"},
    });
}

TEST_F(AccessFunctionValues, textFunctions) {
    expectAll({
        {"InStrRev('a.b.c', '.')", "4"},
        {"InStrRev('a.b.c', '.', 3)", "2"},
        {"InStrRev('abc', 'X')", "0"},
        {"InStrRev('aXa', 'x')", "0"}, // binary unless told
        {"InStrRev('aXa', 'x', -1, 1)", "2"},
        {"String(3, 'xy')", "xxx"},
        {"String(2, 65)", "AA"},
        {"StrComp('a', 'B')", "-1"},   // as the database compares text
        {"StrComp('a', 'B', 0)", "1"}, // binary: 97 > 66
        {"StrComp('abc', 'ABC', 1)", "0"},
        {"StrComp(Null, 'a')", "<null>"},
        {"StrReverse('abc')", "cba"},
        {"StrConv('hello wORLD', 3)", "Hello World"},
        {"StrConv('Mixed', 1)", "MIXED"},
        {"Chr(65) & Chr(233)", "Aé"},
        {"Asc('a')", "97"},
        {"Asc('é')", "233"},
    });
}

TEST_F(AccessFunctionValues, conversionsTestsAndNumbers) {
    expectAll({
        {"CCur(1.23456)", "1.2346"},
        {"CCur(2.00005)", "2.0"}, // halves to even
        {"CSng(1.1)", "1.1"},
        {"IsNumeric('12.5')", "-1"},
        {"IsNumeric('12x')", "0"},
        {"IsNumeric(7)", "-1"},
        {"IsDate('1/15/2024')", "-1"},
        {"IsDate('13/45/2024')", "0"},
        {"Sqr(16)", "4.0"},
        {"Rnd() >= 0 AND Rnd() < 1", "-1"},
        {"Switch(False, 1, Null, 2, True, 3)", "3"},
        {"Choose(1.6, 'a', 'b')", "b"},
    });
}

TEST_F(AccessFunctionValues, spreadAggregates) {
    db.query("CREATE TABLE v (x)");
    db.query("INSERT INTO v VALUES (2), (4), (4), (4), (5), (5), (7), (9), (NULL)");
    // mean 5, squared deviations 32 over 8 values
    EXPECT_EQ(db.value("SELECT VarP(x) FROM v"), "4.0");
    EXPECT_EQ(db.value("SELECT StDevP(x) FROM v"), "2.0");
    EXPECT_EQ(db.value("SELECT Round(Var(x), 6) FROM v"), "4.571429"); // 32 / 7
    EXPECT_EQ(db.value("SELECT StDev(x) FROM v WHERE x = 2"), "<null>");
}

TEST(AccessStatements, joinsInUpdateAndDeleteAndNamedOmissions) {
    TestDatabase db;
    db.query("CREATE TABLE Products (ProductID, Price, Name)");
    db.query("CREATE TABLE Items (ProductID, Qty, Price)");
    db.query("INSERT INTO Products VALUES (1, 2.5, 'pen'), (2, 4, 'ink')");
    db.query("INSERT INTO Items VALUES (1, 3, 0), (2, 1, 0), (3, 1, 0)");
    db.run("UPDATE Items INNER JOIN Products ON Items.ProductID = Products.ProductID "
           "SET Items.Price = Products.Price WHERE Products.Name <> 'ink'");
    EXPECT_EQ(db.run("SELECT ProductID, Price FROM Items ORDER BY ProductID"),
              (testing::Rows{{"1", "2.5"}, {"2", "0"}, {"3", "0"}}));
    db.run("DELETE Items.* FROM Items INNER JOIN Products ON Items.ProductID = "
           "Products.ProductID WHERE Products.Name = 'ink'");
    EXPECT_EQ(db.run("SELECT ProductID FROM Items ORDER BY ProductID"),
              (testing::Rows{{"1"}, {"3"}}));
    const std::pair<const char*, const char*> omitted[] = {
        {"TRANSFORM Sum(Qty) SELECT ProductID FROM Items GROUP BY ProductID PIVOT Qty",
         "TRANSFORM"},
        {"ALTER TABLE Items ALTER COLUMN Qty DOUBLE", "ALTER COLUMN"},
        {"CREATE TABLE t (id AUTOINCREMENT(100, 5))", "AUTOINCREMENT(seed, step)"},
        {"UPDATE Items LEFT JOIN Products ON Items.ProductID = Products.ProductID SET Qty = 1",
         "UPDATE over an outer join"},
    };
    for (const auto& [sql, feature] : omitted) {
        try {
            translateAccessSql(sql);
            ADD_FAILURE() << "no error for " << sql;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 3251);
            EXPECT_EQ(error.description(),
                      "This Access SQL feature is not supported: " + std::string(feature) + ".");
        }
    }
}

} // namespace
} // namespace fieldizer::db
