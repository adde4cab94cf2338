#pragma once
// Where Save to Database writes its records: a database that lists its
// tables, creates one from a description, and takes a long run of new rows
// inside a transaction. The program's own kind of database (Database) is
// one; a database server is another. The writers above know only this.

#include "workbench/database_engine/field_type.h"
#include "workbench/database_engine/table_def.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

// New rows for one table, built field by field as AddNew, assignment and
// Update would build them.
class RowWriter {
  public:
    virtual ~RowWriter() = default;
    // The table's fields in order.
    virtual const std::vector<FieldDef>& fields() const = 0;
    // Assigns a field of the row being built (text in the program's character
    // set); `text` must stay alive and unchanged until flush(). Throws 3163
    // for a value too long for its field, leaving the field unassigned.
    virtual void setText(int index, std::string_view text) = 0;
    // Queues the row being built.
    virtual void endRow() = 0;
    // Drops the row being built.
    virtual void cancelRow() = 0;
    // Writes every queued row; throws what the database refuses.
    virtual void flush() = 0;
};

class RecordTarget {
  public:
    virtual ~RecordTarget() = default;
    // The tables a user may write into, in the database's order, read anew.
    virtual std::vector<std::string> tableNames() = 0;
    // The table of that name without regard to letter case, as the database
    // spells it; nothing when there is none.
    virtual std::optional<std::string> findTable(std::string_view name) = 0;
    // Creates the table the description gives (Text fields with their sizes).
    virtual void createTable(const TableDef& table) = 0;
    // Removes every record of the table.
    virtual void emptyTable(std::string_view table) = 0;
    // Transactions nest; each commit or rollback ends the innermost one.
    virtual void beginTrans() = 0;
    virtual void commitTrans() = 0;
    virtual void rollback() = 0;
    // Whether the rows written before a failure of the database can still be
    // committed; a server that aborts the whole transaction cannot.
    virtual bool keepsRowsBeforeAFailure() const = 0;
    // New rows for `table` (which exists), for the transaction under way.
    virtual std::unique_ptr<RowWriter> appendRows(const std::string& table) = 0;
};

// Begins a transaction and rolls it back unless committed.
class TargetTransaction {
  public:
    explicit TargetTransaction(RecordTarget& target) : target_(target) { target_.beginTrans(); }
    ~TargetTransaction() {
        if (open_) {
            try {
                target_.rollback();
            } catch (...) {
                // The transaction's own failure is the error being reported.
            }
        }
    }
    TargetTransaction(const TargetTransaction&) = delete;
    TargetTransaction& operator=(const TargetTransaction&) = delete;
    void commit() {
        open_ = false;
        target_.commitTrans();
    }

  private:
    RecordTarget& target_;
    bool open_ = true;
};

} // namespace fieldizer::db
