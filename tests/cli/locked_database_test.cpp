// fieldizer-cli meeting a database another program is writing: a read that
// waited in vain for the writer says so, in the read's own words.

#include "cli_runner.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

namespace fieldizer::testing {
namespace {

// Waits the whole busy timeout (a few seconds) before it gives up, as a user
// would see it; only this one test pays for that wait.
TEST(CliLockedDatabase, aReadBlockedByAWriterSaysItCouldNotRead) {
    CliRunner cli;
    ASSERT_EQ(cli.run({"create-database", "fieldizer.mdb"}).status, 0);
    sqlite3* writer = nullptr;
    ASSERT_EQ(sqlite3_open(cli.file("fieldizer.mdb").c_str(), &writer), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(writer, "BEGIN EXCLUSIVE", nullptr, nullptr, nullptr), SQLITE_OK);
    CliResult blocked =
        cli.run({"sql", "--db", "fieldizer.mdb", "SELECT count(*) FROM fieldize_settings"});
    sqlite3_exec(writer, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(writer);
    EXPECT_EQ(blocked.status, 1);
    EXPECT_EQ(blocked.err, "Could not read; currently locked.\n");
}

} // namespace
} // namespace fieldizer::testing
