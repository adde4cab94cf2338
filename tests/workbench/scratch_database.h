#pragma once
// A new, empty database file in a scratch folder of its own, opened, for the
// tests of the database layer.

#include "runtime_error_checks.h"
#include "scratch_folder.h"
#include "workbench/workspace.h"

#include <memory>
#include <string>

namespace fieldizer::db::testing {

using ::fieldizer::testing::ScratchFolder;

class ScratchDatabase {
  public:
    ScratchDatabase() : path_(folder_.file("test.mdb")) {
        database_ = Workspace().createDatabase(path_);
    }
    Database& operator*() { return *database_; }
    Database* operator->() { return database_.get(); }
    const std::string& path() const { return path_; }
    const ScratchFolder& folder() const { return folder_; }
    // Closes and opens the file again, as the next run of the program would.
    void reopen() {
        database_->close();
        database_ = Workspace().openDatabase(path_);
    }

  private:
    ScratchFolder folder_;
    std::string path_;
    std::shared_ptr<Database> database_;
};

} // namespace fieldizer::db::testing
