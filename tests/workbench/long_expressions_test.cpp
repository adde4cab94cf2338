// Long expressions as users write them: a hundred and more operators in a
// row must run, with the results each operator gives on its own, while
// nesting beyond what the engine takes is refused as too complex.
#include "scratch_database.h"
#include "text_engine/database_error_numbers.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

// `first`, then `count` times `op` and `operand`.
std::string chain(const std::string& first, const std::string& op, const std::string& operand,
                  int count) {
    std::string text = first;
    for (int i = 0; i < count; ++i)
        text += op + operand;
    return text;
}

class LongExpressions : public ::testing::Test {
  protected:
    void SetUp() override {
        database->execute("CREATE TABLE t (n LONG, s TEXT(10), d DATETIME)");
        database->execute("INSERT INTO t (n, s, d) VALUES (1, 'ab', #1/1/2024#)");
    }
    // The one value a SELECT over the one row of t gives, as text.
    std::string value(const std::string& expression) {
        Recordset rows =
            database->openRecordset("SELECT " + expression + " FROM t", RecordsetType::Snapshot);
        return rows.value(0).isNull() ? "<null>" : rows.value(0).toText();
    }
    ScratchDatabase database;
};

} // namespace

TEST_F(LongExpressions, longSumsAndJoinsRun) {
    EXPECT_EQ(value(chain("1", " + ", "1", 150)), "151");
    EXPECT_EQ(value(chain("n", " + ", "n", 150)), "151");
    EXPECT_EQ(value(chain("n", " - ", "n", 120)), "-119");
    std::string joined;
    for (int i = 0; i < 150; ++i)
        joined += "ab";
    EXPECT_EQ(value(chain("s", " & ", "s", 149)), joined);
    EXPECT_EQ(value(chain("s", " + ", "'c'", 100)), "ab" + std::string(100, 'c'));
    EXPECT_EQ(value(chain("n", " * ", "2", 40)), "1099511627776");
    EXPECT_EQ(value(chain("1024", " / ", "2", 100)), value("1024 / 2 ^ 100"));
    EXPECT_EQ(value(chain("1000", " \\ ", "1", 100)), "1000");
    EXPECT_EQ(value(chain("1000", " Mod ", "7", 100)), "6");
    EXPECT_EQ(value("IIf(" + chain("n = 1", " AND ", "n = 1", 120) + ", 'all', 'not')"), "all");
    EXPECT_EQ(value("IIf(" + chain("n = 2", " OR ", "n = 2", 120) + " OR n = 1, 'one', 'none')"),
              "one");
}

// Each step of a long chain keeps what + and - do on their own: dates move
// by days, texts join and then count as the number they read as, Null
// spreads, and an operand that is no number is a type mismatch.
TEST_F(LongExpressions, eachStepOfAChainIsThatOfItsOperator) {
    EXPECT_EQ(value(chain(chain("d", " + ", "1", 100), " - ", "1", 30)), value("#3/11/2024#"));
    EXPECT_EQ(value("d - #12/31/2023# + 1 + 1"), "3");
    EXPECT_EQ(value("'1' + '2' + 3 + 0"), "15");
    EXPECT_EQ(value("'1.50' + 'x' + 'y'"), "1.5xy");
    EXPECT_EQ(value(chain("Null", " + ", "n", 100)), "<null>");
    EXPECT_EQ(value(chain("Null", " & ", "Null", 100)), "<null>");
    EXPECT_RUNTIME_ERROR(value(chain("s", " - ", "n", 100)), fieldizer::errors::typeMismatch,
                         "Type mismatch");
}

TEST_F(LongExpressions, nestingBeyondTheEnginesLimitIsTooComplex) {
    const std::string tooComplex = "Query is too complex.";
    std::string nested = "n";
    for (int i = 0; i < 150; ++i)
        nested = "(" + nested + " + 1)";
    EXPECT_RUNTIME_ERROR(value(nested), errors::tooComplex, tooComplex);
    std::string calls = "n";
    for (int i = 0; i < 60; ++i)
        calls = "Int(" + calls + ")";
    EXPECT_RUNTIME_ERROR(value(calls), errors::tooComplex, tooComplex);
}
