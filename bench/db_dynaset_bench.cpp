// Opening a dynaset on a large table, MoveLast and RecordCount: the time, and
// the memory the recordset holds per row (its keyset of rowids).
// usage: db_dynaset_bench [ROWS] (default 1,000,000)

#include "db_bench_data.h"
#include "workbench/workspace.h"

#include <cstdlib>
#include <filesystem>
#include <iostream>

using namespace fieldizer;
namespace fs = std::filesystem;

namespace {

void fillTable(const std::string& path, long rows) {
    auto database = db::Workspace().createDatabase(path);
    database->execute("CREATE TABLE readings (id TEXT(20), station TEXT(20), city TEXT(20), "
                      "reading TEXT(20), status TEXT(20))");
    database->beginTrans();
    db::Recordset table = database->openRecordset("readings");
    for (long i = 0; i < rows; ++i) {
        auto record = bench::benchRecord(i);
        table.addNew();
        for (int f = 0; f < 5; ++f)
            table.setValue(f, db::Value(std::move(record[std::size_t(f)])));
        table.update();
    }
    table.close();
    database->commitTrans();
    database->close();
}

} // namespace

int main(int argc, char** argv) {
    long rows = argc > 1 ? std::atol(argv[1]) : 1000000;
    fs::path folder = fs::temp_directory_path() / "fieldizer-db-dynaset-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    std::string path = (folder / "rows.mdb").string();
    fillTable(path, rows);

    double best = 1e9;
    long count = 0;
    std::size_t bytes = 0;
    for (int run = 0; run < 3; ++run) {
        auto database = db::Workspace().openDatabase(path);
        auto start = std::chrono::steady_clock::now();
        db::Recordset dynaset = database->openRecordset("readings", db::RecordsetType::Dynaset);
        dynaset.moveLast();
        count = dynaset.recordCount();
        best = std::min(best, bench::secondsSince(start));
        bytes = dynaset.bytesHeld();
        dynaset.moveFirst();
    }
    std::cout << "rows: " << count << '\n'
              << "open dynaset + MoveLast + RecordCount: " << best << " s (limit 0.5 s)\n"
              << "held by the recordset: " << double(bytes) / double(count ? count : 1)
              << " bytes per row (limit 16)\n";
    fs::remove_all(folder);
    return count == rows ? 0 : 1;
}
