// fieldizer-cli import-access, and Access files where the program's own
// kind of database belongs, run as a user runs them.

#include "cli_runner.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

std::string accessFile(const std::string& name) {
    return std::string(FIELDIZER_TEST_DATA) + "/access/" + name;
}

TEST(CliAccess, importAccessConvertsReportsAndNeverOverwrites) {
    CliRunner cli;
    std::string target = cli.file("sales.db");
    CliResult converted = cli.run({"import-access", accessFile("testV2007.accdb"), target});
    EXPECT_EQ(converted.status, 0) << converted.err;
    EXPECT_NE(converted.err.find("Table1: 2 rows"), std::string::npos) << converted.err;
    CliResult rows = cli.run({"sql", "--db", target, "SELECT A FROM Table1 ORDER BY A"});
    EXPECT_EQ(rows.status, 0) << rows.err;
    EXPECT_EQ(rows.out, "A\na\nabcdefg\n"); // the two rows SOURCES.md gives

    std::string before = cli.read("sales.db");
    CliResult again = cli.run({"import-access", accessFile("testV2007.accdb"), target});
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("not overwritten"), std::string::npos) << again.err;
    EXPECT_EQ(cli.read("sales.db"), before);
}

TEST(CliAccess, aDamagedAccessFileFailsAndLeavesNoTarget) {
    CliRunner cli;
    std::string bytes = cli.read(accessFile("testV2000.mdb"));
    std::string source = cli.write("cut.mdb", bytes.substr(0, bytes.size() / 4));
    CliResult failed = cli.run({"import-access", source, cli.file("cut.db")});
    EXPECT_EQ(failed.status, 1);
    EXPECT_NE(failed.err.find("format that is unrecognizable"), std::string::npos) << failed.err;
    EXPECT_FALSE(std::filesystem::exists(cli.file("cut.db")));
}

TEST(CliAccess, anAccessFileAsTheProgramsDatabaseSaysHowToConvertIt) {
    const std::string message = "This is a Microsoft Access database; convert it first with "
                                "fieldizer-cli import-access SOURCE TARGET.\n";
    CliRunner cli;
    std::string access = accessFile("testV1997.mdb");
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"sql", "--db", access, "SELECT 1"},
          {"settings", "list", "--db", access},
          {"save", "--table", "t", "--target", access, "--column", "a:1:1:0:1"}}) {
        CliResult refused = cli.run(args, "x\r\n");
        EXPECT_EQ(refused.status, 2) << args[0];
        EXPECT_EQ(refused.err, message) << args[0];
    }
}

} // namespace
} // namespace fieldizer::testing
