// A disk that fills up in the middle of a transaction. The file is capped
// with SQLite's max_page_count, which fails a write exactly as a full disk
// does (SQLITE_FULL); a failing single-row INSERT then makes SQLite roll the
// whole transaction back, savepoints and all.

#include "scratch_database.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/row_appender.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

const std::string notEnoughSpaceText = "Not enough space on disk.";

std::int64_t rowCount(Database& database, const std::string& table) {
    Recordset rows = database.openRecordset("SELECT count(*) FROM " + table);
    return rows.value(0).isNull() ? -1 : std::stoll(rows.value(0).toText());
}

// Leaves room for only a few more pages in the file.
void fillTheDisk(Database& database) {
    Statement pages = database.connection()->prepare("PRAGMA page_count");
    pages.step();
    database.connection()->exec("PRAGMA max_page_count = " +
                                std::to_string(pages.columnInteger(0) + 2));
}

// Appends rows one at a time until the disk is full.
void appendUntilFull(Database& database) {
    Recordset table = database.openRecordset("t", RecordsetType::Table);
    const std::string text(200, 'x');
    for (int i = 0; i < 10000; ++i) {
        table.addNew();
        table.setValue(0, Value(text));
        table.update();
    }
}

class FullDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        database->execute("CREATE TABLE t (a MEMO)");
        database->execute("INSERT INTO t (a) VALUES ('kept')");
        fillTheDisk(*database);
    }
    ScratchDatabase database;
};

} // namespace

// The write's own error reaches the caller, and ending the transactions it
// was inside (a savepoint within a transaction, as Save to Database nests
// them) never replaces it with an error about a savepoint SQLite has
// already dropped.
TEST_F(FullDisk, theWritesErrorWinsOverEndingItsTransactions) {
    Transaction outer(*database);
    database->beginTrans();
    EXPECT_RUNTIME_ERROR(appendUntilFull(*database), errors::notEnoughSpace, notEnoughSpaceText);
    EXPECT_RUNTIME_ERROR(database->commitTrans(), errors::notEnoughSpace, notEnoughSpaceText);
    EXPECT_RUNTIME_ERROR(outer.commit(), errors::notEnoughSpace, notEnoughSpaceText);
}

// Once SQLite has rolled the transaction back, nothing more is written as if
// it were still open: a write would otherwise land outside it, committed on
// its own, and the caller's all-or-nothing would be lost.
TEST_F(FullDisk, nothingIsWrittenOutsideTheLostTransaction) {
    {
        Transaction replace(*database);
        database->execute("DELETE FROM t");
        EXPECT_RUNTIME_ERROR(appendUntilFull(*database), errors::notEnoughSpace,
                             notEnoughSpaceText);
        EXPECT_RUNTIME_ERROR(database->execute("INSERT INTO t (a) VALUES ('stray')"),
                             errors::notEnoughSpace, notEnoughSpaceText);
    }
    EXPECT_EQ(rowCount(*database, "t"), 1);
    // The connection is whole again: a new transaction works.
    Transaction next(*database);
    database->execute("INSERT INTO t (a) VALUES ('after')");
    next.commit();
    EXPECT_EQ(rowCount(*database, "t"), 2);
}

// Rows appended many to a statement reach the same error.
TEST_F(FullDisk, appendedRowsSayTheDiskIsFull) {
    Transaction outer(*database);
    Recordset table = database->openRecordset("t", RecordsetType::Table);
    RowAppender appender(table);
    const std::string text(200, 'x');
    auto append = [&] {
        for (int i = 0; i < 10000; ++i) {
            appender.setText(0, text);
            appender.endRow();
        }
        appender.flush();
    };
    EXPECT_RUNTIME_ERROR(append(), errors::notEnoughSpace, notEnoughSpaceText);
}

// An I/O error says what kind it is where the engine has words for it.
TEST(IoErrors, sayWhatKindTheyAre) {
    EXPECT_EQ(errors::fromSqlite(nullptr, SQLITE_IOERR_NOMEM, "x.mdb").number(),
              fieldizer::errors::outOfMemory);
    EXPECT_EQ(errors::fromSqlite(nullptr, SQLITE_IOERR_SHORT_READ, "x.mdb").number(),
              errors::unrecognizedFormat);
    EXPECT_EQ(errors::fromSqlite(nullptr, SQLITE_IOERR_WRITE, "x.mdb").number(),
              fieldizer::errors::pathFileAccess);
}
