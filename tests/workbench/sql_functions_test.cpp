#include "runtime_error_checks.h"
#include "sql_dialect_test_database.h"
#include "workbench/dialect/sql_dialect.h"

#include <gtest/gtest.h>
#include <regex>

namespace fieldizer::db {
namespace {

using testing::TestDatabase;

class AccessFunctions : public ::testing::Test {
  protected:
    std::string value(std::string_view accessSql) const { return db.value(accessSql); }

    // The engine's error for a function that fails while the query runs.
    void expectRunError(std::string_view accessSql, int number, const std::string& description) {
        try {
            db.run(accessSql);
            ADD_FAILURE() << "no error for " << accessSql;
        } catch (const std::runtime_error& error) {
            RuntimeError mapped = sqliteErrorFor(accessSql, error.what());
            EXPECT_EQ(mapped.number(), number);
            EXPECT_EQ(mapped.description(), description);
        }
    }

    TestDatabase db;
};

TEST_F(AccessFunctions, leftRightMidCountCharactersNotBytes) {
    EXPECT_EQ(value("SELECT Left(\"Ärger über\", 3)"), "Ärg");
    EXPECT_EQ(value("SELECT Right(\"Ärger über\", 4)"), "über");
    EXPECT_EQ(value("SELECT Mid(\"Ärger über\", 7, 2)"), "üb");
    EXPECT_EQ(value("SELECT Mid(\"Ärger über\", 7)"), "über");
    EXPECT_EQ(value("SELECT Mid(\"abc\", 9)"), "");
    EXPECT_EQ(value("SELECT Left(\"abc\", 10) & Right(\"abc\", 0)"), "abc");
    EXPECT_EQ(value("SELECT Len(\"Ärger\")"), "5");
    EXPECT_EQ(value("SELECT Len(12345)"), "5");
    EXPECT_EQ(value("SELECT Left(Null, 2)"), "<null>");
    EXPECT_EQ(value("SELECT Len(Null)"), "<null>");
}

TEST_F(AccessFunctions, letterCaseAndTrimming) {
    EXPECT_EQ(value("SELECT UCase(\"straße é ÿ\")"), "STRAßE É Ÿ");
    EXPECT_EQ(value("SELECT LCase(\"ÀÉÎ ŠŒŽ\")"), "àéî šœž");
    EXPECT_EQ(value("SELECT \"[\" & Trim(\"  a b  \") & \"|\" & LTrim(\" a \") & \"|\" & "
                    "RTrim(\" a \") & \"]\""),
              "[a b|a | a]");
}

TEST_F(AccessFunctions, choicesAndNulls) {
    EXPECT_EQ(value("SELECT IIf(1 > 2, \"yes\", \"no\")"), "no");
    EXPECT_EQ(value("SELECT IIf(Null, 1, 2)"), "2");
    EXPECT_EQ(value("SELECT Nz(Null, 5)"), "5");
    EXPECT_EQ(value("SELECT Nz(Null)"), "");
    EXPECT_EQ(value("SELECT Nz(\"x\", 5)"), "x");
    EXPECT_EQ(value("SELECT IsNull(Null)"), "-1");
    EXPECT_EQ(value("SELECT IsNull(0)"), "0");
}

TEST_F(AccessFunctions, valReadsTheLeadingNumber) {
    EXPECT_EQ(value("SELECT Val(\"  1615 198th Street\")"), "1615198.0");
    EXPECT_EQ(value("SELECT Val(\"-2.5e2x\")"), "-250.0");
    EXPECT_EQ(value("SELECT Val(\"&HFF\")"), "255.0");
    EXPECT_EQ(value("SELECT Val(\"abc\")"), "0.0");
    EXPECT_EQ(value("SELECT Val(\".\")"), "0.0");
}

TEST_F(AccessFunctions, inStrFindsWithoutRegardToCase) {
    EXPECT_EQ(value("SELECT InStr(\"Fieldizer\", \"IZ\")"), "6");
    EXPECT_EQ(value("SELECT InStr(6, \"ääbää\", \"Ä\")"), "0");
    EXPECT_EQ(value("SELECT InStr(2, \"ääbää\", \"ä\")"), "2");
    EXPECT_EQ(value("SELECT InStr(1, \"abcABC\", \"C\", 0)"), "6");
    EXPECT_EQ(value("SELECT InStr(\"abc\", \"\")"), "1");
    EXPECT_EQ(value("SELECT InStr(\"abc\", Null)"), "<null>");
}

TEST_F(AccessFunctions, datesAndTimes) {
    std::regex stamp(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})");
    EXPECT_TRUE(std::regex_match(value("SELECT Now()"), stamp));
    std::string today = value("SELECT Date()");
    EXPECT_TRUE(std::regex_match(today, stamp));
    EXPECT_EQ(today.substr(10), " 00:00:00");
    EXPECT_EQ(value("SELECT Year(#8/7/00#) & \"-\" & Month(#8/7/00#) & \"-\" & Day(#8/7/00#)"),
              "2000-8-7");
    EXPECT_EQ(value("SELECT Hour(#10:30:15 PM#) * 10000 + Minute(#10:30:15 PM#) * 100 + "
                    "Second(#10:30:15 PM#)"),
              "223015");
}

TEST_F(AccessFunctions, conversionsRoundHalvesToEven) {
    EXPECT_EQ(value("SELECT Round(2.5) & \"/\" & Round(3.5) & \"/\" & Round(-2.5) & \"/\" & "
                    "Round(1.25, 1) & \"/\" & Round(Null)"),
              "2/4/-2/1.2/");
    EXPECT_EQ(value("SELECT CInt(2.5) & \"/\" & CLng(\"7.5\") & \"/\" & CDbl(\"1.5\") & "
                    "\"/\" & CStr(12) & \"/\" & CBool(5)"),
              "2/8/1.5/12/-1");
    EXPECT_EQ(value("SELECT Int(-2.5) & \"/\" & Fix(-2.5) & \"/\" & Sgn(-3) & \"/\" & "
                    "\"[\" & Space(2) & \"]\" & Str(5) & Str(-5)"),
              "-3/-2/-1/[  ] 5-5");
    EXPECT_EQ(value("SELECT CDate(\"8/7/00 1:05 PM\")"), "2000-08-07 13:05:00");
    EXPECT_EQ(value("SELECT CDate(36745.5)"), "2000-08-07 12:00:00");
    expectRunError("SELECT CInt(40000)", 6, "Overflow");
    expectRunError("SELECT CDbl(\"abc\")", 13, "Type mismatch");
    expectRunError("SELECT CStr(Null)", 94, "Invalid use of Null");
}

TEST_F(AccessFunctions, formatDatesAndNumbers) {
    EXPECT_EQ(value("SELECT Format(#8/7/00 13:05:09#, \"yyyy-mm-dd hh:nn:ss\")"),
              "2000-08-07 13:05:09");
    EXPECT_EQ(value("SELECT Format(#8/7/00 13:05:09#, \"m/d/yy h:mm AM/PM\")"), "8/7/00 1:05 PM");
    EXPECT_EQ(value("SELECT Format(#8/7/00#, \"dddd, mmmm d\")"), "Monday, August 7");
    EXPECT_EQ(value("SELECT Format(#8/7/00#, \"Short Date\")"), "8/7/2000");
    EXPECT_EQ(value("SELECT Format(#8/7/00 13:05#, \"General Date\")"), "8/7/2000 1:05:00 PM");
    EXPECT_EQ(value("SELECT Format(1234567.891, \"#,##0.00\")"), "1,234,567.89");
    EXPECT_EQ(value("SELECT Format(0.5, \"0.0%\")"), "50.0%");
    EXPECT_EQ(value("SELECT Format(-3, \"$0.00\")"), "-$3.00");
    EXPECT_EQ(value("SELECT Format(1234.5, \"Standard\") & \"|\" & Format(0, \"Yes/No\")"),
              "1,234.50|No");
    EXPECT_EQ(value("SELECT Format(\"MiXed\", \">\")"), "MIXED");
    EXPECT_EQ(value("SELECT Format(12)"), "12");
    expectRunError("SELECT Format(\"text\", \"0.00\")", 5, "Invalid procedure call or argument");
}

TEST_F(AccessFunctions, concatenationTreatsNullAsEmpty) {
    EXPECT_EQ(value("SELECT \"a\" & Null & \"b\""), "ab");
    EXPECT_EQ(value("SELECT Null & Null"), "<null>");
    EXPECT_EQ(value("SELECT 1 & 2.5 & 3.0"), "12.53");
    EXPECT_EQ(value("SELECT 2 + 3 & 4"), "54");
}

TEST_F(AccessFunctions, likeWildcards) {
    auto like = [&](const char* text, const char* pattern) {
        return value(std::string("SELECT \"") + text + "\" LIKE \"" + pattern + "\"");
    };
    EXPECT_EQ(like("Pantera", "pant*"), "-1");
    EXPECT_EQ(like("Pantera", "*ter?"), "-1");
    EXPECT_EQ(like("Pantera", "*ter"), "0");
    EXPECT_EQ(like("a1b", "a#b"), "-1");
    EXPECT_EQ(like("axb", "a#b"), "0");
    EXPECT_EQ(like("b", "[a-c]"), "-1");
    EXPECT_EQ(like("d", "[a-c]"), "0");
    EXPECT_EQ(like("d", "[!a-c]"), "-1");
    EXPECT_EQ(like("a*c", "a[*]c"), "-1");
    EXPECT_EQ(like("abc", "a[*]c"), "0");
    EXPECT_EQ(like("Élan", "é*"), "-1");
    EXPECT_EQ(like("", "*"), "-1");
    EXPECT_EQ(like("aaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*c"), "0");
    EXPECT_EQ(value("SELECT Null LIKE \"*\""), "<null>");
    EXPECT_EQ(value("SELECT \"x\" NOT LIKE \"y*\""), "-1");
    expectRunError("SELECT \"a\" LIKE \"[a\"", 93, "Invalid pattern string");
}

TEST_F(AccessFunctions, operatorsFollowTheEnginesRules) {
    EXPECT_EQ(value("SELECT 7 / 2"), "3.5");
    EXPECT_EQ(value("SELECT 7 \\ 2"), "3");
    EXPECT_EQ(value("SELECT 7.6 \\ 2"), "4");
    EXPECT_EQ(value("SELECT 17 Mod 5"), "2");
    EXPECT_EQ(value("SELECT 1 + 2 * 3 - 4 / 2"), "5.0");
    EXPECT_EQ(value("SELECT -2 ^ 2"), "-4.0");
    EXPECT_EQ(value("SELECT 2 ^ 3 ^ 2"), "64.0");
    EXPECT_EQ(value("SELECT True & \"/\" & False"), "-1/0");
    EXPECT_EQ(value("SELECT \"abc\" = \"ABC\""), "-1");
    EXPECT_EQ(value("SELECT \"abc\" <> \"ABD\""), "-1");
    EXPECT_EQ(value("SELECT Not (1 = 1) Or 2 Between 1 And 3 And 3 In (1, 2)"), "0");
    EXPECT_EQ(value("SELECT 2 Not Between 3 And 4"), "-1");
}

TEST_F(AccessFunctions, errorsHaveTheEnginesNumbers) {
    expectRunError("SELECT Left(\"abc\", -1)", 5, "Invalid procedure call or argument");
    expectRunError("SELECT Mid(\"abc\", 0)", 5, "Invalid procedure call or argument");
    expectRunError("SELECT Mid(\"abc\", Null)", 94, "Invalid use of Null");
    expectRunError("SELECT Left(\"abc\", \"x\")", 13, "Type mismatch");
    expectRunError("SELECT Year(\"soon\")", 13, "Type mismatch");
    // A function the dialect does not know is refused before SQLite sees it.
    EXPECT_RUNTIME_ERROR(translateAccessSql("SELECT NoSuchThing(1)"), 3085,
                         "Undefined function 'NoSuchThing' in expression.");
    expectRunError("SELECT nosuch FROM sqlite_master", 3061, "Too few parameters. Expected 1.");
    expectRunError("SELECT * FROM [no table]", 3078,
                   "The Microsoft Jet database engine cannot find the input table or query 'no "
                   "table'.  Make sure it exists and that its name is spelled correctly.");
}

TEST(SqliteErrorMapping, syntaxErrorsByStatementKind) {
    const std::string message = "near \"x\": syntax error";
    EXPECT_EQ(sqliteErrorFor("SELECT x", message).number(), 3141);
    EXPECT_EQ(sqliteErrorFor("PARAMETERS a Long; insert into t", message).number(), 3134);
    EXPECT_EQ(sqliteErrorFor("update t", message).description(),
              "Syntax error in UPDATE statement.");
    EXPECT_EQ(sqliteErrorFor("delete from t", message).number(), 3130);
    EXPECT_EQ(sqliteErrorFor("create table t", message).number(), 3290);
    EXPECT_EQ(sqliteErrorFor("create index i", message).number(), 3291);
    EXPECT_EQ(sqliteErrorFor("drop table t", message).number(), 3295);
    EXPECT_EQ(sqliteErrorFor("[bad", message).number(), 3129);
    EXPECT_EQ(sqliteErrorFor("create table t", "table t already exists").description(),
              "Table 't' already exists.");
}

} // namespace
} // namespace fieldizer::db
