#include "sql_dialect_test_database.h"
#include "workbench/dialect/sql_dialect.h"
#include "workbench/functions/sql_functions_text.h"

#include <array>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace fieldizer::db {
namespace {

const std::vector<std::string> validStatements = {
    "delete * from fieldize_settings where not isnull(get_data_from_column);",
    "SELECT * INTO newTableName FROM aTableName;",
    "SELECT TOP 5 a, b & \"x\" AS c FROM t WHERE d >= #8/7/00# ORDER BY a DESC",
    "SELECT DISTINCT a FROM t WHERE a LIKE 'pa[!n]?#*' OR b IN (1, 2, 3) OR c IS NOT NULL",
    "PARAMETERS [Start Date] DateTime, x Text(10); SELECT * FROM t WHERE d > [start date]",
    "SELECT a, Count(*) AS n FROM t GROUP BY a HAVING Count(*) > 1",
    "SELECT s.a, u.b FROM t AS s INNER JOIN t AS u ON s.a = u.a WHERE s.b Between 1 And 9",
    "INSERT INTO t (a, b) VALUES (\"it's\", 'say \"\"hi\"\"')",
    "UPDATE t SET a = Left(b, 2) & Mid(b, 3, 1), b = IIf(a Mod 2 = 0, True, False) WHERE a <> 0",
    "CREATE TABLE x (id COUNTER, name TEXT(50) NOT NULL, m MEMO, f YESNO, d DATETIME)",
    "SELECT a FROM t UNION ALL SELECT b FROM t ORDER BY 1",
    "SELECT 7 \\ 2, -2 ^ 2, Nz(a, 0) + Val(\"12abc\") FROM t",
    "SELECT [we*ird]] & name] FROM [ta#ble] WHERE [we*ird]] & name] = \"delete * from\"",
    "SELECT a FROM t WHERE EXISTS (SELECT * FROM t AS u WHERE u.a = t.a)",
    "SELECT TOP 10 PERCENT a FROM t ORDER BY b",
    "CREATE UNIQUE INDEX i ON t (a DESC, b)",
    "ALTER TABLE t ADD COLUMN z CURRENCY",
    "DROP TABLE t",
};

// Every input either translates or fails with RuntimeError; the translation,
// if any, goes to SQLite's parser too.
class Survivor {
  public:
    Survivor() {
        db_.query("CREATE TABLE t (a, b, c, d)");
        db_.query("CREATE TABLE fieldize_settings (get_data_from_column)");
        db_.query("CREATE TABLE aTableName (a)");
        db_.query("CREATE TABLE " + quoteIdentifier("ta#ble") + " (" +
                  quoteIdentifier("we*ird] & name") + ")");
    }

    void feed(const std::string& input) {
        try {
            prepare(translateAccessSql(input).sql);
            ++translated;
        } catch (const RuntimeError&) {
            ++refused;
        }
        try {
            prepare("SELECT * FROM t WHERE " + translateAccessExpression(input));
        } catch (const RuntimeError&) {
        }
        try {
            prepare("SELECT * FROM t ORDER BY " + translateAccessSort(input));
        } catch (const RuntimeError&) {
        }
    }

    bool prepares(const std::string& sql) const {
        sqlite3_stmt* statement = nullptr;
        int rc =
            sqlite3_prepare_v2(db_.handle(), sql.c_str(), int(sql.size()), &statement, nullptr);
        sqlite3_finalize(statement);
        return rc == SQLITE_OK;
    }

    int translated = 0;
    int refused = 0;

  private:
    void prepare(const std::string& sql) const { prepares(sql); }
    testing::TestDatabase db_;
};

std::string randomBytes(std::mt19937& random, std::size_t length, bool sqlLike) {
    static const std::string alphabet = "abcdeSELCTFROMWHEREandornotlike \t\r\n\"'[]#*?&()"
                                        ",;.!=<>+-/\\^0123456789:";
    std::string text;
    for (std::size_t i = 0; i < length; ++i) {
        if (sqlLike)
            text.push_back(alphabet[random() % alphabet.size()]);
        else
            text.push_back(static_cast<char>(random() % 256));
    }
    return text;
}

std::string mutate(std::mt19937& random, std::string text) {
    int edits = 1 + int(random() % 4);
    for (int e = 0; e < edits; ++e) {
        std::size_t at = text.empty() ? 0 : random() % (text.size() + 1);
        switch (random() % 4) {
        case 0: // insert a byte
            text.insert(text.begin() + long(at), static_cast<char>(random() % 256));
            break;
        case 1: // cut a run
            text.erase(std::min(at, text.size()), random() % 8);
            break;
        case 2: // repeat a run
            if (at < text.size())
                text.insert(at, text.substr(at, random() % 12));
            break;
        default: // splice in a piece of another statement
            const std::string& other = validStatements[random() % validStatements.size()];
            text.insert(at, other.substr(random() % other.size(), random() % 16));
        }
    }
    return text;
}

TEST(DialectFuzz, validStatementsTranslateToSqlThatSqlitePrepares) {
    Survivor survivor;
    for (const auto& statement : validStatements) {
        TranslatedStatement translated = translateAccessSql(statement);
        EXPECT_TRUE(survivor.prepares(translated.sql)) << statement << "\n" << translated.sql;
    }
}

TEST(DialectFuzz, arbitraryBytesNeverCrashTheTranslator) {
    Survivor survivor;
    for (unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        for (int i = 0; i < 10000; ++i)
            survivor.feed(randomBytes(random, random() % 96, i % 2 == 0));
    }
    EXPECT_GT(survivor.refused, 20000);
}

TEST(DialectFuzz, mutatedStatementsNeverCrashTheTranslator) {
    Survivor survivor;
    for (unsigned seed : {11u, 12u, 13u}) {
        std::mt19937 random(seed);
        for (int i = 0; i < 10000; ++i)
            survivor.feed(mutate(random, validStatements[random() % validStatements.size()]));
    }
    // Many mutations keep a statement valid, many break it: both paths ran.
    EXPECT_GT(survivor.translated, 1000);
    EXPECT_GT(survivor.refused, 1000);
}

TEST(DialectFuzz, deepNestingAndHugeInputAreRefusedNotOverflowed) {
    auto refusesAsTooComplex = [](const std::string& sql) {
        try {
            translateAccessSql(sql);
            ADD_FAILURE() << "accepted " << sql.substr(0, 40);
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.number(), 3360) << error.description().substr(0, 80);
            EXPECT_EQ(error.description().substr(0, 80), "Query is too complex.");
        }
    };
    refusesAsTooComplex("SELECT " + std::string(100000, '(') + "1" + std::string(100000, ')'));
    refusesAsTooComplex("SELECT " + std::string(100000, '-') + "1");
    std::string nots;
    for (int i = 0; i < 50000; ++i)
        nots += "NOT ";
    refusesAsTooComplex("SELECT * FROM t WHERE " + nots + "a");
    refusesAsTooComplex("SELECT * FROM " + std::string(100000, '(') + "t");
    refusesAsTooComplex("SELECT 2 ^ " + std::string(100000, '-') + "2");
    refusesAsTooComplex("SELECT '" + std::string(2 << 20, 'x') + "'");
    EXPECT_NO_THROW(
        translateAccessSql("SELECT " + std::string(100, '(') + "1" + std::string(100, ')')));
}

TEST(FunctionFuzz, likeMatcherAgreesWithItselfOnArbitraryText) {
    std::mt19937 random(21);
    static const std::string pieces[] = {"a",    "B", "*",     "?",   "#",        "[",
                                         "]",    "!", "-",     "1",   "\xC3\xA9", "\xC3",
                                         "\xFF", "z", "[a-c]", "[!x]"};
    int matched = 0;
    for (int i = 0; i < 20000; ++i) {
        std::string pattern, value;
        for (std::size_t k = random() % 10; k > 0; --k)
            pattern += pieces[random() % std::size(pieces)];
        for (std::size_t k = random() % 12; k > 0; --k)
            value += pieces[random() % std::size(pieces)];
        auto result = access_text::likeMatches(value, pattern);
        if (result && *result)
            ++matched;
        // A pattern of the value's own characters, each in brackets, matches it.
        std::string exact;
        for (char32_t c : access_text::decode(value))
            exact += c == ']' || c == '!' ? std::string("?") : "[" + access_text::encode({c}) + "]";
        EXPECT_EQ(access_text::likeMatches(value, exact), std::optional<bool>(true)) << value;
        EXPECT_EQ(access_text::likeMatches(value, "*"), std::optional<bool>(true));
    }
    EXPECT_GT(matched, 100);
}

TEST(FunctionFuzz, functionsTakeAnyArguments) {
    testing::TestDatabase db;
    std::mt19937 random(31);
    static const std::string values[] = {"Null",    "0",
                                         "-1",      "1",
                                         "2.5",     "1e300",
                                         "-9e18",   "''",
                                         "'abc'",   "'\xC3\xA4\xFF\x80x'",
                                         "X'00FF'", "'  12 3e'",
                                         "'&H'",    "'&HFFFFFFFFFFFFFFFFFFFF'"};
    static const char* calls[] = {"\"left\"(%, %)",
                                  "\"right\"(%, %)",
                                  "mid(%, %)",
                                  "mid(%, %, %)",
                                  "len(%)",
                                  "ucase(%)",
                                  "lcase(%)",
                                  "trim(%)",
                                  "val(%)",
                                  "instr(%, %)",
                                  "instr(%, %, %, %)",
                                  "nz(%)",
                                  "iif(%, %, %)",
                                  "year(%)",
                                  "access_like(%, %)",
                                  "access_concat(%, %)",
                                  "access_concat(%, %, %)",
                                  "access_add_sub(%, '+', %, '-', %)",
                                  "format(%, %)",
                                  "round(%, %)",
                                  "cint(%)",
                                  "cdate(%)",
                                  "space(%)",
                                  "str(%)",
                                  "format(%, '0.' || %)",
                                  "power(%, %)"};
    int failures = 0;
    for (int i = 0; i < 5000; ++i) {
        std::string sql = "SELECT ";
        for (const char* c = calls[random() % std::size(calls)]; *c; ++c)
            sql += *c == '%' ? values[random() % std::size(values)] : std::string(1, *c);
        try {
            db.query(sql);
        } catch (const std::runtime_error& error) {
            ++failures; // an engine error by message, never a crash
            RuntimeError mapped = sqliteErrorFor(sql, error.what());
            EXPECT_TRUE(mapped.number() == 5 || mapped.number() == 6 || mapped.number() == 13 ||
                        mapped.number() == 93 || mapped.number() == 94)
                << sql << ": " << error.what();
        }
    }
    EXPECT_GT(failures, 100);
}

} // namespace
} // namespace fieldizer::db
