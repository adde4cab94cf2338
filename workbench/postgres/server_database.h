#pragma once
// A database on a PostgreSQL server as Save to Database's target: its tables
// are those visible on the search path, a new table has a varchar field per
// Text field, and rows go in through COPY. A server aborts a transaction at
// its first failure, so nothing of a failed save stays.

#include "workbench/database_engine/record_target.h"
#include "workbench/postgres/server_connection.h"

#include <memory>
#include <string>

namespace fieldizer::db {

class ServerDatabase final : public RecordTarget {
  public:
    // Connects (3029 for a refused login, 3151 for no connection).
    ServerDatabase(const std::string& address, const ServerLogin& login = {});

    // The address as it may be shown: without a password.
    const std::string& shownAddress() const { return shownAddress_; }
    // Runs a statement (in the program's character set) that returns no rows.
    void execute(const std::string& sql);

    std::vector<std::string> tableNames() override;
    std::optional<std::string> findTable(std::string_view name) override;
    void createTable(const TableDef& table) override;
    void emptyTable(std::string_view table) override;
    void beginTrans() override;
    void commitTrans() override;
    void rollback() override;
    bool keepsRowsBeforeAFailure() const override { return false; }
    std::unique_ptr<RowWriter> appendRows(const std::string& table) override;

  private:
    ServerConnection connection_;
    std::string shownAddress_;
    int depth_ = 0; // transactions open: the outermost is BEGIN, the others savepoints
};

} // namespace fieldizer::db
