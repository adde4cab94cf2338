#include "cli_runner.h"
#include "settings/settings_messages.h"

#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

// A scratch folder holding a fresh program database, fieldizer.mdb.
class CliSettings : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0); }

    CliResult settings(std::vector<std::string> args) {
        args.insert(args.begin(), "settings");
        return cli.run(args);
    }
    std::string specRows(const std::string& table) {
        return cli
            .run({"sql", "--db", "fieldizer.mdb",
                  "select column_heading, get_data_from_column, number_of_characters, "
                  "spaces_b4_next_column, field_width from " +
                      table})
            .out;
    }

    CliRunner cli;
};

// What the command line adds to a missing program database's error.
std::string createHint(const std::string& path) {
    return "create it with fieldizer-cli create-database " + path + ", or name one with --db\n";
}

// The working table's field names, and a saved copy's (printed as the table
// spells them, whatever letter case the query uses).
const std::string specHeader = "column_heading\tget_data_from_column\tnumber_of_characters\t"
                               "spaces_b4_next_column\tfield_width\n";
const std::string copyHeader = "Column_heading\tGet_data_from_column\tNumber_of_characters\t"
                               "Spaces_B4_next_column\tField_width\n";

// What `show` prints for a fresh window's values, line by line in stored order.
std::vector<std::string> defaultLines() {
    return {"startLineAfter=",
            "textToMove=",
            "moveSpecificText=",
            "moveFromCol=1",
            "moveNumOfChars=1",
            "moveToCol=1",
            "moveEndOfLine=0",
            "moveOptions=Omit spaces",
            "moveSpaces=1",
            "movePlaceSpaces=Both sides",
            "moveAfterProcess=1",
            "moveAfterProcessShow=0",
            "addText=",
            "addIfContains=",
            "addAtCol=1",
            "addEndOfLine=0",
            "addOptions=Omit spaces",
            "addSpaces=1",
            "addPlaceSpaces=Both sides",
            "addAfterProcess=1",
            "addAfterProcessShow=0",
            "replaceText=",
            "replaceSpecificText=",
            "replaceAtCol=1",
            "replaceNumOfChars=1",
            "replaceWith=",
            "replaceEndOfLine=0",
            "replaceAfterProcess=1",
            "replaceAfterProcessShow=0",
            "deleteText=",
            "deleteSpecificText=",
            "deleteFromCol=1",
            "deleteNumOfChars=1",
            "deleteEndOfLine=0",
            "deleteOptions=Omit spaces",
            "deleteSpaces=1",
            "deleteAfterProcess=1",
            "deleteAfterProcessShow=0",
            "formatCreate=New line",
            "formatDelimiter=",
            "formatLineStart=No",
            "formatSpacesBetweenCols=1",
            "formatAddText=Omit text",
            "formatTextToAdd=",
            "formatAddFromCol=1",
            "formatNumOfChars=1",
            "formatFirstSection=Yes",
            "formatOptions=Omit spaces",
            "formatPlaceSpaces=Both sides",
            "formatSpaces=1",
            "formatAfterProcess=1",
            "formatAfterProcessShow=0",
            "fieldizeStartLineAt=1",
            "fieldizeAfterProcess=1",
            "fieldizeAfterProcessShow=0",
            "databaseProcessMethod=",
            "databaseDelimiter="};
}

std::string joined(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\n";
    return text;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
        lines.push_back(text.substr(start, end - start));
    return lines;
}

TEST_F(CliSettings, AFreshSetShowsTheDefaultsInStoredOrder) {
    auto result = settings({"save", "plain"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    result = settings({"show", "plain"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, joined(defaultLines()));
}

TEST_F(CliSettings, GivenKeysAreStoredAndShownEscaped) {
    auto result = settings({"save", "Monthly", "moveFromCol=12", "moveEndOfLine=1",
                            "startLineAfter=80", "replaceWith=a\\tb\\r\\nc\\\\d", "addText="});
    ASSERT_EQ(result.status, 0) << result.err;
    std::vector<std::string> expected = defaultLines();
    expected[0] = "startLineAfter=80";
    expected[3] = "moveFromCol=12";
    expected[6] = "moveEndOfLine=1";
    expected[25] = "replaceWith=a\\tb\\r\\nc\\\\d";
    EXPECT_EQ(settings({"show", "Monthly"}).out, joined(expected));
}

// Each shown line is one argument, as `mapfile -t` hands them on; the column
// specifications come last, as --column=... lines.
TEST_F(CliSettings, ShownLinesSaveBackToTheSameSet) {
    ASSERT_EQ(settings({"save", "first", "addIfContains=x\\r\\ny", "formatDelimiter=\\t",
                        "textToMove=C:\\\\dir", "addAtCol=7", "--column", "Name:X:1:20:1:20",
                        "--column", "Empty::::"})
                  .status,
              0);
    const std::string shown = settings({"show", "first"}).out;
    EXPECT_NE(shown.find("\n--column=Name:X:1:20:1:20\n--column=Empty::::\n"), std::string::npos)
        << shown;
    std::vector<std::string> args{"save", "second"};
    for (const std::string& line : linesOf(shown))
        args.push_back(line);
    auto result = settings(args);
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(settings({"show", "second"}).out, shown);
    EXPECT_NE(shown.find("textToMove=C:\\\\dir\n"), std::string::npos) << shown;
    EXPECT_EQ(specRows("fieldize_second"), specRows("fieldize_first"));
}

TEST_F(CliSettings, ListPrintsNamesInOrderOnePerLine) {
    EXPECT_EQ(settings({"list"}).out, "");
    for (const char* name : {"zeta", "Alpha", "beta"})
        ASSERT_EQ(settings({"save", name}).status, 0);
    auto result = settings({"list"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Alpha\nbeta\nzeta\n");
}

TEST_F(CliSettings, ColumnsBecomeTheSetsSpecifications) {
    auto result =
        settings({"save", "cols", "--column", "Name:X:1:20:1:20", "--column", "State:21:10:0:10"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(specRows("fieldize_cols"),
              copyHeader + "Name:X\t1\t20\t1\t20\nState\t21\t10\t0\t10\n");
    EXPECT_EQ(specRows("fieldize_settings"),
              specHeader + "Name:X\t1\t20\t1\t20\nState\t21\t10\t0\t10\n")
        << "they are the working specifications now";
}

TEST_F(CliSettings, WithoutColumnsTheWorkingTableIsUsedAsItIs) {
    ASSERT_EQ(cli.run({"sql", "--db", "fieldizer.mdb",
                       "insert into fieldize_settings values ('Id', 1, 4, 2, 4)"})
                  .status,
              0);
    ASSERT_EQ(settings({"save", "working"}).status, 0);
    EXPECT_EQ(specRows("fieldize_working"), copyHeader + "Id\t1\t4\t2\t4\n");
}

TEST_F(CliSettings, SavingAgainOverwritesValuesAndSpecifications) {
    ASSERT_EQ(settings({"save", "set", "addText=old", "--column", "A:1:1:0:1"}).status, 0);
    auto result = settings({"save", "SET", "addText=new", "--column", "B:2:2:0:2"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(settings({"list"}).out, "SET\n");
    EXPECT_NE(settings({"show", "set"}).out.find("\naddText=new\n"), std::string::npos);
    EXPECT_EQ(specRows("fieldize_set"), copyHeader + "B\t2\t2\t0\t2\n");
}

TEST_F(CliSettings, SavingAgainWithoutColumnsKeepsTheCopyWhenTheWorkingTableIsEmpty) {
    ASSERT_EQ(settings({"save", "set", "--column", "A:1:1:0:1"}).status, 0);
    ASSERT_EQ(cli.run({"sql", "--db", "fieldizer.mdb", "delete * from fieldize_settings"}).status,
              0);
    ASSERT_EQ(settings({"save", "set"}).status, 0);
    EXPECT_EQ(specRows("fieldize_set"), copyHeader + "A\t1\t1\t0\t1\n");
}

TEST_F(CliSettings, AnEmptyOrMissingNameIsARequiredField) {
    for (std::vector<std::string> args :
         {std::vector<std::string>{"save", ""},
          std::vector<std::string>{"save", "--column", "A:1:1:0:1"}}) {
        auto result = settings(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, std::string(settingsNameMissingMessage) +
                                  "\nname the set: fieldizer-cli settings save NAME\n");
    }
    EXPECT_EQ(settings({"list"}).out, "");
    EXPECT_EQ(specRows("fieldize_settings"), specHeader) << "the working table is untouched";
}

TEST_F(CliSettings, TheProgramsOwnTableNamesAreRefused) {
    auto result = settings({"save", "Settings", "--column", "A:1:1:0:1"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, reservedSettingsNameMessage("Settings") + "\nchoose another NAME\n");
    EXPECT_EQ(specRows("fieldize_settings"), specHeader);
    EXPECT_EQ(settings({"save", "allFields"}).status, 2);
    EXPECT_EQ(settings({"list"}).out, "");
}

TEST_F(CliSettings, BadKeysValuesAndColumnsAreUsageErrorsThatStoreNothing) {
    const std::vector<std::vector<std::string>> bad{
        {"save", "x", "moveFromColumn=1"},
        {"save", "x", "moveFromCol=1000"},
        {"save", "x", "moveEndOfLine=yes"},
        {"save", "x", "--column", "A:1:1:0"},
        {"save", "x", "--column", "A:1:b:0:1"},
        {"save", "x", "--table", "t"},
        {"save", "x", "y"},
    };
    for (const auto& args : bad) {
        auto result = settings(args);
        EXPECT_EQ(result.status, 2) << args.back();
        EXPECT_EQ(result.err.rfind("fieldizer-cli settings: ", 0), 0u) << result.err;
    }
    EXPECT_EQ(settings({"list"}).out, "");
}

TEST_F(CliSettings, ShowAndDeleteOfAnUnknownSetAreUsageErrors) {
    auto result = settings({"show", "nothing"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "fieldizer-cli settings: no saved Settings named 'nothing' in "
                          "fieldizer.mdb\n");
    result = settings({"delete", "nothing"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "fieldizer-cli settings: no saved Settings named 'nothing' in "
                          "fieldizer.mdb\n");
}

TEST_F(CliSettings, DeleteRemovesTheSetAndItsTable) {
    ASSERT_EQ(settings({"save", "keep"}).status, 0);
    ASSERT_EQ(settings({"save", "drop", "--column", "A:1:1:0:1"}).status, 0);
    auto result = settings({"delete", "DROP"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(settings({"list"}).out, "keep\n");
    result = cli.run({"sql", "--db", "fieldizer.mdb", "select * from fieldize_drop"});
    EXPECT_EQ(result.status, 1) << "the table is gone";
}

TEST_F(CliSettings, DeleteRemovesATableLeftWithoutItsRecordThenSaysSo) {
    ASSERT_EQ(cli.run({"sql", "--db", "fieldizer.mdb",
                       "create table FIELDIZE_Orphan (Column_heading text(255))"})
                  .status,
              0);
    auto result = settings({"delete", "oRPHAN"});
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.err, "fieldizer-cli settings: no saved Settings named 'oRPHAN' in "
                          "fieldizer.mdb\n");
    result = cli.run({"sql", "--db", "fieldizer.mdb", "select * from fieldize_orphan"});
    EXPECT_EQ(result.status, 1) << "the table is gone";
}

TEST_F(CliSettings, NamesAreTheTerminalsText) {
    ASSERT_EQ(settings({"save", "M\xC3\xBCller"}).status, 0);
    EXPECT_EQ(settings({"list"}).out, "M\xC3\xBCller\n");
    EXPECT_EQ(settings({"show", "m\xC3\xBCLLER"}).status, 0) << "any letter case";
}

TEST_F(CliSettings, NamesThatAreNotUtf8StayApart) {
    ASSERT_EQ(settings({"save", "\xE9"}).status, 0);
    ASSERT_EQ(settings({"save", "\xE8"}).status, 0);
    EXPECT_EQ(settings({"list"}).out, "\xC3\xA8\n\xC3\xA9\n") << "two sets, not one 'fieldize_?'";
}

TEST_F(CliSettings, ANameTheEngineRefusesChangesNothing) {
    for (const std::string& name : {std::string("a[b"), std::string(300, 'n')}) {
        auto result = settings({"save", name, "--column", "NEW:1:1:0:1"});
        EXPECT_EQ(result.status, 1);
        EXPECT_NE(result.err.find("is not a valid name"), std::string::npos) << result.err;
    }
    EXPECT_EQ(specRows("fieldize_settings"), specHeader) << "the working specifications stay";
    EXPECT_EQ(settings({"list"}).out, "");
}

TEST_F(CliSettings, DbChoosesTheProgramDatabase) {
    ASSERT_EQ(cli.run({"create-database", "other.mdb"}).status, 0);
    ASSERT_EQ(settings({"save", "elsewhere", "--db", "other.mdb"}).status, 0);
    EXPECT_EQ(settings({"list", "--db", "other.mdb"}).out, "elsewhere\n");
    EXPECT_EQ(settings({"list"}).out, "");
    auto result = settings({"list", "--db", "missing.mdb"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Could not find file 'missing.mdb'.\n" + createHint("missing.mdb"));
}

TEST_F(CliSettings, UsageErrors) {
    const std::vector<std::vector<std::string>> bad{
        {},
        {"rename"},
        {"show"},
        {"delete"},
        {"list", "extra"},
        {"list", "addText=x"},
        {"show", "a", "addText=x"},
        {"delete", "a", "--column", "A:1:1:0:1"},
        {"list", "--db"},
    };
    for (const auto& args : bad) {
        auto result = settings(args);
        EXPECT_EQ(result.status, 2) << (args.empty() ? "" : args.front());
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("fieldizer-cli settings: ", 0), 0u) << result.err;
    }
}

TEST_F(CliSettings, OperationsTakeTheSavedSetsValues) {
    ASSERT_EQ(settings({"save", "fix", "replaceText=abc", "replaceWith=X"}).status, 0);
    auto result = cli.run({"replace", "--settings", "fix"}, "abcabc\r\nabc");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "XX\r\nX");
    result = cli.run({"replace", "--settings", "FIX", "replaceWith=Y"}, "abc");
    EXPECT_EQ(result.out, "Y") << "KEY=VALUE wins";
}

TEST_F(CliSettings, OperationsFindTheSetInTheDatabaseNamedByDb) {
    ASSERT_EQ(cli.run({"create-database", "other.mdb"}).status, 0);
    ASSERT_EQ(settings({"save", "fix", "--db", "other.mdb", "addText=>"}).status, 0);
    auto result = cli.run({"add", "--db", "other.mdb", "--settings", "fix"}, "a\r\nb");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, ">a\r\n>b");
}

TEST_F(CliSettings, AnOperationWithAnUnknownSetIsAUsageError) {
    auto result = cli.run({"add", "--settings", "nothing", "addText=x"}, "a");
    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, "fieldizer-cli add: no saved Settings named 'nothing' in "
                          "fieldizer.mdb\n");
    result = cli.run({"add", "--settings", "x", "--db", "missing.mdb", "addText=x"}, "a");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Could not find file 'missing.mdb'.\n" + createHint("missing.mdb"));
}

} // namespace
} // namespace fieldizer::testing
