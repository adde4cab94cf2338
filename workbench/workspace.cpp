#include "workbench/workspace.h"

#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/table_def.h"
#include "workbench/functions/sql_functions.h"

#include <filesystem>

namespace fieldizer::db {

ConnectString parseConnectString(std::string_view connect) {
    ConnectString result;
    while (!connect.empty()) {
        std::size_t end = connect.find(';');
        std::string_view part = connect.substr(0, end);
        connect = end == connect.npos ? std::string_view() : connect.substr(end + 1);
        std::size_t equals = part.find('=');
        if (equals == part.npos)
            continue;
        std::string_view key = part.substr(0, equals);
        if (sameName(key, "UID"))
            result.user = part.substr(equals + 1);
        else if (sameName(key, "PWD"))
            result.password = part.substr(equals + 1);
    }
    return result;
}

namespace {

// The engine's connection is bare; every connection the program works with
// also runs translated SQL, which calls the Access functions.
std::shared_ptr<Connection> openWithFunctions(const std::filesystem::path& path, bool create) {
    std::shared_ptr<Connection> connection = Connection::open(path, create);
    registerAccessFunctions(connection->handle());
    return connection;
}

} // namespace

std::shared_ptr<Database> Workspace::openDatabase(const std::filesystem::path& path,
                                                  std::string_view connect) const {
    return std::make_shared<Database>(openWithFunctions(path, false), std::string(connect));
}

std::shared_ptr<Database> Workspace::createDatabase(const std::filesystem::path& path) const {
    std::error_code error;
    if (path.empty())
        throw errors::notAValidPath(path);
    if (std::filesystem::exists(path, error) || error)
        throw RuntimeError(errors::databaseExists, "Database already exists.");
    auto connection = openWithFunctions(path, true);
    // SQLite writes nothing until asked to; a database file with no page
    // would read as empty, and an empty file is refused on opening.
    connection->exec("PRAGMA user_version = 0");
    return std::make_shared<Database>(std::move(connection), std::string());
}

void CurrentDatabase::replace(std::shared_ptr<Database> database) {
    close();
    database_ = std::move(database);
}

void CurrentDatabase::close() {
    if (database_)
        database_->close();
    database_.reset();
}

Database& CurrentDatabase::get() const {
    if (!isOpen())
        throw errors::error(errors::objectInvalid);
    return *database_;
}

} // namespace fieldizer::db
