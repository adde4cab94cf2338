#pragma once
// A recordset: the rows of a table or query, one current row at a time.
// Table recordsets (type 1) and dynasets (type 2) over a table, or over a
// query on one table, can be edited; every other recordset is read-only and
// refuses edits with 3027. Positions are 0-based; text is in the program's
// character set.

#include "workbench/database_engine/row_source.h"
#include "workbench/database_engine/table_def.h"

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

enum class RecordsetType { Table = 1, Dynaset = 2, Snapshot = 4, ForwardOnly = 8 };

// OpenRecordset options that change behaviour here; the others are accepted.
namespace recordsetOption {
inline constexpr int readOnly = 4;
}

enum class EditMode { None, Edit, Add };

class Recordset;

// One field of the current row: Fields(name or index) of a recordset.
class Field {
  public:
    Field(Recordset& recordset, int index) : recordset_(&recordset), index_(index) {}
    const std::string& name() const;
    int type() const;
    int size() const;
    Value value() const;
    void setValue(const Value& value);
    Field& operator=(const Value& value) {
        setValue(value);
        return *this;
    }

  private:
    Recordset* recordset_;
    int index_;
};

// What a recordset is opened on; made by Database and QueryDef.
struct RecordsetSource {
    // The table whose rows are edited; empty for a read-only query.
    std::string table;
    // The SQLite SELECT whose rows are shown. For a table: empty (all of its
    // fields); for an editable query, every column comes from `table` and
    // `baseColumns` names them.
    std::string querySql;
    std::vector<std::string> baseColumns;
    // For an editable query: `querySql` with the rowid as an extra first
    // column named fieldizer_rowid_.
    std::string keyedSql;
    Bindings bindings;
    std::vector<std::string> filters; // SQLite conditions, all must hold
    std::string orderBy;              // SQLite ORDER BY body
};

class Recordset {
  public:
    // Opens on a table (`source.table` set, `querySql` empty) or a query.
    Recordset(std::shared_ptr<Connection> connection, RecordsetSource source, RecordsetType type,
              int options = 0);
    Recordset(Recordset&&) noexcept;
    Recordset& operator=(Recordset&&) noexcept;
    ~Recordset();

    RecordsetType type() const { return type_; }
    bool updatable() const { return updatable_; }

    bool eof();
    bool bof() const;
    void moveFirst();
    void moveLast();
    void moveNext();
    void movePrevious();
    void move(long rows);
    long recordCount() const;
    long absolutePosition();
    void setAbsolutePosition(long position);

    int fieldCount() const { return int(fields_.size()); }
    Field field(int index);             // 3265 when out of range
    Field field(std::string_view name); // any letter case; 3265 when absent
    const std::vector<FieldDef>& fieldDefs() const { return fields_; }
    Value value(int index); // of the current row, or of the edit buffer
    void setValue(int index, Value value);

    void addNew();
    void edit();
    void update();
    void cancelUpdate();
    void deleteRecord(); // Delete: removes the current row
    EditMode editMode() const { return editMode_; }
    void close();
    bool isOpen() const { return connection_ != nullptr; }

    // Table recordsets only: the index for Seek, and Seek itself with one of
    // "=", "<", "<=", ">", ">=" on the index's leading fields.
    void setIndex(std::string_view indexName);
    void seek(std::string_view comparison, const std::vector<Value>& keys);
    bool noMatch() const { return noMatch_; }

    // Not on table recordsets: criteria and order for the next OpenRecordset.
    void setFilter(std::string filter);
    void setSort(std::string sort);
    Recordset openRecordset(RecordsetType type = RecordsetType::Dynaset);

    void requery();

    // Memory held for row identities (the dynaset's keyset), in bytes.
    std::size_t bytesHeld() const;

  private:
    friend class RowAppender; // appends through the table's own connection and rules

    void open();
    void describeColumns();
    std::string keySql();
    std::string rowSql();
    // The name of the edited table's row number (row_key.h), read once.
    const std::string& rowKey();
    std::string cursorSql() const;
    void ensureOpen() const;
    void requireUpdatable() const;
    void setPosition(long position);
    std::optional<Row>& currentRow();
    Keyset& keyset();
    void insertRow();
    void writeRow(Statement& statement);
    void updateRow();
    Statement* cachedStatement(std::map<std::vector<bool>, Statement>& cache);
    Statement& cacheStatement(std::map<std::vector<bool>, Statement>& cache,
                              const std::string& sql);
    std::string insertSql() const;

    std::shared_ptr<Connection> connection_;
    RecordsetSource source_;
    RecordsetType type_;
    bool updatable_ = false;
    bool checkedByLayer_ = false; // the table's CHECKs are just the field rules
    std::vector<FieldDef> fields_;
    std::vector<std::string> baseColumns_; // table column of each field
    std::unique_ptr<RowSource> rows_;
    long position_ = 0;
    bool currentDeleted_ = false;
    std::optional<std::optional<Row>> current_; // loaded row; inner empty = deleted
    EditMode editMode_ = EditMode::None;
    Row buffer_;
    std::vector<bool> assigned_;
    std::map<std::vector<bool>, Statement> insertCache_;
    std::map<std::vector<bool>, Statement> updateCache_;
    std::optional<Statement> deleteStatement_;
    // The statement used last, found again without a search.
    bool lastInserting_ = false;
    std::vector<bool> lastAssigned_;
    Statement* lastStatement_ = nullptr;
    std::vector<std::string> indexFields_;
    std::string rowKey_; // empty until read
    bool noMatch_ = false;
    std::string filter_;
    std::string sort_;
};

} // namespace fieldizer::db
