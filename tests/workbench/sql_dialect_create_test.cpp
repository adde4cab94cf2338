#include "runtime_error_checks.h"
#include "sql_dialect_test_database.h"
#include "workbench/dialect/sql_dialect.h"

#include <gtest/gtest.h>

namespace fieldizer::db {
namespace {

struct ExpectedType {
    const char* declared;
    int type;
    int size;
};

TEST(CreateTable, everyTypeNameGivesTheEnginesTypeAndSize) {
    const ExpectedType cases[] = {
        {"TEXT(20)", 10, 20}, {"TEXT", 10, 255},      {"CHAR(1)", 10, 1}, {"VARCHAR", 10, 255},
        {"LONG", 4, 0},       {"INTEGER", 4, 0},      {"INT", 4, 0},      {"SHORT", 3, 0},
        {"BYTE", 2, 0},       {"CURRENCY", 5, 0},     {"MONEY", 5, 0},    {"SINGLE", 6, 0},
        {"REAL", 6, 0},       {"DOUBLE", 7, 0},       {"FLOAT", 7, 0},    {"DATETIME", 8, 0},
        {"DATE", 8, 0},       {"YESNO", 1, 0},        {"BIT", 1, 0},      {"MEMO", 12, 0},
        {"LONGTEXT", 12, 0},  {"text (255)", 10, 255}};
    for (const auto& expected : cases) {
        auto statement =
            translateAccessSql(std::string("CREATE TABLE t (f ") + expected.declared + ")");
        ASSERT_EQ(statement.fields.size(), 1u) << expected.declared;
        EXPECT_EQ(statement.fields[0].type, expected.type) << expected.declared;
        EXPECT_EQ(statement.fields[0].size, expected.size) << expected.declared;
        EXPECT_FALSE(statement.fields[0].autoIncrement) << expected.declared;
    }
}

TEST(CreateTable, counterIsAnAutoIncrementedLongAndTheKey) {
    auto statement = translateAccessSql("CREATE TABLE [My Table] (ID COUNTER, Name TEXT(50) NOT "
                                        "NULL, Flag YESNO, Added DATETIME);");
    EXPECT_EQ(statement.kind, StatementKind::CreateTable);
    EXPECT_EQ(statement.target, "My Table");
    ASSERT_EQ(statement.fields.size(), 4u);
    EXPECT_EQ(statement.fields[0].name, "ID");
    EXPECT_EQ(statement.fields[0].type, 4);
    EXPECT_TRUE(statement.fields[0].autoIncrement);
    EXPECT_TRUE(statement.fields[0].primaryKey);
    EXPECT_TRUE(statement.fields[1].notNull);
    testing::TestDatabase db;
    db.query(statement.sql);
    db.run("INSERT INTO [my table] (Name, Flag, Added) VALUES ('a', True, #8/7/00#)");
    db.run("INSERT INTO [my table] (Name, Flag) VALUES ('b', False)");
    EXPECT_EQ(db.run("SELECT ID, Flag, Added FROM [My Table] WHERE Name = 'A'")[0],
              (testing::Row{"1", "-1", "2000-08-07 00:00:00"}));
    EXPECT_EQ(db.value("SELECT Max(ID) FROM [My Table]"), "2");
}

TEST(CreateTable, constraintsOnOneFieldStayWithTheField) {
    auto statement = translateAccessSql("CREATE TABLE t (a LONG, b TEXT(5) CONSTRAINT u UNIQUE, "
                                        "c LONG, CONSTRAINT pk PRIMARY KEY (a), "
                                        "CONSTRAINT two UNIQUE (a, c))");
    ASSERT_EQ(statement.fields.size(), 3u);
    EXPECT_TRUE(statement.fields[0].primaryKey);
    EXPECT_TRUE(statement.fields[1].unique);
    EXPECT_FALSE(statement.fields[2].unique);
    testing::TestDatabase db;
    db.query(statement.sql);
    db.run("INSERT INTO t VALUES (1, 'x', 1)");
    EXPECT_EQ(db.failure("INSERT INTO t VALUES (2, 'X', 2)"), "UNIQUE constraint failed: t.b");
    EXPECT_EQ(db.failure("INSERT INTO t VALUES (1, 'y', 3)"), "UNIQUE constraint failed: t.a");
}

TEST(CreateTable, malformedDefinitionsAreRefused) {
    auto refuses = [](const char* sql, int number, const char* description) {
        SCOPED_TRACE(sql);
        EXPECT_RUNTIME_ERROR(translateAccessSql(sql), number, description);
    };
    refuses("CREATE TABLE t (a TEXT(0))", 3292, "Syntax error in field definition.");
    refuses("CREATE TABLE t (a TEXT(256))", 3292, "Syntax error in field definition.");
    refuses("CREATE TABLE t (a OLEOBJECT)", 3292, "Syntax error in field definition.");
    refuses("CREATE TABLE t (a)", 3292, "Syntax error in field definition.");
    refuses("CREATE TABLE t a LONG", 3290, "Syntax error in CREATE TABLE statement.");
    refuses("CREATE TABLE t ()", 3292, "Syntax error in field definition.");
    refuses("CREATE TABLE t (a LONG, CONSTRAINT k KEY (a))", 3289,
            "Syntax error in CONSTRAINT clause.");
}

TEST(OtherDefinitions, indexesAlterAndDrop) {
    testing::TestDatabase db;
    db.query(translateAccessSql("CREATE TABLE t (a LONG, b TEXT(10))").sql);
    auto index = translateAccessSql("CREATE UNIQUE INDEX nameOfSettings ON t (b DESC) WITH "
                                    "DISALLOW NULL");
    EXPECT_EQ(index.target, "t");
    db.query(index.sql);
    auto alter = translateAccessSql("ALTER TABLE t ADD COLUMN c CURRENCY");
    ASSERT_EQ(alter.fields.size(), 1u);
    EXPECT_EQ(alter.fields[0].type, 5);
    db.query(alter.sql);
    db.run("INSERT INTO t (a, b, c) VALUES (1, 'x', 2.5)");
    EXPECT_EQ(db.failure("INSERT INTO t (a, b) VALUES (2, 'X')"), "UNIQUE constraint failed: t.b");
    db.query(translateAccessSql("DROP INDEX nameOfSettings ON t").sql);
    db.query(translateAccessSql("ALTER TABLE t DROP COLUMN c").sql);
    db.query(translateAccessSql("DROP TABLE t").sql);
    EXPECT_EQ(db.value("SELECT Count(*) FROM sqlite_master"), "0");
}

TEST(QuoteIdentifier, doublesQuotesAndRefusesNulBytes) {
    EXPECT_EQ(quoteIdentifier("a\"b"), "\"a\"\"b\"");
    EXPECT_EQ(quoteIdentifier("select"), "\"select\"");
    EXPECT_RUNTIME_ERROR_NUMBER(quoteIdentifier(std::string("a\0b", 3)), 3125);
}

TEST(DateLiterals, readAsTheEngineReadsThem) {
    auto stored = [](const char* text) { return accessDateToStorage(text).value_or("invalid"); };
    EXPECT_EQ(stored("8/7/00"), "2000-08-07 00:00:00");
    EXPECT_EQ(stored("1/16/99"), "1999-01-16 00:00:00");
    EXPECT_EQ(stored("12/31/29"), "2029-12-31 00:00:00");
    EXPECT_EQ(stored("1/1/30"), "1930-01-01 00:00:00");
    EXPECT_EQ(stored("2000-08-07"), "2000-08-07 00:00:00");
    EXPECT_EQ(stored("2000-08-07 10:30"), "2000-08-07 10:30:00");
    EXPECT_EQ(stored("8/7/2000 10:30:05 PM"), "2000-08-07 22:30:05");
    EXPECT_EQ(stored("8/7/2000 12:00 AM"), "2000-08-07 00:00:00");
    EXPECT_EQ(stored("13/1/2000"), "2000-01-13 00:00:00"); // no 13th month: day first
    EXPECT_EQ(stored("7-Aug-2000"), "2000-08-07 00:00:00");
    EXPECT_EQ(stored("August 7, 2000"), "2000-08-07 00:00:00");
    EXPECT_EQ(stored("2/29/2000"), "2000-02-29 00:00:00");
    EXPECT_EQ(stored(" 10:30 "), "1899-12-30 10:30:00");
    EXPECT_EQ(stored("2/29/2001"), "invalid");
    EXPECT_EQ(stored("13/13/2000"), "invalid");
    EXPECT_EQ(stored("8/7/00 25:00"), "invalid");
    EXPECT_EQ(stored("8/7/00 13:00 PM"), "invalid");
    EXPECT_EQ(stored("Smarch 7, 2000"), "invalid");
    EXPECT_EQ(stored(""), "invalid");
    EXPECT_EQ(stored("99999999/1/1"), "invalid");
}

} // namespace
} // namespace fieldizer::db
