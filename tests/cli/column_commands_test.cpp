#include "cli_runner.h"
#include "columns/fieldize.h"
#include "columns/save_messages.h"

#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

const std::string columnMethod = "databaseProcessMethod=Use column specs on the Fieldize Text tab";
const std::string delimiterMethod = "databaseProcessMethod=Parse text using delimiter I specify";

// The readr sample: name 1-20, state 21-30, ssn 31-42, with CR LF breaks.
const std::string people = "John Smith          WA        418-Y11-4111\r\n"
                           "Mary Hartford       CA        319-Z19-4341\r\n"
                           "Evan Nolan          IL        219-532-c301\r\n";

class CliColumnsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
        cli.write("people.txt", people);
    }
    std::string query(const std::string& sql, const std::string& db = "fieldizer.mdb") {
        auto result = cli.run({"sql", "--db", db, sql});
        EXPECT_EQ(result.status, 0) << result.err;
        return result.out;
    }
    CliRunner cli;
};

TEST_F(CliColumnsTest, FieldizeLaysOutWithHeadingFromColumnOptions) {
    auto result = cli.run({"fieldize", "--column", "Name:1:10:1:20", "--column", "St:21:2:0:2",
                           "fieldizeStartLineAt=3", "--in", "people.txt"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "  Name       St\r\n"
                          "  John Smith WA\r\n"
                          "  Mary Hartf CA\r\n"
                          "  Evan Nolan IL")
        << "the final line break of the input starts no further line";
}

TEST_F(CliColumnsTest, SavingAFieldizedTextAsksWhichPositionsCount) {
    const std::vector<std::string> columns{"--column", "Name:1:20:1:20", "--column", "St:21:2:0:2"};
    std::vector<std::string> fieldize{"fieldize", "--in", "people.txt", "--out", "laid.txt"};
    fieldize.insert(fieldize.end(), columns.begin(), columns.end());
    ASSERT_EQ(cli.run(fieldize).status, 0);
    std::vector<std::string> save{"save", "--table", "people", columnMethod, "--in", "laid.txt"};
    save.insert(save.end(), columns.begin(), columns.end());

    auto result = cli.run(save);
    EXPECT_EQ(result.status, 2) << "the question needs its answer";
    EXPECT_EQ(result.err, std::string(saveMessages::laidOut) +
                              "\nanswer with --positions laid-out (Yes) or --positions original "
                              "(No)\n");
    save.insert(save.end(), {"--positions", "laid-out"});
    result = cli.run(save);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(query("select Name, St from people where St = 'IL'"),
              "Name\tSt\nEvan Nolan          \tIL\n");
    EXPECT_EQ(query("select count(*) as n from people"), "n\n3\n");
}

TEST_F(CliColumnsTest, FieldizeWithoutSpecificationsIsRefused) {
    auto result = cli.run({"fieldize", "--in", "people.txt"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, std::string(noColumnSpecsMessage) +
                              "\ngive them with --column HEADING:START:CHARS:SPACES:WIDTH "
                              "(repeated) or --settings NAME\n");
    result = cli.run({"fieldize", "--column", "bad:1:x:0:2"}, "x");
    EXPECT_EQ(result.status, 2);
}

TEST_F(CliColumnsTest, SaveCreatesTableAndAnswersTheExistingTableQuestion) {
    const std::vector<std::string> save{"save",           "--table",        "people",
                                        "--column",       "Name:1:20:0:20", "--column",
                                        "State:21:2:0:2", "--column",       "SSN:31:12:0:12",
                                        columnMethod,     "--in",           "people.txt"};
    auto result = cli.run(save);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "3 records stored in people (0 values left out)\n");
    EXPECT_EQ(query("select State, SSN from people where Name like 'mary*'"),
              "State\tSSN\nCA\t319-Z19-4341\n");

    result = cli.run(save);
    EXPECT_EQ(result.status, 2) << "an existing table needs --if-exists";
    EXPECT_NE(result.err.find("This table name (people) is already in fieldizer.mdb.  Would you "
                              "like to add to the current records?"),
              std::string::npos)
        << result.err;

    auto append = save;
    append.insert(append.end(), {"--if-exists", "append"});
    EXPECT_EQ(cli.run(append).status, 0);
    EXPECT_EQ(query("select count(*) as n from people"), "n\n6\n");
    auto replace = save;
    replace.insert(replace.end(), {"--if-exists", "replace"});
    EXPECT_EQ(cli.run(replace).status, 0);
    EXPECT_EQ(query("select count(*) as n from people"), "n\n3\n");
}

TEST_F(CliColumnsTest, SaveByDelimiterIntoAnExistingTableOfAnotherDatabase) {
    ASSERT_EQ(cli.run({"create-database", "other.mdb"}).status, 0);
    query("create table events (kind text(20), number text(10), site text(20))", "other.mdb");
    cli.write("events.txt", "Power Reactor|46521|PILGRIM|\r\nFuel Cycle||HONEYWELL|\r\n");
    const std::vector<std::string> save{
        "save",        "--table",    "EVENTS",        "--target",
        "other.mdb",   "--existing", "--connect",     ";UID=me;PWD=secret",
        "--if-exists", "append",     delimiterMethod, "databaseDelimiter=|",
        "--in",        "events.txt"};
    auto result = cli.run(save);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(query("select * from events", "other.mdb"),
              "kind\tnumber\tsite\nPower Reactor\t46521\tPILGRIM\nFuel Cycle\t\tHONEYWELL\n");

    auto missing = save;
    missing[2] = "nowhere";
    result = cli.run(missing);
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, saveMessages::tableNotIn("nowhere", "other.mdb") +
                              "\nname a table of that database with --table NAME, or leave out "
                              "--existing to create it\n");
}

TEST_F(CliColumnsTest, TooLongValuesStopOrAreSkipped) {
    const std::vector<std::string> save{"save",          "--table",    "narrow", "--column",
                                        "Name:1:20:0:4", columnMethod, "--in",   "people.txt"};
    auto result = cli.run(save);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(saveMessages::valueTooLarge("Name") +
                              "\nadd --too-long skip to leave such values out and go on\n"),
              std::string::npos)
        << result.err;
    EXPECT_NE(result.err.find("0 records stored in narrow"), std::string::npos) << result.err;

    auto skip = save;
    skip[2] = "skipping";
    skip.insert(skip.end(), {"--too-long", "skip"});
    result = cli.run(skip);
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "3 records stored in skipping (3 values left out)\n");
}

TEST_F(CliColumnsTest, AReplaceStoppedByATooLongValueKeepsTheOldRecords) {
    std::vector<std::string> save{"save",     "--table",       "people",
                                  "--column", "Name:1:20:0:4", columnMethod};
    auto result = cli.run(save, "Ann\r\nBob\r\n");
    ASSERT_EQ(result.status, 0) << result.err;
    save.insert(save.end(), {"--if-exists", "replace", "--in", "people.txt"});
    result = cli.run(save);
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find(saveMessages::oldRecordsKept("people")), std::string::npos)
        << result.err;
    EXPECT_EQ(query("select Name from people"), "Name\nAnn\nBob\n");
}

TEST_F(CliColumnsTest, TheClosingCountHasEveryValueLeftOut) {
    query("create table typed (a text(10), n long)");
    auto result = cli.run({"save", "--table", "typed", "--target", "fieldizer.mdb", "--existing",
                           "--if-exists", "append", delimiterMethod, "databaseDelimiter=;"},
                          ";1\r\nb;x\r\n");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("\n2 records stored in typed (2 values left out)\n"),
              std::string::npos)
        << result.err;
}

TEST_F(CliColumnsTest, AnEmptyTargetIsNoDatabase) {
    for (bool existing : {false, true}) {
        std::vector<std::string> save{"save", "--table", "t", "--target", "", columnMethod};
        if (existing)
            save.push_back("--existing");
        auto result = cli.run(save, "a");
        EXPECT_EQ(result.status, 2) << existing;
        EXPECT_EQ(result.err, std::string(saveMessages::noDatabase) +
                                  "\nname one with --target PATH, or the program's with --db "
                                  "PATH\n");
    }
}

TEST_F(CliColumnsTest, SaveUsageErrors) {
    EXPECT_EQ(cli.run({"save", "--column", "A:1:1:0:1", columnMethod}, "x").status, 2);
    EXPECT_EQ(cli.run({"save", "--table", "t", "--if-exists", "maybe"}, "x").status, 2);
    EXPECT_EQ(cli.run({"save", "--table", "t", "--existing"}, "x").status, 2);
    auto result = cli.run({"save", "--table", "t", "--column", "A:1:1:0:1"}, "x");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, std::string(saveMessages::noProcessMethod) +
                              "\nset databaseProcessMethod='Use column specs on the Fieldize Text "
                              "tab' or 'Parse text using delimiter I specify'\n");
}

TEST_F(CliColumnsTest, SaveHintsNameTheOptionsThatAnswer) {
    // A delimiter save into a new table still takes its field names from
    // column headings.
    auto result = cli.run({"save", "--table", "t", delimiterMethod, "databaseDelimiter=;"}, "a;b");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err.rfind(saveMessages::noColumnSpecs, 0), 0u) << result.err;
    EXPECT_NE(result.err.find("\nthe field names of a new table are the headings of --column "
                              "HEADING:START:CHARS:SPACES:WIDTH or of --settings NAME"),
              std::string::npos)
        << result.err;

    result = cli.run(
        {"save", "--table", "t", "--target", "none.mdb", "--column", "A:1:1:0:1", columnMethod},
        "a");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Could not find file 'none.mdb'.\ncreate it with fieldizer-cli "
                          "create-database none.mdb, or name another with --target\n");
    result = cli.run(
        {"save", "--table", "t", "--db", "none.mdb", "--column", "A:1:1:0:1", columnMethod}, "a");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Could not find file 'none.mdb'.\ncreate it with fieldizer-cli "
                          "create-database none.mdb, or name one with --db\n");
}

TEST_F(CliColumnsTest, SaveRefusesTheProgramsOwnTablesBeforeWritingAnything) {
    ASSERT_EQ(cli.run({"settings", "save", "Keep", "--column", "Kept:1:4:0:4"}).status, 0);
    const std::string before = query("select * from fieldize_allFields") +
                               query("select * from fieldize_settings") +
                               query("select * from fieldize_Keep");
    const std::vector<std::vector<std::string>> attempts{
        {"--table", "fieldize_allFields", "--if-exists", "replace"},
        {"--table", "FIELDIZE_SETTINGS", "--if-exists", "replace"},
        {"--table", "fieldize_Keep", "--if-exists", "append"},
        {"--table", "MSysFieldizerQueries"},
        {"--table", "sqlite_master", "--if-exists", "append"},
        {"--table", "fieldize_Keep", "--target", "fieldizer.mdb", "--existing", "--if-exists",
         "append"}};
    for (const auto& attempt : attempts) {
        std::vector<std::string> args{"save", "--column", "A:1:4:0:4", columnMethod};
        args.insert(args.end(), attempt.begin(), attempt.end());
        auto result = cli.run(args, "abcd\r\nefgh");
        EXPECT_EQ(result.status, 2) << attempt[1];
        EXPECT_EQ(result.err.rfind(saveMessages::programTable(attempt[1]) + "\n", 0), 0u)
            << result.err;
    }
    EXPECT_EQ(query("select * from fieldize_allFields") + query("select * from fieldize_settings") +
                  query("select * from fieldize_Keep"),
              before);
    EXPECT_NE(
        cli.run({"sql", "--db", "fieldizer.mdb", "select * from MSysFieldizerQueries"}).status, 0)
        << "no table of that name was created";
}

} // namespace
} // namespace fieldizer::testing
