// fieldizer-cli save --target with a server database's address: the login
// from libpq's own means, never a password shown, and a replace killed
// half-way leaving the old records.

#include "cli_runner.h"
#include "postgres_cluster.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>

namespace fieldizer::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using namespace std::chrono_literals;

const std::string columnMethod = "databaseProcessMethod=Use column specs on the Fieldize Text tab";

PostgresCluster& cluster() {
    return PostgresCluster::instance();
}

std::vector<std::string> saveArgs(const std::string& target, const std::string& input) {
    return {"save",     "--table",      "T",          "--target", target,
            "--column", "Name:1:9:0:9", columnMethod, "--in",     input};
}

// PGPASSWORD for the length of a test.
class PasswordInEnvironment {
  public:
    explicit PasswordInEnvironment(const char* password) { setenv("PGPASSWORD", password, 1); }
    ~PasswordInEnvironment() { unsetenv("PGPASSWORD"); }
    PasswordInEnvironment(const PasswordInEnvironment&) = delete;
    PasswordInEnvironment& operator=(const PasswordInEnvironment&) = delete;
};

class ServerCliTest : public ::testing::Test {
  protected:
    void SetUp() override { cluster().run("DROP TABLE IF EXISTS \"T\""); }
    CliRunner cli;
};

TEST_F(ServerCliTest, SavesIntoANewTableWithThePasswordOfTheEnvironment) {
    cli.write("in.txt", "Ann\r\nBob\r\n");
    const PasswordInEnvironment password(securedPassword);
    const CliResult result = cli.run(saveArgs(cluster().address("secured"), "in.txt"));
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.err.find("2 records stored in T"), std::string::npos) << result.err;
    EXPECT_EQ(cluster().rows("SELECT \"Name\" FROM \"T\" ORDER BY 1"), (Rows{{"Ann"}, {"Bob"}}));
}

TEST_F(ServerCliTest, APasswordInTheAddressIsNeverShown) {
    cli.write("in.txt", "Ann\r\n");
    const std::string address = cluster().address("secured") + "&password=right%20horse";
    ASSERT_EQ(cli.run(saveArgs(address, "in.txt")).status, 0);
    // The table exists now: the question names the database by its address.
    const CliResult again = cli.run(saveArgs(address, "in.txt"));
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("This table name (T) is already in " + cluster().address("secured")),
              std::string::npos)
        << again.err;
    EXPECT_EQ(again.err.find("right"), std::string::npos) << again.err;
}

TEST_F(ServerCliTest, AWrongPasswordIsReportedWithoutIt) {
    cli.write("in.txt", "Ann\r\n");
    const PasswordInEnvironment password("wrong-one");
    const CliResult result = cli.run(saveArgs(cluster().address("secured"), "in.txt"));
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("password authentication failed"), std::string::npos) << result.err;
    EXPECT_EQ(result.err.find("wrong-one"), std::string::npos);
}

TEST_F(ServerCliTest, AReplaceKilledHalfWayLeavesTheOldRecords) {
    cli.write("old.txt", "old1\r\nold2\r\n");
    ASSERT_EQ(cli.run(saveArgs(cluster().address(), "old.txt")).status, 0);
    std::string text;
    for (int i = 0; i < 2000000; ++i)
        text += "new\r\n";
    cli.write("new.txt", text);
    std::vector<std::string> args = saveArgs(cluster().address(), "new.txt");
    args.insert(args.end(), {"--if-exists", "replace"});
    const pid_t child = cli.start(args);
    // Killed once its COPY is under way, past the emptying.
    bool copying = false;
    for (int i = 0; i < 400 && !copying; ++i) {
        std::this_thread::sleep_for(10ms);
        copying = cluster().rows("SELECT count(*) FROM pg_stat_activity WHERE query LIKE "
                                 "'COPY%' AND state = 'active'") == Rows{{"1"}};
    }
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(copying) << "the save ended before its COPY was seen";
    EXPECT_EQ(cluster().rows("SELECT \"Name\" FROM \"T\" ORDER BY 1"), (Rows{{"old1"}, {"old2"}}));
}

} // namespace
} // namespace fieldizer::testing
