#pragma once
// A scratch program database for Save to Database tests, and the rows of a
// table written out for comparison.

#include "columns/save_to_database.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace fieldizer::testing {

class SaveFixtureDatabase {
  public:
    SaveFixtureDatabase() {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() /
                  ("fieldizer-save-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        path_ = (folder_ / "fieldizer.mdb").string();
        db::createFieldizerDatabase(path_);
        database_ = db::Workspace().openDatabase(path_, db::ownConnectString);
    }
    ~SaveFixtureDatabase() {
        database_->close();
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    SaveFixtureDatabase(const SaveFixtureDatabase&) = delete;
    SaveFixtureDatabase& operator=(const SaveFixtureDatabase&) = delete;

    db::Database& database() { return *database_; }
    const std::string& path() const { return path_; }
    SaveTarget target() { return SaveTarget{database_.get(), path_}; }

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
