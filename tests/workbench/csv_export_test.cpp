#include "scratch_database.h"
#include "text_engine/database_error_numbers.h"
#include "workbench/csv_export.h"

#include <gtest/gtest.h>

namespace fieldizer::db::testing {
namespace {

class Collected final : public PassOutput {
  public:
    void write(std::string_view bytes) override { text += bytes; }
    std::string text;
};

// Counts the rows it is asked about and stops after `rows` of them.
class StopAfterRows final : public PassObserver {
  public:
    explicit StopAfterRows(int rows) : rows_(rows) {}
    bool stopRequested() const override { return ++asked_ > rows_; }

  private:
    int rows_;
    mutable int asked_ = 0;
};

class CsvExportTest : public ::testing::Test {
  protected:
    void SetUp() override {
        db->execute("CREATE TABLE t (n LONG, a TEXT(20), b TEXT(20))");
        db->execute("INSERT INTO t VALUES (1, 'plain', 'x,y')");
        db->execute("INSERT INTO t VALUES (2, 'say \"hi\"', 'one' & Chr(13) & Chr(10) & 'two')");
        db->execute("INSERT INTO t VALUES (3, NULL, ' padded ')");
        db->execute("INSERT INTO t VALUES (4, 'caf' & Chr(233), 'z')");
    }
    std::string exported(RecordsetType type, PassObserver& observer, CsvExportResult* result) {
        Recordset rows = db->openRecordset("select * from t order by n", type);
        Collected output;
        *result = exportCsv(rows, output, observer);
        return output.text;
    }
    ScratchDatabase db;
};

TEST_F(CsvExportTest, QuotesCommasQuotesLineBreaksAndBlankEndsAndLeavesNullEmpty) {
    PassObserver quiet;
    CsvExportResult result;
    EXPECT_EQ(exported(RecordsetType::Snapshot, quiet, &result),
              "n,a,b\r\n"
              "1,plain,\"x,y\"\r\n"
              "2,\"say \"\"hi\"\"\",\"one\r\ntwo\"\r\n"
              "3,,\" padded \"\r\n"
              "4,caf\xC3\xA9,z\r\n")
        << "Windows-1252 e-acute is written as UTF-8";
    EXPECT_EQ(result.rowsWritten, 4u);
    EXPECT_FALSE(result.stopped);
}

TEST_F(CsvExportTest, StopEndsAfterTheRowsBefore) {
    StopAfterRows stop(2);
    CsvExportResult result;
    EXPECT_EQ(exported(RecordsetType::ForwardOnly, stop, &result),
              "n,a,b\r\n1,plain,\"x,y\"\r\n2,\"say \"\"hi\"\"\",\"one\r\ntwo\"\r\n");
    EXPECT_TRUE(result.stopped);
    EXPECT_EQ(result.rowsWritten, 2u);
}

TEST_F(CsvExportTest, AnEmptyResultIsTheHeaderAlone) {
    Recordset rows = db->openRecordset("select * from t where n > 9", RecordsetType::Snapshot);
    Collected output;
    PassObserver quiet;
    EXPECT_EQ(exportCsv(rows, output, quiet).rowsWritten, 0u);
    EXPECT_EQ(output.text, "n,a,b\r\n");
}

TEST(ForwardOnlyRecordset, HoldsOnlyTheRowsAheadAndRefusesToGoBack) {
    ScratchDatabase db;
    db->execute("CREATE TABLE t (n LONG)");
    for (int i = 1; i <= 3; ++i)
        db->execute("INSERT INTO t VALUES (" + std::to_string(i) + ")");
    Recordset rows = db->openRecordset("select n from t order by n", RecordsetType::ForwardOnly);
    rows.moveNext();
    rows.moveNext();
    EXPECT_EQ(rows.value(0).integer(), 3);
    EXPECT_RUNTIME_ERROR_NUMBER(rows.moveFirst(), ::fieldizer::db::errors::notSupported);
    rows.moveNext();
    EXPECT_TRUE(rows.eof());
}

} // namespace
} // namespace fieldizer::db::testing
