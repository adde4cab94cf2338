// fieldizer-cli import-access, and Access files where the program's own
// kind of database belongs, run as a user runs them.

#include "cli_runner.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>
#include <sys/wait.h>
#include <thread>

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

TEST(CliAccess, aHalfCopiedAccessFileFailsWithWhatTheReaderFound) {
    CliRunner cli;
    std::string bytes = cli.read(accessFile("queryTestV2003.mdb"));
    std::string source = cli.write("half.mdb", bytes.substr(0, bytes.size() / 2));
    CliResult failed = cli.run({"import-access", source, cli.file("half.db")});
    EXPECT_EQ(failed.status, 1) << failed.err;
    EXPECT_NE(failed.err.find("format that is unrecognizable"), std::string::npos) << failed.err;
    EXPECT_NE(failed.err.find("is beyond EOF"), std::string::npos) << failed.err;
    for (const auto& left : std::filesystem::directory_iterator(cli.folder()))
        EXPECT_EQ(left.path().filename().string().rfind("half.db", 0), std::string::npos)
            << "left behind: " << left.path();
}

// testV2000.mdb with eight bits flipped, found among randomly damaged
// copies: libmdb loops on it, allocating as it goes.
std::string loopingCopy(CliRunner& cli) {
    std::string bytes = cli.read(accessFile("testV2000.mdb"));
    const std::pair<std::size_t, int> flips[] = {{706959, 0x08},  {1746431, 0x01}, {1968526, 0x02},
                                                 {2128961, 0x40}, {2267652, 0x01}, {2611062, 0x80},
                                                 {2889474, 0x20}, {2921776, 0x04}};
    for (auto [offset, bit] : flips)
        bytes[offset] = char(bytes[offset] ^ bit);
    return cli.write("looping.mdb", bytes);
}

bool conversionUnderWay(const CliRunner& cli) {
    for (const auto& entry : std::filesystem::directory_iterator(cli.folder()))
        if (entry.path().filename().string().rfind("new.db.access-", 0) == 0)
            return true;
    return false;
}

// The exit status of `pid` once it ends, or nothing after `seconds`.
std::optional<int> waitFor(pid_t pid, int seconds) {
    for (int tenths = 0; tenths < seconds * 10; ++tenths) {
        int status = 0;
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return status;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    return std::nullopt;
}

TEST(CliAccess, ctrlCOrAKillEndsAConversionStuckInADamagedFileAndLeavesNothing) {
    std::signal(SIGINT, SIG_DFL); // as at a terminal, whatever started the tests
    for (int signal : {SIGINT, SIGTERM}) {
        CliRunner cli;
        std::string source = loopingCopy(cli);
        pid_t pid = cli.start({"import-access", source, cli.file("new.db")});
        for (int tenths = 0; tenths < 100 && !conversionUnderWay(cli); ++tenths)
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        ASSERT_TRUE(conversionUnderWay(cli));
        std::this_thread::sleep_for(std::chrono::milliseconds(300)); // the child at work
        ::kill(pid, signal);
        std::optional<int> status = waitFor(pid, 10);
        ASSERT_TRUE(status.has_value()) << "still running after signal " << signal;
        EXPECT_TRUE(WIFSIGNALED(*status) && WTERMSIG(*status) == signal) << *status;
        for (const auto& left : std::filesystem::directory_iterator(cli.folder()))
            EXPECT_EQ(left.path().filename().string().rfind("new.db", 0), std::string::npos)
                << "left behind: " << left.path();
    }
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
