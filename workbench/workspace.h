#pragma once
// The workspace that opens databases, and the one current database the
// program's windows share (an object handed to them, not a global).

#include "workbench/database_engine/database.h"

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace fieldizer::db {

// The parts of a connect string ";UID=user;PWD=password". SQLite files hold
// no user accounts, so both are accepted and kept, never checked.
struct ConnectString {
    std::string user;
    std::string password;
};
ConnectString parseConnectString(std::string_view connect);

class Workspace {
  public:
    // Opens an existing database file; never creates one. A missing file is
    // error 3024; a folder 3044; a file that is not a sound SQLite database
    // (another engine's format, random bytes, a damaged or truncated file)
    // 3343.
    std::shared_ptr<Database> openDatabase(const std::filesystem::path& path,
                                           std::string_view connect = {}) const;
    // Creates a new, empty database file; 3204 when the file exists.
    std::shared_ptr<Database> createDatabase(const std::filesystem::path& path) const;
};

class CurrentDatabase {
  public:
    // Makes `database` current; the previous one is closed first, as the
    // program never holds two current databases.
    void replace(std::shared_ptr<Database> database);
    void close();
    bool isOpen() const { return database_ && database_->isOpen(); }
    // The current database; error 3420 when none is open.
    Database& get() const;
    std::shared_ptr<Database> shared() const { return database_; }

  private:
    std::shared_ptr<Database> database_;
};

} // namespace fieldizer::db
