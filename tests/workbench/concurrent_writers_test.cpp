// Two processes writing one file at once, as two runs of the command line
// do: each transaction waits for the other's write lock instead of failing.

#include "scratch_database.h"
#include "workbench/fieldizer_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fieldizer::db {
namespace {

using fieldizer::testing::ScratchFolder;

constexpr int rounds = 30;

// Reads, then writes, in one transaction: the shape of a Settings save. A
// transaction that took its write lock only at the first write would find
// the other process holding it and fail at once with 3218.
int writeRounds(const std::string& path, int startSignal) {
    try {
        auto database = Workspace().openDatabase(path);
        char go = 0;
        if (read(startSignal, &go, 1) < 0) // both start together, when the pipe closes
            return 1;
        for (int i = 0; i < rounds; ++i) {
            Transaction transaction(*database);
            Recordset count = database->openRecordset("SELECT count(*) FROM t");
            std::int64_t before = count.value(0).integer();
            count.close();
            usleep(2000); // work between the read and the write, as a save has
            database->execute("INSERT INTO t (n) VALUES (" + std::to_string(before) + ")");
            transaction.commit();
        }
        return 0;
    } catch (const RuntimeError& error) {
        return error.number() == 3218 ? 3 : 1;
    }
}

TEST(ConcurrentWriters, waitForEachOtherAndLoseNothing) {
    ScratchFolder folder;
    const std::string path = folder.file("shared.mdb");
    createFieldizerDatabase(path);
    Workspace().openDatabase(path)->execute("CREATE TABLE t (n LONG)");
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    pid_t children[2];
    for (pid_t& child : children)
        if ((child = fork()) == 0) {
            close(start[1]);
            _exit(writeRounds(path, start[0]));
        }
    close(start[0]);
    close(start[1]);
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        EXPECT_EQ(WEXITSTATUS(status), 0) << "3 means 'currently locked' without waiting";
    }
    Recordset rows =
        Workspace().openDatabase(path)->openRecordset("SELECT count(*), max(n) FROM t");
    EXPECT_EQ(rows.value(0).integer(), 2 * rounds);
    EXPECT_EQ(rows.value(1).integer(), 2 * rounds - 1) << "each read saw every earlier write";
}

// A writer that makes the file grow, commit after commit: SQLite writes the
// header with the new page count before the pages that extend the file.
int growFile(const std::string& path, int startSignal) {
    try {
        auto database = Workspace().openDatabase(path);
        char go = 0;
        if (read(startSignal, &go, 1) < 0)
            return 1;
        for (int i = 0; i < 20; ++i)
            database->execute("INSERT INTO t (s) VALUES ('" + std::string(400000, 'x') + "')");
        return 0;
    } catch (const RuntimeError&) {
        return 1;
    }
}

TEST(ConcurrentWriters, aFileBeingWrittenIsNeverCalledUnrecognizable) {
    ScratchFolder folder;
    const std::string path = folder.file("growing.mdb");
    createFieldizerDatabase(path);
    Workspace().openDatabase(path)->execute("CREATE TABLE t (s MEMO)");
    int start[2];
    ASSERT_EQ(pipe(start), 0);
    pid_t writer = fork();
    if (writer == 0) {
        close(start[1]);
        _exit(growFile(path, start[0]));
    }
    close(start[0]);
    close(start[1]);
    int status = 0;
    while (waitpid(writer, &status, WNOHANG) == 0) {
        try {
            Workspace().openDatabase(path);
        } catch (const RuntimeError& error) {
            ASSERT_NE(error.number(), 3343) << "a sound file judged while it was being written";
        }
    }
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// A read and a write that wait in vain for another connection's exclusive
// lock fail with different texts: a user told "Could not update" after a
// mere look at the records would wonder what was being changed. The wait is
// shortened on SQLite's own handle so the test need not sit out the busy
// timeout.
TEST(ConcurrentWriters, aBlockedReadSaysReadAndABlockedWriteSaysUpdate) {
    ScratchFolder folder;
    const std::string path = folder.file("locked.mdb");
    createFieldizerDatabase(path);
    auto database = Workspace().openDatabase(path);
    database->execute("CREATE TABLE t (n LONG)");
    sqlite3_busy_timeout(database->connection()->handle(), 50);
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    try {
        database->openRecordset("SELECT n FROM t");
        ADD_FAILURE() << "read a table another connection holds exclusively";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 3187);
        EXPECT_EQ(error.description(), "Could not read; currently locked.");
    }
    try {
        database->execute("INSERT INTO t (n) VALUES (1)");
        ADD_FAILURE() << "wrote a table another connection holds exclusively";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 3218);
        EXPECT_EQ(error.description(), "Could not update; currently locked.");
    }
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
}

} // namespace
} // namespace fieldizer::db
