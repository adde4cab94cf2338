// "Export to CSV..." of the table browsers without a window: the rows the
// browser shows (its filter, sort and parameters) written to a file safely,
// the file offered in the save dialog, and what is said afterwards.
#include "program_database_fixture.h"
#include "runtime_error_checks.h"
#include "scratch_folder.h"
#include "shell/browser_export/csv_file_export.h"
#include "shell/browser_export/export_request.h"
#include "shell/queries/query_rules.h"
#include "text_engine/display_path.h"
#include "user_tables.h"
#include "workbench/csv_export.h"

#include <gtest/gtest.h>

using namespace fieldizer;
using namespace fieldizer::testing;

namespace {

class Collected final : public PassOutput {
  public:
    void write(std::string_view bytes) override { text += bytes; }
    std::string text;
};

// Records the progress it is told; asks for Stop from its `stopAt`th yield.
struct WatchingObserver final : PassObserver {
    explicit WatchingObserver(std::size_t stopAt = 0) : stopAt(stopAt) {}
    void started(std::uint64_t total) override { startedWith.push_back(total); }
    void yield(std::uint64_t) override { ++yields; }
    bool stopRequested() const override { return stopAt && yields >= stopAt; }
    std::chrono::milliseconds yieldInterval() const override { return {}; }
    std::size_t stopAt;
    std::size_t yields = 0;
    std::vector<std::uint64_t> startedWith;
};

struct BrowserExport : ::testing::Test {
    void SetUp() override { makeUserTable(*database, "Readings", 40); }

    // The browser's way to its rows: the table as a dynaset, then a filter
    // and a sort each opening the next dynaset from the one shown.
    db::Recordset filteredAndSorted(const std::string& filter, const std::string& sort) {
        db::Recordset table = openBrowserRecordset(*database, {"Readings", {}, {}, "Readings"});
        table.setFilter(filter);
        db::Recordset filtered = table.openRecordset(db::RecordsetType::Dynaset);
        filtered.setSort(sort);
        return filtered.openRecordset(db::RecordsetType::Dynaset);
    }
    // The same rows asked for in SQL, written by the exporter.
    std::string csvOfQuery(const std::string& sql) {
        db::Recordset rows = database->openRecordset(sql, db::RecordsetType::Snapshot);
        Collected output;
        PassObserver quiet;
        db::exportCsv(rows, output, quiet);
        return output.text;
    }

    ProgramDatabase database;
    ScratchFolder folder;
};

TEST_F(BrowserExport, writesTheShownRowsWithTheFilterAndSortInForce) {
    db::Recordset shown = filteredAndSorted("Amount > 30 or Amount <= 2", "[Amount] desc");
    WatchingObserver observer;
    const std::string file = folder.file("readings.csv");
    const CsvFileExport result = exportShownRows(shown, file, observer);
    EXPECT_FALSE(result.stopped);
    EXPECT_EQ(result.records, 12u);
    const std::string written = folder.read("readings.csv");
    EXPECT_EQ(written, csvOfQuery("SELECT * FROM Readings WHERE Amount > 30 OR Amount <= 2 "
                                  "ORDER BY Amount DESC"));
    EXPECT_TRUE(written.starts_with("Label,Amount,Ratio\r\nrow 40,40,10\r\nrow 39,39,"));
    EXPECT_TRUE(written.ends_with("row 1,1,0.25\r\n"));
    EXPECT_EQ(observer.startedWith, std::vector<std::uint64_t>{12}) << "progress over the rows";
}

TEST_F(BrowserExport, writesAQueryResultWithItsParameterValues) {
    const BrowserSource source{{},
                               "SELECT Label, Amount FROM Readings WHERE Amount < Below",
                               {{"Below", "4"}},
                               queries::savedQueryCaption("Low")};
    db::Recordset shown = openBrowserRecordset(*database, source);
    PassObserver quiet;
    const CsvFileExport result = exportShownRows(shown, folder.file("low.csv"), quiet);
    EXPECT_EQ(result.records, 3u);
    EXPECT_EQ(folder.read("low.csv"),
              csvOfQuery("SELECT Label, Amount FROM Readings WHERE Amount < 4"));
}

TEST_F(BrowserExport, rowsChangedSinceTheBrowserOpenedAreWrittenAsTheDatabaseHoldsThem) {
    db::Recordset shown = filteredAndSorted("Amount <= 3", "[Amount]");
    database->execute("UPDATE Readings SET Label = 'changed' WHERE Amount = 2");
    PassObserver quiet;
    exportShownRows(shown, folder.file("now.csv"), quiet);
    EXPECT_EQ(folder.read("now.csv"),
              csvOfQuery("SELECT * FROM Readings WHERE Amount <= 3 ORDER BY Amount"));
    EXPECT_NE(folder.read("now.csv").find("changed,2,"), std::string::npos);
}

TEST_F(BrowserExport, stopLeavesNoFileAndAnExistingOneAsItWas) {
    database->connection()->exec("INSERT INTO Readings (Label, Amount, Ratio) SELECT 'more', i, 0 "
                                 "FROM " +
                                 numberedRows(5000));
    db::Recordset shown = filteredAndSorted("Amount > 0", "[Label]");
    WatchingObserver stopping(2);
    const CsvFileExport result = exportShownRows(shown, folder.file("new.csv"), stopping);
    EXPECT_TRUE(result.stopped);
    EXPECT_GT(result.records, 0u) << "Stop came part-way";
    EXPECT_FALSE(std::filesystem::exists(folder.file("new.csv")));

    folder.write("old.csv", "kept\r\n");
    WatchingObserver stoppingAgain(2);
    EXPECT_TRUE(exportShownRows(shown, folder.file("old.csv"), stoppingAgain).stopped);
    EXPECT_EQ(folder.read("old.csv"), "kept\r\n");
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_TRUE(entry.path().filename() == "old.csv") << entry.path() << " left behind";
}

TEST_F(BrowserExport, aFullDiskOrAMissingFolderIsAnErrorWithItsNumber) {
    db::Recordset shown = filteredAndSorted("Amount > 0", "[Amount]");
    PassObserver quiet;
    EXPECT_RUNTIME_ERROR_NUMBER(exportShownRows(shown, "/dev/full", quiet), errors::diskFull);
    const std::string missing = folder.file("no such folder/rows.csv");
    EXPECT_RUNTIME_ERROR_NUMBER(exportShownRows(shown, missing, quiet), errors::pathNotFound);
    EXPECT_FALSE(std::filesystem::exists(folder.file("no such folder")));
}

TEST(BrowserExportRequest, offersATableOrSavedQueryByItsNameInTheFolderGiven) {
    const std::filesystem::path folder = "/data/work";
    const FileDialogRequest table =
        exportCsvRequest(BrowserKind::Table, {"Readings", {}, {}, "Tables - Readings"}, folder);
    EXPECT_EQ(table.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(table.title, exportCsvTitle);
    EXPECT_EQ(table.filter, csvFileFilter);
    EXPECT_EQ(table.initialPath, folder / "Readings.csv");

    const BrowserSource saved{{}, "SELECT * FROM Readings", {}, queries::savedQueryCaption("Low")};
    EXPECT_EQ(exportCsvRequest(BrowserKind::QueryResult, saved, folder).initialPath,
              folder / "Low.csv");
    const BrowserSource typed{
        {}, "SELECT * FROM Readings", {}, queries::typedQueryCaption("SELECT * FROM Readings")};
    EXPECT_EQ(csvFileName(BrowserKind::QueryResult, typed), "Query.csv");
}

TEST(BrowserExportRequest, aNameMakesAFileNameInItsFolderWhateverItHolds) {
    auto named = [](const std::string& table) {
        return csvFileName(BrowserKind::Table, {table, {}, {}, table});
    };
    EXPECT_EQ(named("a/b\\c:d*e?f\"g<h>i|j"), "a_b_c_d_e_f_g_h_i_j.csv");
    EXPECT_EQ(named("tab\there"), "tab_here.csv");
    EXPECT_EQ(named(".."), "_...csv");
    EXPECT_EQ(named("caf\xE9"), "caf\xC3\xA9.csv") << "the file system's UTF-8";
}

TEST(BrowserExportMessages, tellTheCountAndTheFile) {
    const std::filesystem::path file = "/data/caf\xC3\xA9.csv";
    const Message written = csvWrittenMessage(12, file);
    EXPECT_EQ(written.id, csvExportMessages::written);
    EXPECT_EQ(written.text, "12 records exported to " + displayPath(file));
    const Message stopped = csvStoppedMessage(file);
    EXPECT_EQ(stopped.id, csvExportMessages::stopped);
    EXPECT_EQ(stopped.text, "Export stopped: nothing was written to " + displayPath(file));
}

} // namespace
