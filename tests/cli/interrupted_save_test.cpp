// A save into an existing table killed part-way, as a power cut or a killed
// terminal would stop it: the table keeps its old records (plus, when
// appending, a prefix of the new ones), never empty and never a mix.

#include "cli_runner.h"

#include <chrono>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <thread>

namespace fieldizer::testing {
namespace {

using namespace std::chrono_literals;

const std::string columnMethod = "databaseProcessMethod=Use column specs on the Fieldize Text tab";
constexpr int oldCount = 20000;
constexpr int newCount = 250000;

// "<prefix>000001" and on, one a line, with CR LF breaks.
std::string numberedLines(const std::string& prefix, int count) {
    std::string text;
    text.reserve(std::size_t(count) * (prefix.size() + 8));
    char number[16];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(number, sizeof number, "%06d\r\n", i);
        text += prefix + number;
    }
    return text;
}

std::vector<std::string> numbered(const std::string& prefix, int count) {
    std::vector<std::string> names;
    char number[16];
    for (int i = 1; i <= count; ++i) {
        std::snprintf(number, sizeof number, "%06d", i);
        names.push_back(prefix + number);
    }
    return names;
}

// The table's values in the order they were stored, read with SQLite itself.
std::vector<std::string> storedNames(const std::string& path) {
    std::vector<std::string> names;
    sqlite3* db = nullptr;
    sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
    sqlite3_stmt* statement = nullptr;
    sqlite3_prepare_v2(db, "SELECT Name FROM T ORDER BY rowid", -1, &statement, nullptr);
    while (sqlite3_step(statement) == SQLITE_ROW)
        names.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(statement, 0)));
    sqlite3_finalize(statement);
    sqlite3_close(db);
    return names;
}

class InterruptedSave : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
        cli.write("old.txt", numberedLines("old", oldCount));
        cli.write("new.txt", numberedLines("new", newCount));
        CliResult created = cli.run(saveInto("old.txt"));
        ASSERT_EQ(created.status, 0) << created.err;
    }

    std::vector<std::string> saveInto(const std::string& input) const {
        return {"save", "--table", "T", "--column", "Name:1:9:0:9", columnMethod, "--in", input};
    }

    // Starts the save of the new records and kills it while it writes:
    // once its rollback journal has been there for a moment (past the
    // emptying, into the records). A save that ends first is waited for;
    // the outcome must then be just as whole.
    void saveAndKill(const std::string& ifExists) {
        std::vector<std::string> args = saveInto("new.txt");
        args.insert(args.end(), {"--if-exists", ifExists});
        const std::string journal = cli.file("fieldizer.mdb-journal");
        const pid_t child = cli.start(args);
        ASSERT_GT(child, 0);
        int status = 0;
        const auto deadline = std::chrono::steady_clock::now() + 120s;
        while (::waitpid(child, &status, WNOHANG) == 0) {
            if (std::chrono::steady_clock::now() > deadline || writingFor(journal, 40ms)) {
                ::kill(child, SIGKILL);
                ::waitpid(child, &status, 0);
                break;
            }
            std::this_thread::sleep_for(1ms);
        }
        killed = WIFSIGNALED(status);
        // The next run of the program opens the file first and meets
        // whatever the kill left (a journal to roll back).
        CliResult opened = cli.run({"sql", "--db", "fieldizer.mdb", "SELECT count(*) FROM T"});
        EXPECT_EQ(opened.status, 0) << opened.err;
    }

    static bool writingFor(const std::string& journal, std::chrono::milliseconds pause) {
        if (!std::filesystem::exists(journal))
            return false;
        std::this_thread::sleep_for(pause);
        return std::filesystem::exists(journal);
    }

    CliRunner cli;
    bool killed = false;
};

TEST_F(InterruptedSave, replaceKeepsTheOldRecordsOrHasAllTheNewOnes) {
    saveAndKill("replace");
    const std::vector<std::string> names = storedNames(cli.file("fieldizer.mdb"));
    const std::vector<std::string> before = numbered("old", oldCount);
    if (names.size() == before.size())
        EXPECT_EQ(names, before) << "killed: " << killed;
    else
        EXPECT_EQ(names, numbered("new", newCount))
            << names.size() << " records; killed: " << killed;
}

TEST_F(InterruptedSave, appendKeepsTheOldRecordsAndAPrefixOfTheNewOnes) {
    saveAndKill("append");
    const std::vector<std::string> names = storedNames(cli.file("fieldizer.mdb"));
    const std::vector<std::string> before = numbered("old", oldCount);
    ASSERT_GE(names.size(), before.size());
    ASSERT_LE(names.size(), before.size() + newCount);
    EXPECT_TRUE(std::equal(before.begin(), before.end(), names.begin()));
    const std::vector<std::string> added = numbered("new", newCount);
    EXPECT_TRUE(std::equal(names.begin() + oldCount, names.end(), added.begin()))
        << names.size() - oldCount << " new records, not the first ones in order";
}

} // namespace
} // namespace fieldizer::testing
