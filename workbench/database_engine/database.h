#pragma once
// An open database: the program's current one, the program's own
// fieldizer.mdb, or any file the user opens. Objects opened from it
// (recordsets, query definitions) share its connection; after Close they
// refuse their work with error 3420.

#include "workbench/database_engine/connection.h"
#include "workbench/database_engine/query_defs.h"
#include "workbench/database_engine/record_target.h"
#include "workbench/database_engine/recordset.h"
#include "workbench/database_engine/table_defs.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

class Database : public RecordTarget {
  public:
    Database(std::shared_ptr<Connection> connection, std::string connect);

    // The file's path as it was opened; error 3420 once closed.
    const std::filesystem::path& name() const;
    const std::string& connect() const { return connect_; }
    bool isOpen() const { return connection_->isOpen(); }
    void close();

    // Runs action SQL of the Access dialect (also CREATE TABLE and
    // SELECT ... INTO) and returns the number of rows changed.
    long execute(std::string_view sql);
    // The rows changed by the last Execute.
    long recordsAffected() const { return recordsAffected_; }

    // A table name (table recordset by default), a saved query's name, or
    // SQL (dynaset by default). An unknown name is error 3078.
    Recordset openRecordset(std::string_view source, std::optional<RecordsetType> type = {},
                            int options = 0);

    TableDefs& tableDefs() { return tableDefs_; }
    QueryDefs& queryDefs() { return queryDefs_; }
    TableDef createTableDef(std::string name = {}) const { return TableDef(std::move(name)); }
    // A query definition; saved at once under a non-empty name, temporary
    // (never saved) under an empty one.
    QueryDef createQueryDef(std::string name = {}, std::string sql = {});
    // An index on a table's fields; Seek finds rows by it.
    void createIndex(std::string_view table, std::string_view index,
                     const std::vector<std::string>& fields, bool unique = false);

    // Deletes every record of a table (by its name, any letter case); an
    // unknown table is error 3078.
    void emptyTable(std::string_view table) override;
    // Whether a statement of the Access dialect is a SELECT, whose rows
    // openRecordset gives, rather than action SQL for execute.
    bool returnsRecords(std::string_view sql) const;

    // Transactions nest; each commit or rollback ends the innermost one. The
    // outermost takes the write lock at its start, waiting up to the busy
    // timeout for another writer (error 3218 when it does not finish), so a
    // transaction never fails half-way for want of the lock.
    void beginTrans() override;
    void commitTrans() override;
    void rollback() override;

    // Save to Database's view of the file (record_target.h): its tables are
    // those the table definitions list, the rows go in through RowAppender,
    // and what was written before a failure may still be committed.
    std::vector<std::string> tableNames() override;
    std::optional<std::string> findTable(std::string_view name) override;
    void createTable(const TableDef& table) override;
    bool keepsRowsBeforeAFailure() const override { return true; }
    std::unique_ptr<RowWriter> appendRows(const std::string& table) override;

    const std::shared_ptr<Connection>& connection() const { return connection_; }

  private:
    std::shared_ptr<Connection> connection_;
    std::string connect_;
    TableDefs tableDefs_;
    QueryDefs queryDefs_;
    long recordsAffected_ = 0;
};

// A transaction that rolls back unless committed: for work that must be all
// or nothing. The outermost takes the write lock at once, like beginTrans.
class Transaction {
  public:
    explicit Transaction(Database& database) : guard_(*database.connection()) {}
    void commit() { guard_.commit(); }

  private:
    ScopedTransaction guard_;
};

} // namespace fieldizer::db
