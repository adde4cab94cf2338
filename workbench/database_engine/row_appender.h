#pragma once
// Appending a long run of rows to one table, as AddNew, field assignment and
// Update on a table recordset do, without a statement per row: rows that fill
// the same fields are written together, many to one INSERT, which saves
// SQLite most of its per-statement work. Values are checked on assignment
// exactly as Recordset::setValue checks them.

#include "workbench/database_engine/append_cache.h"
#include "workbench/database_engine/recordset.h"

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

namespace fieldizer::db {

class RowAppender {
  public:
    // Counter fields: numbered by the engine and refused on assignment (3164),
    // as AddNew does; or taking the values given, as an append query may
    // (for rows copied from another database, whose numbers other tables
    // may hold).
    enum class Counters { Numbered, Kept };

    // `table` is an updatable table recordset; it must stay open while the
    // appender is used. It does not see the rows appended (reopen it).
    explicit RowAppender(Recordset& table, Counters counters = Counters::Numbered);
    ~RowAppender();
    RowAppender(const RowAppender&) = delete;
    RowAppender& operator=(const RowAppender&) = delete;

    const std::vector<FieldDef>& fields() const { return table_.fieldDefs(); }

    // Assigns a field of the row being built (text in the program's character
    // set). `text` must stay alive and unchanged until flush(). Throws as
    // Recordset::setValue does (3163 too long, 3315 empty where not allowed,
    // a conversion error, ...), leaving the field unassigned.
    void setText(int index, std::string_view text);
    // Update: checks the required fields (3314) and queues the row; queued
    // rows are written once enough of them wait.
    void endRow();
    // CancelUpdate: drops the row being built.
    void cancelRow();
    // Writes every queued row. On an error, the rows queued before the
    // failing one are written, those after it dropped, and the error thrown.
    void flush();
    // Rows written so far.
    long rowsWritten() const { return rowsWritten_; }

  private:
    struct Cell {
        bool assigned = false;
        std::string_view text; // text fields: the caller's text
        Value value;           // other fields: the value fitted to its field
    };
    struct Statements {
        std::optional<Statement> one;
        std::optional<Statement> many; // batchRows_ rows
    };

    Cell& cell(std::size_t row, int index);
    bool hasQueuedShape(std::size_t row) const;
    Statements& statementsFor(const std::vector<bool>& shape);
    void bindRow(Statement& statement, int firstParameter, std::size_t row);
    void writeOneByOne(Statements& statements, std::size_t from);

    Recordset& table_;
    std::shared_ptr<Connection> connection_; // kept past the table's close
    std::size_t fieldCount_;
    std::size_t batchRows_;
    std::vector<bool> textField_; // of each field: a Text or Memo field
    // Queued rows, then the row being built, fieldCount_ cells each.
    std::vector<Cell> cells_;
    std::size_t queued_ = 0;
    std::vector<bool> queuedShape_;     // the fields the queued rows assign
    std::deque<std::string> converted_; // UTF-8 of non-ASCII texts while bound
    std::map<std::vector<bool>, Statements> statements_;
    long rowsWritten_ = 0;
    Counters counters_;
    std::optional<AppendCache> cache_; // a small page cache while rows are appended
};

} // namespace fieldizer::db
