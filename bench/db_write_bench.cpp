// Writing records through the database layer (AddNew, field assignment,
// Update, one transaction) against the sqlite3 shell's .import --csv of the
// same records into a fresh file. Prints both times and the ratio (shell time
// / our time: 1.0 or more means we are at least as fast).
// usage: db_write_bench [RECORDS] (default 1,000,000)

#include "db_bench_data.h"
#include "workbench/workspace.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>

using namespace fieldizer;
namespace fs = std::filesystem;

namespace {

const char* const fieldNames[] = {"id", "station", "city", "reading", "status"};

void writeCsv(const fs::path& path, long records) {
    std::ofstream out(path, std::ios::binary);
    for (int f = 0; f < 5; ++f)
        out << (f ? "," : "") << fieldNames[f];
    out << '\n';
    for (long i = 0; i < records; ++i) {
        auto record = bench::benchRecord(i);
        out << record[0] << ',' << record[1] << ',' << record[2] << ',' << record[3] << ','
            << record[4] << '\n';
    }
}

// The records are made before the clock starts, as the shell's CSV file is
// written before its clock starts.
double writeOurs(const fs::path& path, long records) {
    fs::remove(path);
    std::vector<std::vector<std::string>> values;
    values.reserve(std::size_t(records));
    for (long i = 0; i < records; ++i)
        values.push_back(bench::benchRecord(i));
    auto start = std::chrono::steady_clock::now();
    auto database = db::Workspace().createDatabase(path.string());
    db::TableDef table = database->createTableDef("readings");
    for (const char* name : fieldNames) {
        db::FieldDef field = table.createField(name, db::fieldType::text, 20);
        field.allowZeroLength = true;
        table.fields().append(field);
    }
    database->beginTrans();
    database->tableDefs().append(table);
    db::Recordset rows = database->openRecordset("readings", db::RecordsetType::Table);
    for (auto& record : values) {
        rows.addNew();
        for (int f = 0; f < 5; ++f)
            rows.setValue(f, db::Value(std::move(record[std::size_t(f)])));
        rows.update();
    }
    rows.close();
    database->commitTrans();
    database->close();
    return bench::secondsSince(start);
}

double importWithShell(const fs::path& path, const fs::path& csv) {
    fs::remove(path);
    std::string command =
        "sqlite3 -batch '" + path.string() + "' \".import --csv '" + csv.string() + "' readings\"";
    auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) {
        std::cerr << "sqlite3 shell failed: " << command << '\n';
        std::exit(1);
    }
    return bench::secondsSince(start);
}

} // namespace

int main(int argc, char** argv) {
    long records = argc > 1 ? std::atol(argv[1]) : 1000000;
    fs::path folder = fs::temp_directory_path() / "fieldizer-db-write-bench";
    fs::create_directories(folder);
    writeCsv(folder / "records.csv", records);
    double ours = 1e9, shell = 1e9;
    for (int run = 0; run < 3; ++run) { // best of three, interleaved
        ours = std::min(ours, writeOurs(folder / "ours.mdb", records));
        shell = std::min(shell, importWithShell(folder / "shell.mdb", folder / "records.csv"));
    }
    std::cout << "records: " << records << " (five short text fields)\n"
              << "AddNew/assign/Update, one transaction: " << ours << " s\n"
              << "sqlite3 shell .import --csv:           " << shell << " s\n"
              << "ratio (shell / ours, >= 1.0 is at least as fast): " << shell / ours << '\n';
    fs::remove_all(folder);
    return 0;
}
