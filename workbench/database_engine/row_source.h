#pragma once
// Where a recordset's rows come from. A keyset holds only the rowids of its
// rows (4 bytes a row, 8 where rowids pass 32 bits) and reads a row when it becomes current, so
// editing dynasets and table recordsets stay small on any table; a cursor steps through a query's
// result, keeping the rows it has read, for read-only recordsets.

#include "workbench/database_engine/connection.h"
#include "workbench/database_engine/key_list.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace fieldizer::db {

using Row = std::vector<Value>;
using Bindings = std::vector<std::pair<std::string, Value>>; // ":p1" -> value

class RowSource {
  public:
    virtual ~RowSource() = default;
    // Rows known so far; a keyset knows all of them from the start.
    virtual long knownCount() const = 0;
    // Makes row `index` known if it exists; false when the rows end first.
    virtual bool reach(long index) = 0;
    // The row at a known index; nothing when it was deleted meanwhile.
    virtual std::optional<Row> row(long index) = 0;
    virtual void reload() = 0;
};

// Rowids from `keySql` (one column, the rowid), rows read by `rowSql` (the
// columns, with one parameter: the rowid).
class Keyset final : public RowSource {
  public:
    Keyset(std::shared_ptr<Connection> connection, std::string keySql, std::string rowSql,
           Bindings bindings);

    long knownCount() const override { return long(keys_.size()); }
    bool reach(long index) override { return index >= 0 && index < knownCount(); }
    std::optional<Row> row(long index) override;
    void reload() override;

    std::int64_t key(long index) const { return keys_[std::size_t(index)]; }
    void append(std::int64_t key) { keys_.push_back(key); }
    void erase(long index) { keys_.erase(std::size_t(index)); }
    std::optional<long> find(std::int64_t key) const;
    std::size_t bytesHeld() const { return keys_.bytesHeld(); }

  private:
    std::shared_ptr<Connection> connection_;
    std::string keySql_;
    Bindings bindings_;
    Statement rowStatement_;
    KeyList keys_;
};

class Cursor final : public RowSource {
  public:
    // A forward-only cursor keeps only the rows from the last one reached
    // on: a long read holds one row, not all it has passed. Reaching back
    // to a row let go is 3251.
    Cursor(std::shared_ptr<Connection> connection, std::string sql, Bindings bindings,
           bool forwardOnly = false);

    long knownCount() const override { return first_ + long(rows_.size()); }
    bool reach(long index) override;
    std::optional<Row> row(long index) override { return rows_[std::size_t(index - first_)]; }
    void reload() override;

    // The statement, for describing its columns.
    Statement& statement() { return *statement_; }

  private:
    void letGoBefore(long index);

    std::shared_ptr<Connection> connection_;
    std::string sql_;
    Bindings bindings_;
    std::optional<Statement> statement_;
    std::vector<Row> rows_; // from row first_ on
    long first_ = 0;
    bool forwardOnly_;
    bool finished_ = false;
};

void bindAll(Statement& statement, const Bindings& bindings);

} // namespace fieldizer::db
