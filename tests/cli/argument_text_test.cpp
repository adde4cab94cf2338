// Text arguments are UTF-8 converted to the program's Windows-1252 once, the
// same for values, headings and names.

#include "awkward_paths.h"
#include "cli_runner.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

const std::string eAcuteUtf8 = "\xc3\xa9";
const std::string eAcute1252 = "\xe9";

TEST(CliArgumentText, ACharacterTypedInUtf8IsTheSameCharacterEverywhere) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
    auto result = cli.run({"replace", "replaceText=" + eAcuteUtf8, "replaceWith=e"}, "caf\xe9");
    EXPECT_EQ(result.out, "cafe") << "a value matches the text's own byte";

    const std::string column = eAcuteUtf8 + ":1:3:0:3";
    // ASCII input counts as UTF-8, and the output is written in it.
    result = cli.run({"fieldize", "--column", column}, "abc");
    EXPECT_EQ(result.out.substr(0, 2), eAcuteUtf8) << "a heading is the character typed";
    result = cli.run({"fieldize", "--column", column, "--encoding", "windows-1252"}, "abc");
    EXPECT_EQ(result.out.substr(0, 1), eAcute1252) << "a heading is the text's own byte";

    ASSERT_EQ(cli.run({"settings", "save", "S", "--column", column}).status, 0);
    result = cli.run({"fieldize", "--settings", "S"}, "abc");
    EXPECT_EQ(result.out.substr(0, 3), eAcuteUtf8 + "\r") << "a saved heading is not encoded twice";

    result = cli.run({"save", "--table", "T" + eAcuteUtf8, "--column", column,
                      "databaseProcessMethod=Use column specs on the Fieldize Text tab"},
                     "abc");
    ASSERT_EQ(result.status, 0) << result.err;
    result = cli.run({"sql", "--db", "fieldizer.mdb", "select * from [T" + eAcuteUtf8 + "]"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, eAcuteUtf8 + "\nabc\n") << "the field name prints as typed";
}

TEST(CliArgumentText, AnArgumentThatIsNotUtf8IsTakenByteForByte) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
    ASSERT_EQ(cli.run({"settings", "save", "\xe9"}).status, 0);
    ASSERT_EQ(cli.run({"settings", "save", "\xe8"}).status, 0);
    EXPECT_EQ(cli.run({"settings", "list"}).out, "\xc3\xa8\n\xc3\xa9\n");
    auto result = cli.run({"replace", "replaceText=\xe9", "replaceWith=e"}, "caf\xe9");
    EXPECT_EQ(result.out, "cafe");
}

TEST(CliArgumentText, ACharacterWindows1252LacksIsAUsageErrorNamingTheArgument) {
    CliRunner cli;
    const std::string arrow = "\xe2\x86\x92";
    auto result = cli.run({"replace", "replaceText=a", "replaceWith=" + arrow}, "abc");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find("replaceWith=" + arrow), std::string::npos) << result.err;
    result = cli.run({"fieldize", "--column", arrow + ":1:1:0:1"}, "abc");
    EXPECT_EQ(result.status, 2);
    EXPECT_NE(result.err.find(arrow + ":1:1:0:1"), std::string::npos) << result.err;
}

TEST(CliArgumentText, StartLineAfterTakesZeroToThreeDigits) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
    for (const char* value : {"1234", "ZZ", "-5", " 3"}) {
        const std::string key = std::string("startLineAfter=") + value;
        auto result = cli.run({"break-lines", key}, "abcdefghij");
        EXPECT_EQ(result.status, 2) << value;
        EXPECT_NE(result.err.find("startLineAfter"), std::string::npos) << result.err;
        EXPECT_EQ(cli.run({"settings", "save", "SL", key}).status, 2) << value;
    }
    EXPECT_EQ(cli.run({"settings", "list"}).out, "") << "nothing was saved";
}

TEST(CliArgumentText, ColumnNumbersALongCannotHoldAreUsageErrors) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
    const std::string wide = "4294967301";
    for (const std::string& column : {"A:1:3:0:" + wide, "A:" + wide + ":3:0:4"}) {
        for (const std::vector<std::string>& command :
             {std::vector<std::string>{"fieldize"},
              std::vector<std::string>{"save", "--table", "T"},
              std::vector<std::string>{"settings", "save", "W"}}) {
            std::vector<std::string> args = command;
            args.insert(args.end(), {"--column", column});
            auto result = cli.run(args, "abcdef");
            EXPECT_EQ(result.status, 2) << command.front() << ' ' << column;
            EXPECT_NE(result.err.find(wide), std::string::npos) << result.err;
        }
    }
    EXPECT_EQ(cli.run({"sql", "--db", "fieldizer.mdb", "select count(*) from T"}).status, 1)
        << "no table was made";
}

// Paths are not text: --db, --target and create-database's PATH reach the
// file system as the terminal gave them, whatever characters they hold.
TEST(CliArgumentText, pathsReachTheFileSystemAsGiven) {
    CliRunner cli;
    std::filesystem::create_directories(cli.folder() / awkwardFolderName);
    const std::string program = awkwardFolderName + "/fieldizer.mdb";
    const std::string target = awkwardFolderName + "/other.db";
    for (const std::string& path : {program, target}) {
        const CliResult created = cli.run({"create-database", path});
        ASSERT_EQ(created.status, 0) << created.err;
        EXPECT_TRUE(std::filesystem::is_regular_file(cli.folder() / path));
    }
    CliResult result = cli.run({"settings", "save", "S", "--db", program, "--column", "A:1:3:0:3"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(cli.run({"settings", "list", "--db", program}).out, "S\n");
    result = cli.run({"save", "--table", "T", "--db", program, "--settings", "S", "--target",
                      target, "databaseProcessMethod=Use column specs on the Fieldize Text tab"},
                     "abc");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(cli.run({"sql", "--db", target, "SELECT * FROM T"}).out, "A\nabc\n");

    result = cli.run({"sql", "--db", awkwardFolderName + "/missing.db", "SELECT 1"});
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("d" + eAcuteUtf8 + " x'y ?/missing.db"), std::string::npos)
        << "named as messages show paths: " << result.err;
}

} // namespace
} // namespace fieldizer::testing
