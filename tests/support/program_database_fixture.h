#pragma once
// A new program database (fieldizer.mdb) in a temporary folder of its own,
// removed afterwards, for tests of the layers that use it.

#include "columns/spec_table.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fieldizer::testing {

class ProgramDatabase {
  public:
    ProgramDatabase() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("fieldizer-test-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "fieldizer.mdb").string();
        db::createFieldizerDatabase(path_);
        database_ = db::Workspace().openDatabase(path_, db::ownConnectString);
    }
    ~ProgramDatabase() {
        database_->close();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    ProgramDatabase(const ProgramDatabase&) = delete;
    ProgramDatabase& operator=(const ProgramDatabase&) = delete;

    db::Database& operator*() { return *database_; }
    db::Database* operator->() { return database_.get(); }
    const std::string& path() const { return path_; }

    // Closes and opens the file again, as the next run of the program would.
    void reopen() {
        database_->close();
        database_ = db::Workspace().openDatabase(path_, db::ownConnectString);
    }

    ColumnSpecs working() { return readColumnSpecs(*database_, db::specificationTable); }
    void setWorking(const ColumnSpecs& specs) {
        database_->execute("delete * from fieldize_settings");
        appendColumnSpecs(*database_, db::specificationTable, specs);
    }

    // Every row of `table`, each value written out, "<null>" for Null.
    std::vector<std::vector<std::string>> rows(const std::string& table) {
        std::vector<std::vector<std::string>> rows;
        db::Recordset records = database_->openRecordset(table, db::RecordsetType::Table);
        for (; !records.eof(); records.moveNext()) {
            std::vector<std::string> row;
            for (int i = 0; i < records.fieldCount(); ++i) {
                const db::Value value = records.value(i);
                row.push_back(value.isNull() ? "<null>" : value.toText());
            }
            rows.push_back(std::move(row));
        }
        return rows;
    }

  private:
    std::filesystem::path folder_;
    std::string path_;
    std::shared_ptr<db::Database> database_;
};

} // namespace fieldizer::testing
