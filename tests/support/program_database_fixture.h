#pragma once
// A new program database (fieldizer.mdb) in a scratch folder of its own, for
// tests of the layers that use it.

#include "columns/spec_table.h"
#include "scratch_folder.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <memory>
#include <string>
#include <vector>

namespace fieldizer::testing {

class ProgramDatabase {
  public:
    ProgramDatabase() : path_(folder_.file("fieldizer.mdb")) {
        db::createFieldizerDatabase(path_);
        database_ = db::Workspace().openDatabase(path_, db::ownConnectString);
    }
    ~ProgramDatabase() { database_->close(); }
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
    ScratchFolder folder_;
    std::string path_;
    std::shared_ptr<db::Database> database_;
};

} // namespace fieldizer::testing
