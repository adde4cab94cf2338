// --encoding and the encoding of the input decided by its bytes: UTF-8 and
// Windows-1252 files through a command and back in their own encoding, the
// refusal of a character the program cannot hold, and UTF-8 reports laid out
// and stored with the right characters in the right columns.

#include "cli_runner.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace fieldizer::testing {
namespace {

const std::string columnMethod = "databaseProcessMethod=Use column specs on the Fieldize Text tab";

// Replace of text the input does not hold: the text comes back unchanged.
std::vector<std::string> unchanged(const std::string& in) {
    return {"replace", "replaceText=\x7F", "replaceWith=x", "--in", in};
}

// The rows of a query, straight from the file, fields joined by '|'.
std::vector<std::string> storedRows(const std::string& path, const std::string& sql) {
    std::vector<std::string> rows;
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK)
        ADD_FAILURE() << sqlite3_errmsg(db);
    while (sqlite3_step(statement) == SQLITE_ROW) {
        std::string row;
        for (int i = 0; i < sqlite3_column_count(statement); ++i) {
            const auto* text = sqlite3_column_text(statement, i);
            row += (i ? "|" : "") + std::string(text ? reinterpret_cast<const char*>(text) : "");
        }
        rows.push_back(row);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return rows;
}

class CliEncodingTest : public ::testing::Test {
  protected:
    // Runs `args` with --out and expects the output file to hold `expected`.
    void expectOutput(std::vector<std::string> args, const std::string& expected) {
        args.insert(args.end(), {"--out", "out.txt"});
        const CliResult result = cli.run(args);
        ASSERT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(cli.read("out.txt"), expected);
    }
    CliRunner cli;
};

TEST_F(CliEncodingTest, UnchangedFilesComeBackByteForByteInTheirOwnEncoding) {
    const std::vector<std::string> files{
        "Caf\xC3\xA9\r\n12\xC2\xB0"
        "C\nmixed \xE2\x82\xAC", // UTF-8
        "\xEF\xBB\xBF"
        "Caf\xC3\xA9\r\n\xC2\xA3 5",                         // UTF-8 with its mark
        "Caf\xE9\r\n\x80\x81\x9F\xA0\xB0\xFF and more\nend", // Windows-1252
        "plain ASCII\r\nwith\nmixed ends"};
    for (const std::string& bytes : files) {
        cli.write("in.txt", bytes);
        expectOutput(unchanged("in.txt"), bytes);
        const CliResult piped = cli.run({"replace", "replaceText=\x7F", "replaceWith=x"}, bytes);
        EXPECT_EQ(piped.status, 0) << piped.err;
        EXPECT_EQ(piped.out, bytes) << "standard input to standard output";
    }
}

TEST_F(CliEncodingTest, Utf8IsOneCharacterPerColumn) {
    cli.write("in.txt", "Caf\xC3\xA9  12\xC2\xB0"
                        "C");
    // The accented letter is one character: "12" stands at column 7.
    expectOutput({"delete", "deleteText=General Delete", "deleteFromCol=7", "deleteNumOfChars=2",
                  "--in", "in.txt"},
                 "Caf\xC3\xA9  \xC2\xB0"
                 "C");
    expectOutput({"replace", "replaceText=\xC3\xA9", "replaceWith=e", "--in", "in.txt"},
                 "Cafe  12\xC2\xB0"
                 "C");
}

TEST_F(CliEncodingTest, Windows1252IsReadAndWrittenAsItIs) {
    cli.write("in.txt", "Caf\xE9  12\xB0"
                        "C");
    expectOutput({"replace", "replaceText=\xC3\xA9", "replaceWith=e", "--in", "in.txt"},
                 "Cafe  12\xB0"
                 "C");
}

TEST_F(CliEncodingTest, TheOptionChoosesTheEncoding) {
    cli.write("in.txt", "Caf\xC3\xA9");
    // Read as Windows-1252, the two bytes of the é are two characters.
    expectOutput({"replace", "replaceText=\xC3\x83", "replaceWith=[A~]", "--in", "in.txt",
                  "--encoding", "windows-1252"},
                 "Caf[A~]\xA9");
    expectOutput(
        {"replace", "replaceText=\xC3\xA9", "replaceWith=e", "--in", "in.txt", "--encoding=utf-8"},
        "Cafe");
    cli.write("latin.txt", "ab\r\nCaf\xE9");
    const CliResult refused = cli.run({"replace", "replaceText=a", "replaceWith=b", "--in",
                                       "latin.txt", "--encoding", "utf-8", "--out", "o.txt"});
    EXPECT_EQ(refused.status, 1);
    EXPECT_EQ(refused.err, "latin.txt: line 2, column 4 is not UTF-8 (the byte 0xE9); read it as "
                           "Windows-1252. The file was not read.\n");
    const CliResult wrong = cli.run({"replace", "replaceText=a", "--encoding", "latin1"}, "a");
    EXPECT_EQ(wrong.status, 2);
    EXPECT_EQ(
        wrong.err,
        "fieldizer-cli replace: --encoding takes auto, utf-8 or windows-1252, not 'latin1'\n");
}

TEST_F(CliEncodingTest, ACharacterOutsideWindows1252IsRefusedWithItsPlace) {
    cli.write("cyrillic.txt", "Name\r\nab\xC3\xA9\xD0\x96");
    const CliResult result = cli.run(
        {"replace", "replaceText=a", "replaceWith=b", "--in", "cyrillic.txt", "--out", "o.txt"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "cyrillic.txt: line 2, column 4 holds the character U+0416 '\xD0\x96', "
                          "which Windows-1252 cannot hold. The program holds Western European "
                          "text; the file was not read.\n");
    EXPECT_FALSE(std::filesystem::exists(cli.file("o.txt")));
    const CliResult piped = cli.run({"replace", "replaceText=a"}, "\xF0\x9F\x98\x80");
    EXPECT_EQ(piped.status, 1);
    EXPECT_EQ(piped.err, "standard input: line 1, column 1 holds the character U+1F600 "
                         "'\xF0\x9F\x98\x80', which Windows-1252 cannot hold. The program holds "
                         "Western European text; the file was not read.\n");
    EXPECT_EQ(piped.out, "");
}

TEST_F(CliEncodingTest, ComposesWithLf) {
    cli.write("in.txt", "Caf\xC3\xA9\nna\xC3\xAFve\n");
    expectOutput({"replace", "replaceText=\xC3\xAF", "replaceWith=i", "--in", "in.txt", "--lf"},
                 "Caf\xC3\xA9\nnaive");
    cli.write("latin.txt", "Caf\xE9\nna\xEFve");
    expectOutput({"replace", "replaceText=\xC3\xAF", "replaceWith=i", "--in", "latin.txt", "--lf",
                  "--encoding", "windows-1252"},
                 "Caf\xE9\nnaive");
}

TEST_F(CliEncodingTest, ARealUtf8FileAndItsWindows1252Copy) {
    const std::string data = FIELDIZER_TEST_DATA;
    for (const char* name : {"ch_communes_snapshot.csv", "ch_communes_snapshot-windows-1252.csv"}) {
        const std::string bytes = cli.read(data + "/" + name);
        ASSERT_FALSE(bytes.empty()) << name;
        expectOutput(
            {"replace", "replaceText=\x7F", "replaceWith=x", "--in", data + "/" + name, "--lf"},
            bytes);
    }
    // "Zürich" is one character shorter than its UTF-8: the column after it
    // is where the Windows-1252 copy has it.
    expectOutput({"replace", "replaceText=\xC3\xBC", "replaceWith=ue", "--lf", "--in",
                  data + "/ch_communes_snapshot.csv"},
                 [&] {
                     std::string expected = cli.read(data + "/ch_communes_snapshot.csv");
                     expected.replace(expected.find("\xC3\xBC"), 2, "ue");
                     return expected;
                 }());
}

TEST_F(CliEncodingTest, AUtf8ReportLaidOutAndStoredInTheRightColumns) {
    ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
    cli.write("report.txt", "Caf\xC3\xA9  12\xC2\xB0"
                            "C");
    const std::vector<std::string> columns{"--column", "A:1:5:0:10", "--column", "B:7:5:0:10"};
    std::vector<std::string> fieldize{"fieldize", "--in", "report.txt"};
    fieldize.insert(fieldize.end(), columns.begin(), columns.end());
    const CliResult laid = cli.run(fieldize);
    ASSERT_EQ(laid.status, 0) << laid.err;
    EXPECT_EQ(laid.out, "A    B\r\nCaf\xC3\xA9 12\xC2\xB0"
                        "C");
    std::vector<std::string> save{"save", "--table", "weather", columnMethod, "--in", "report.txt"};
    save.insert(save.end(), columns.begin(), columns.end());
    const CliResult saved = cli.run(save);
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(storedRows(cli.file("fieldizer.mdb"), "SELECT A, B FROM weather"),
              std::vector<std::string>{"Caf\xC3\xA9 |12\xC2\xB0"
                                       "C"});
}

TEST_F(CliEncodingTest, HeadingsAndTableNamesAreStoredAsUtf8AndShownBack) {
    ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
    const CliResult saved = cli.run({"save", "--table", "Relev\xC3\xA9s\xC2\xB0", columnMethod,
                                     "--column", "Temp\xC3\xA9rature\xC2\xB0:1:4:0:10"},
                                    "12\xC2\xB0"
                                    "C");
    ASSERT_EQ(saved.status, 0) << saved.err;
    const std::string file = cli.file("fieldizer.mdb");
    EXPECT_EQ(storedRows(file, "SELECT name FROM sqlite_master WHERE name LIKE 'Relev%'"),
              std::vector<std::string>{"Relev\xC3\xA9s\xC2\xB0"});
    EXPECT_EQ(storedRows(file, "SELECT name FROM pragma_table_info('Relev\xC3\xA9s\xC2\xB0')"),
              std::vector<std::string>{"Temp\xC3\xA9rature\xC2\xB0"});
    const CliResult shown =
        cli.run({"sql", "--db", "fieldizer.mdb", "select * from [Relev\xC3\xA9s\xC2\xB0]"});
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, "Temp\xC3\xA9rature\xC2\xB0\n12\xC2\xB0"
                         "C\n");
}

TEST_F(CliEncodingTest, HelpNamesTheOption) {
    const CliResult help = cli.run({"--help"});
    EXPECT_NE(help.out.find("[--encoding auto|utf-8|windows-1252]"), std::string::npos);
    EXPECT_NE(help.out.find("The input is read by --encoding"), std::string::npos);
}

} // namespace
} // namespace fieldizer::testing
