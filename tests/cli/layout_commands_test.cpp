// fieldizer-cli columns guess, import and export, and sql --csv, run as a
// user runs them.

#include "cli_runner.h"
#include "test_data.h"

#include <gtest/gtest.h>
#include <sstream>

namespace fieldizer::testing {
namespace {

const std::string columnMethod = "databaseProcessMethod=Use column specs on the Fieldize Text tab";

// The lines of a command's output, one argument each.
std::vector<std::string> outputLines(const std::string& out) {
    std::vector<std::string> lines;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class CliLayoutTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0); }
    std::string query(const std::string& sql) {
        auto result = cli.run({"sql", "--db", "fieldizer.mdb", sql});
        EXPECT_EQ(result.status, 0) << result.err;
        return result.out;
    }
    CliResult run(std::vector<std::string> args, const std::vector<std::string>& more) {
        args.insert(args.end(), more.begin(), more.end());
        return cli.run(args);
    }
    CliRunner cli;
};

TEST_F(CliLayoutTest, GuessedColumnsAreTakenBySaveAndSettingsSave) {
    cli.write("people.txt", "NAME        ST  NUMBER\r\n"
                            "John Smith  WA    4111\r\n"
                            "Mary Jones  CA   34341\r\n");
    const CliResult guessed = cli.run(
        {"columns", "guess", "--lines", "2-3", "--heading-line", "1", "--in", "people.txt"});
    ASSERT_EQ(guessed.status, 0) << guessed.err;
    const std::vector<std::string> columns = outputLines(guessed.out);
    EXPECT_EQ(columns,
              (std::vector<std::string>{"--column=NAME:1:4:1:4", "--column=Column2:6:5:1:5",
                                        "--column=ST:13:2:1:2", "--column=NUMBER:18:5:1:5"}))
        << "the blank inside both names parts them: a guess of positions, not of words";
    const CliResult saved = run(
        {"save", "--table", "people", columnMethod, "--in", "people.txt", "--if-exists", "append"},
        columns);
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(query("select NAME, ST, NUMBER from people where ST = 'CA'"),
              "NAME\tST\tNUMBER\nMary\tCA\t34341\n");
    ASSERT_EQ(run({"settings", "save", "people"}, columns).status, 0);
    const CliResult shown = cli.run({"settings", "show", "people"});
    for (const std::string& column : columns)
        EXPECT_NE(shown.out.find(column + "\n"), std::string::npos) << column;
}

TEST_F(CliLayoutTest, GuessRefusesLinesOutsideTheText) {
    cli.write("a.txt", "ab cd\r\nef gh");
    EXPECT_EQ(cli.run({"columns", "guess", "--lines", "3-4", "--in", "a.txt"}).status, 2);
    EXPECT_EQ(cli.run({"columns", "guess", "--heading-line", "0", "--in", "a.txt"}).status, 2);
    EXPECT_EQ(cli.run({"columns", "guess", "--in", "a.txt"}).out,
              "--column=Column1:1:2:1:2\n--column=Column2:4:2:1:2\n");
}

TEST_F(CliLayoutTest, ImportedSchemaBecomesTheWorkingSpecificationsAndExportsBack) {
    const std::string schema = readTestData("census2000_geo_schema.csv");
    cli.write("geo.csv", schema);
    const CliResult imported = cli.run({"columns", "import", "geo.csv"});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(query("select count(*) as n from fieldize_settings"), "n\n83\n");
    // The schema counts from 1; csvkit's own form written back counts from 0.
    const CliResult exported = cli.run({"columns", "export", "--format", "csvkit"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    EXPECT_EQ(outputLines(exported.out)[1], "FILEID,0,6");
    cli.write("back.csv", exported.out);
    ASSERT_EQ(cli.run({"columns", "import", "back.csv"}).status, 0);
    EXPECT_EQ(cli.run({"columns", "export", "--format", "csvkit"}).out, exported.out);
    const CliResult widths = cli.run({"columns", "export", "--format", "fieldwidths"});
    cli.write("geo.widths", widths.out);
    ASSERT_EQ(cli.run({"columns", "import", "geo.widths", "--format", "fieldwidths"}).status, 0);
    EXPECT_EQ(cli.run({"columns", "export", "--format", "fieldwidths"}).out, widths.out);
}

TEST_F(CliLayoutTest, ImportIntoASavedSetLeavesTheWorkingSpecificationsAlone) {
    ASSERT_EQ(cli.run({"settings", "save", "people", "--column", "A:1:2:1:2"}).status, 0);
    cli.write("layout.txt", "--column=Name:1:10:1:10\n--column=State:11:2:0:2\n");
    ASSERT_EQ(cli.run({"columns", "import", "layout.txt", "--settings", "people"}).status, 0);
    EXPECT_EQ(cli.run({"columns", "export", "--format", "columns", "--settings", "people"}).out,
              "--column=Name:1:10:1:10\n--column=State:11:2:0:2\n");
    EXPECT_EQ(cli.run({"columns", "export", "--format", "columns"}).out, "--column=A:1:2:1:2\n");
    EXPECT_EQ(cli.run({"columns", "import", "layout.txt", "--settings", "nobody"}).status, 2);
}

TEST_F(CliLayoutTest, AMalformedSchemaNamesItsLineAndChangesNothing) {
    cli.write("good.txt", "A:1:2:1:2\n");
    ASSERT_EQ(cli.run({"columns", "import", "good.txt", "--format", "columns"}).status, 0);
    cli.write("bad.csv", "column,start,length\na,0,5\nb,3,2\n");
    const CliResult result = cli.run({"columns", "import", "bad.csv"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Line 3: column b overlaps column a.\n");
    EXPECT_EQ(query("select column_heading from fieldize_settings"), "column_heading\nA\n");
}

TEST_F(CliLayoutTest, CreateTableIsWhatSaveCreates) {
    const CliResult statement = cli.run({"columns", "export", "--format", "create-table", "--table",
                                         "people", "--column", "Name:1:10:1:20"});
    ASSERT_EQ(statement.status, 0) << statement.err;
    cli.write("p.txt", "John Smith\r\n");
    ASSERT_EQ(cli.run({"save", "--table", "people", columnMethod, "--in", "p.txt", "--column",
                       "Name:1:10:1:20"})
                  .status,
              0);
    EXPECT_EQ(query("select sql from sqlite_master where name = 'people'"),
              "sql\n" + statement.out.substr(0, statement.out.size() - 2) + "\n")
        << "the stored statement, without the closing \";\" and line break";
}

TEST_F(CliLayoutTest, SqlCsvQuotesWhatItMust) {
    // A table Save to Database made: its text fields take the empty text.
    cli.write("x.txt", "abc\r\n");
    ASSERT_EQ(cli.run({"save", "--table", "t", columnMethod, "--in", "x.txt", "--column",
                       "a:1:1:0:20", "--column", "b:2:1:0:20", "--column", "n:3:1:0:5"})
                  .status,
              0);
    query("delete * from t");
    query("insert into t values ('plain', 'x,y', '1')");
    query("insert into t values ('say \"hi\"', 'one' & Chr(13) & Chr(10) & 'two', null)");
    query("insert into t (a, n) values ('', '3')");
    const CliResult result =
        cli.run({"sql", "--csv", "--db", "fieldizer.mdb", "select a, b, n from t order by n"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "a,b,n\r\n"
                          "\"say \"\"hi\"\"\",\"one\r\ntwo\",\r\n"
                          "plain,\"x,y\",1\r\n"
                          "\"\",,3\r\n")
        << "Null sorts first; a Null is an empty field, the empty text \"\"";
}

} // namespace
} // namespace fieldizer::testing
