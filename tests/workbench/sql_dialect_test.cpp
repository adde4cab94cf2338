#include "runtime_error_checks.h"
#include "sql_dialect_test_database.h"
#include "workbench/dialect/sql_dialect.h"

#include <gtest/gtest.h>

namespace fieldizer::db {
namespace {

using testing::Rows;
using testing::TestDatabase;

void expectSqlError(std::string_view sql, int number, const std::string& description) {
    SCOPED_TRACE(std::string(sql));
    EXPECT_RUNTIME_ERROR(translateAccessSql(sql), number, description);
}

// The orders of the filter prompt's examples.
class FilterExamples : public ::testing::Test {
  protected:
    void SetUp() override {
        db.query("CREATE TABLE orders (OrderID INTEGER, CustName VARCHAR(50) COLLATE NOCASE, "
                 "OrderDate DATETIME, moneyEarned DOUBLE, cashFlow DOUBLE)");
        db.query("INSERT INTO orders VALUES "
                 "(1, 'RuzovovOvovedorive', '2000-08-07 00:00:00', 150000, 50),"
                 "(2, 'Pantera', '1999-01-16 00:00:00', 99000.5, 100),"
                 "(3, 'pantomime', '2000-11-03 00:00:00', 200000, 10),"
                 "(4, 'Panda', '1998-05-01 00:00:00', 50, 500),"
                 "(150, NULL, '2001-01-01 00:00:00', NULL, 0),"
                 "(123, 'Zed', '2000-08-06 23:59:59', 100000, -5)");
    }

    std::string ids(std::string_view filter) const {
        Rows rows = db.query("SELECT OrderID FROM orders WHERE " +
                             translateAccessExpression(filter) + " ORDER BY OrderID");
        std::string list;
        for (const auto& row : rows)
            list += (list.empty() ? "" : ",") + row[0];
        return list;
    }

    TestDatabase db;
};

TEST_F(FilterExamples, everyExampleOfThePromptFilters) {
    EXPECT_EQ(ids("CustName = ''RuzovovOvovedorive'' and OrderDate >= #8/7/00# or "
                  "moneyEarned < 100000.00"),
              "1,2,4");
    EXPECT_EQ(ids("custname like ''pant*'' or OrDeRiD <> 123"), "1,2,3,4,150");
    EXPECT_EQ(ids("orderDATE between #1/16/99# And #11/3/00# OR cashFlow >= 100"), "1,2,3,4,123");
    EXPECT_EQ(ids("custName not like ''Pan*'' or orderID between 101 and 201"), "1,123,150");
}

TEST_F(FilterExamples, textCriteriaInDoubleQuotesAndLetterCase) {
    EXPECT_EQ(ids("CustName = \"ruzovovovovedorive\""), "1");
    EXPECT_EQ(ids("custname like \"PANT*\""), "2,3");
    EXPECT_EQ(ids("custname like 'pant*'"), "2,3");
    EXPECT_EQ(ids("CustName = ''"), "");
    EXPECT_EQ(ids("CustName is null"), "150");
    EXPECT_EQ(ids("not isnull(custname) and cashflow < 0"), "123");
}

TEST_F(FilterExamples, datesCompareWithStoredValues) {
    EXPECT_EQ(ids("OrderDate = #8/7/2000#"), "1");
    EXPECT_EQ(ids("OrderDate < #8/7/00#"), "2,4,123");
    EXPECT_EQ(ids("OrderDate >= #2000-08-06 12:00# and OrderDate < #2000-08-08#"), "1,123");
    EXPECT_EQ(ids("OrderDate = #7-Aug-2000#"), "1");
}

TEST_F(FilterExamples, sortTextOrdersRows) {
    Rows rows = db.query("SELECT OrderID FROM orders ORDER BY " +
                         translateAccessSort("[CustName] desc, orderid"));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0][0], "123");
    EXPECT_EQ(rows[1][0], "1");
    EXPECT_EQ(rows[2][0], "3"); // pantomime after Pantera, letter case ignored
    EXPECT_EQ(rows[5][0], "150");
}

TEST_F(FilterExamples, malformedFilterReportsTheExpression) {
    EXPECT_RUNTIME_ERROR(translateAccessExpression("CustName = = 1"), 3075,
                         "Syntax error (missing operator) in query expression 'CustName = = 1'.");
    EXPECT_RUNTIME_ERROR(translateAccessExpression("CustName \"Pan\""), 3075,
                         "Syntax error (missing operator) in query expression 'CustName \"Pan\"'.");
    EXPECT_RUNTIME_ERROR(translateAccessExpression("CustName = \"Pan"), 3075,
                         "Syntax error in string in query expression 'CustName = \"Pan'.");
    EXPECT_RUNTIME_ERROR(translateAccessExpression("OrderDate > #8/7/00"), 3075,
                         "Syntax error in date in query expression 'OrderDate > #8/7/00'.");
    EXPECT_RUNTIME_ERROR(translateAccessExpression("OrderDate > #31/31/00#"), 3075,
                         "Syntax error in date in query expression 'OrderDate > #31/31/00#'.");
    EXPECT_RUNTIME_ERROR(translateAccessExpression(""), 3075,
                         "Syntax error (missing operator) in query expression ''.");
    EXPECT_RUNTIME_ERROR(
        translateAccessSort("[CustName] sideways"), 3075,
        "Syntax error (missing operator) in query expression '[CustName] sideways'.");
}

class Statements : public ::testing::Test {
  protected:
    void SetUp() override {
        db.query("CREATE TABLE fieldize_settings (column_heading TEXT, get_data_from_column "
                 "INTEGER, number_of_characters INTEGER)");
        db.query("INSERT INTO fieldize_settings VALUES ('a', 1, 5), ('b', NULL, 3), ('c', 7, 2)");
    }
    TestDatabase db;
};

TEST_F(Statements, deleteStarFromEmptiesOrFiltersATable) {
    db.run("delete * from fieldize_settings where not isnull(get_data_from_column);");
    Rows rows = db.query("SELECT column_heading FROM fieldize_settings");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], "b");
    db.run("delete * from fieldize_settings");
    EXPECT_TRUE(db.query("SELECT * FROM fieldize_settings").empty());
    EXPECT_EQ(translateAccessSql("DELETE fieldize_settings.* FROM fieldize_settings").target,
              "fieldize_settings");
}

TEST_F(Statements, insertUpdateAndSelectRoundTrip) {
    db.run("INSERT INTO fieldize_settings (column_heading, get_data_from_column) "
           "VALUES (\"d\", 9)");
    db.run("UPDATE fieldize_settings SET number_of_characters = get_data_from_column * 2, "
           "fieldize_settings.column_heading = UCase(column_heading) WHERE column_heading = 'D'");
    EXPECT_EQ(db.value("SELECT number_of_characters & \"/\" & column_heading FROM "
                       "fieldize_settings WHERE get_data_from_column = 9"),
              "18/D");
    db.run("INSERT INTO fieldize_settings SELECT * FROM fieldize_settings WHERE "
           "column_heading = 'a'");
    EXPECT_EQ(db.value("SELECT Count(*) FROM fieldize_settings WHERE column_heading = 'A'"), "2");
}

TEST_F(Statements, kindsAndTargets) {
    auto into = translateAccessSql("SELECT * INTO newTableName FROM aTableName;");
    EXPECT_EQ(into.kind, StatementKind::SelectInto);
    EXPECT_EQ(into.target, "newTableName");
    EXPECT_EQ(into.sql, "SELECT * FROM \"aTableName\"");
    EXPECT_EQ(translateAccessSql("select 1").kind, StatementKind::Select);
    auto update = translateAccessSql("update [my table] set a = 1");
    EXPECT_EQ(update.kind, StatementKind::Action);
    EXPECT_EQ(update.target, "my table");
    EXPECT_EQ(translateAccessSql("DROP TABLE [old one]").sql, "DROP TABLE \"old one\"");
}

TEST_F(Statements, selectIntoRunsAsTheQueryOfTheNewTable) {
    auto into = translateAccessSql("SELECT column_heading AS heading INTO copy FROM "
                                   "fieldize_settings WHERE get_data_from_column > 1");
    db.query("CREATE TABLE " + quoteIdentifier(into.target) + " AS " + into.sql);
    EXPECT_EQ(db.value("SELECT heading FROM copy"), "c");
}

TEST_F(Statements, parametersBecomePlaceholders) {
    auto statement = translateAccessSql("PARAMETERS [Lowest value] Long, Heading Text(10);\n"
                                        "SELECT column_heading FROM fieldize_settings WHERE "
                                        "get_data_from_column >= [lowest VALUE] OR "
                                        "column_heading = heading ORDER BY column_heading");
    ASSERT_EQ(statement.parameters.size(), 2u);
    EXPECT_EQ(statement.parameters[0].name, "Lowest value");
    EXPECT_EQ(statement.parameters[0].type, "Long");
    EXPECT_EQ(statement.parameters[1].name, "Heading");
    EXPECT_EQ(statement.parameters[1].type, "Text");
    Rows rows = db.query(statement.sql, {"5", "a"});
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0][0], "a");
    EXPECT_EQ(rows[1][0], "c");
    expectSqlError("PARAMETERS x Long SELECT 1", 3139, "Syntax error in PARAMETER clause.");
    expectSqlError("PARAMETERS x Long, X Text; SELECT 1", 3139,
                   "Syntax error in PARAMETER clause.");
}

TEST_F(Statements, queryClauses) {
    db.query("INSERT INTO fieldize_settings VALUES ('a', 2, 1), ('c', 1, 1)");
    EXPECT_EQ(db.value("SELECT TOP 1 column_heading FROM fieldize_settings ORDER BY "
                       "number_of_characters DESC"),
              "a");
    EXPECT_EQ(db.run("SELECT DISTINCT column_heading FROM fieldize_settings").size(), 3u);
    Rows groups = db.run("SELECT column_heading, Sum(number_of_characters) AS total FROM "
                         "fieldize_settings GROUP BY column_heading HAVING Count(*) > 1 "
                         "ORDER BY column_heading");
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0], (testing::Row{"a", "6"}));
    EXPECT_EQ(groups[1], (testing::Row{"c", "3"}));
    EXPECT_EQ(db.value("SELECT TOP 50 PERCENT Count(*) FROM fieldize_settings"), "5");
    EXPECT_EQ(db.run("SELECT TOP 40 PERCENT * FROM fieldize_settings").size(), 2u);
    EXPECT_EQ(db.run("SELECT column_heading FROM fieldize_settings WHERE column_heading IN "
                     "('A', 'b') AND get_data_from_column IS NOT NULL")
                  .size(),
              2u);
    EXPECT_EQ(db.value("SELECT Count(*) FROM fieldize_settings WHERE column_heading NOT IN "
                       "(SELECT column_heading FROM fieldize_settings WHERE "
                       "number_of_characters > 2)"),
              "2");
}

TEST_F(Statements, joinsUnionsAndAliases) {
    db.query("CREATE TABLE names (n INTEGER, label TEXT)");
    db.query("INSERT INTO names VALUES (1, 'one'), (7, 'seven')");
    Rows rows = db.run("SELECT s.column_heading, [n].label FROM fieldize_settings AS s "
                       "INNER JOIN names n ON s.get_data_from_column = n.n ORDER BY 1");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (testing::Row{"c", "seven"}));
    EXPECT_EQ(db.run("SELECT column_heading FROM fieldize_settings LEFT JOIN names ON "
                     "get_data_from_column = n")
                  .size(),
              3u);
    EXPECT_EQ(db.run("SELECT label FROM names UNION SELECT column_heading FROM "
                     "fieldize_settings UNION ALL SELECT 'one' FROM names")
                  .size(),
              7u);
    EXPECT_EQ(db.run("SELECT x.c FROM (SELECT Count(*) AS c FROM names) AS x")[0][0], "2");
    EXPECT_EQ(db.run("SELECT s.column_heading FROM (fieldize_settings AS s INNER JOIN names ON "
                     "s.get_data_from_column = names.n) INNER JOIN names AS m ON m.n = names.n "
                     "WHERE m.label = 'SEVEN'")[0][0],
              "c");
}

TEST_F(Statements, unnamedExpressionsAreNamedLikeTheEngine) {
    auto statement = translateAccessSql("SELECT column_heading, 1 + 1, [t].[x], t.*, "
                                        "Len(column_heading) AS size FROM t");
    EXPECT_EQ(statement.sql, "SELECT \"column_heading\", (1 + 1) AS \"Expr1000\", \"t\".\"x\", "
                             "\"t\".*, \"Len\"(\"column_heading\") AS \"size\" FROM \"t\"");
}

TEST_F(Statements, literalsAndBracketedNamesPassThroughIntact) {
    db.query("CREATE TABLE " + quoteIdentifier("odd * & # \" ] table") + " (" +
             quoteIdentifier("a*b&c#d\"e]f") + " TEXT)");
    db.run("INSERT INTO [odd * & # \" ]] table] ([a*b&c#d\"e]]f]) VALUES "
           "(\"delete * from it; -- & #1/1/00# [x] 'q' \"\"dq\"\"\")");
    EXPECT_EQ(db.value("SELECT [a*b&c#d\"e]]f] FROM [odd * & # \" ]] table]"),
              "delete * from it; -- & #1/1/00# [x] 'q' \"dq\"");
    EXPECT_EQ(db.value("SELECT 'it''s * & # \" [y]' & \"\""), "it's * & # \" [y]");
    EXPECT_EQ(db.value("SELECT Count(*) FROM [odd * & # \" ]] table] WHERE [a*b&c#d\"e]]f] "
                       "LIKE \"delete [*] from*\""),
              "1");
}

TEST_F(Statements, textWithNulBytesAndSqlPunctuationStaysText) {
    EXPECT_EQ(db.value(std::string("SELECT Len(\"a\0b\")", 17)), "3");
    EXPECT_EQ(db.value("SELECT (\"a%\" LIKE \"a%\") & (\"ab\" LIKE \"a%\") & "
                       "(\"a_\" LIKE \"a_\")"),
              "-10-1");
    EXPECT_EQ(db.value("SELECT ':p1' & \"?\" & '@x' & \"$1\""), ":p1?@x$1");
    expectSqlError("SELECT :p1", 3075,
                   "Syntax error (missing operator) in query expression ':p1'.");
    expectSqlError("SELECT ?", 3075, "Syntax error (missing operator) in query expression '?'.");
}

TEST_F(Statements, commentsAndTrailingSemicolon) {
    EXPECT_EQ(db.value("SELECT /* why */ 5 - -3;"), "8");
    EXPECT_EQ(db.value("SELECT 5--3"), "8");
    expectSqlError("SELECT 1 /* open", 3075,
                   "Syntax error (missing operator) in query expression '1 /* open'.");
}

TEST(StatementErrors, engineNumbersAndDescriptions) {
    expectSqlError("selec x", 3129,
                   "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', "
                   "or 'UPDATE'.");
    expectSqlError("", 3129,
                   "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', "
                   "or 'UPDATE'.");
    expectSqlError("select a b from t", 3075,
                   "Syntax error (missing operator) in query expression 'a b'.");
    expectSqlError("select * from t where a = 'abc", 3075,
                   "Syntax error in string in query expression 'a = 'abc'.");
    expectSqlError("select * from t where (a = 1", 3075,
                   "Missing ), ], or Item in query expression '(a = 1'.");
    expectSqlError("select * from t where a = 1)", 3075, "Extra ) in query expression 'a = 1'.");
    expectSqlError("select * from where a = 1", 3131, "Syntax error in FROM clause.");
    expectSqlError("select * from t, ", 3131, "Syntax error in FROM clause.");
    expectSqlError("insert into t values 1", 3134, "Syntax error in INSERT INTO statement.");
    expectSqlError("insert t values (1)", 3134, "Syntax error in INSERT INTO statement.");
    expectSqlError("update t a = 1", 3144, "Syntax error in UPDATE statement.");
    expectSqlError("delete * t", 3130, "Syntax error in DELETE statement.");
    expectSqlError("delete *", 3128,
                   "Specify the table containing the records you want to "
                   "delete.");
    expectSqlError("select * from t; select 1", 3142,
                   "Characters found after end of SQL statement.");
    expectSqlError("select [a from t", 3126, "Invalid bracketing of name '[a from t'.");
    expectSqlError("select * from t order by", 3075,
                   "Syntax error (missing operator) in query expression ''.");
    expectSqlError("select * from t inner join u", 3135, "Syntax error in JOIN operation.");
    expectSqlError("select IIf(a, 1) from t", 3075,
                   "Wrong number of arguments used with function in query expression "
                   "'IIf(a, 1)'.");
}

} // namespace
} // namespace fieldizer::db
