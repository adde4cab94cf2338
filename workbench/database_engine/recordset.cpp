#include "workbench/database_engine/recordset.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/date_text.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/row_key.h"
#include "workbench/database_engine/schema.h"
#include "workbench/dialect/sql_dialect.h"

#include <algorithm>
#include <sqlite3.h>

namespace fieldizer::db {
namespace {

std::string q(std::string_view name) {
    return quoteIdentifier(cp1252ToUtf8(name));
}

std::string whereClause(const std::vector<std::string>& filters) {
    std::string sql;
    for (const std::string& filter : filters)
        sql += (sql.empty() ? " WHERE (" : " AND (") + filter + ")";
    return sql;
}

// The type of a computed column, told by the value in its first row.
FieldDef computedField(const char* declared, const Value* first) {
    if (declared)
        return fieldFromDeclaredType(declared);
    FieldDef field = fieldFromDeclaredType("");
    if (first && first->isInteger()) {
        field.type = fieldType::longInteger;
        if (first->integer() < -2147483648LL || first->integer() > 2147483647LL)
            field.type = fieldType::doubleFloat;
    } else if (first && first->isDouble()) {
        field.type = fieldType::doubleFloat;
    } else if (first && first->isText() && serialFromStored(first->text())) {
        field.type = fieldType::dateTime; // a computed date, such as OrderDate + 7
    }
    field.size = isTextType(field.type) ? 0 : storageSize(field.type);
    return field;
}

// SELECT * over a join can name a field twice (Orders.ProductID and
// Products.ProductID): such fields carry their table's name, as in the engine.
void qualifyRepeatedNames(std::vector<FieldDef>& fields, const std::vector<std::string>& tables) {
    auto repeated = [&](const std::string& name) {
        return std::count_if(fields.begin(), fields.end(),
                             [&](const FieldDef& f) { return sameAccessWord(f.name, name); }) > 1;
    };
    std::vector<std::size_t> renamed;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (!tables[i].empty() && repeated(fields[i].name))
            renamed.push_back(i);
    }
    for (std::size_t i : renamed)
        fields[i].name = tables[i] + "." + fields[i].name;
}

} // namespace

const std::string& Field::name() const {
    return recordset_->fieldDefs()[std::size_t(index_)].name;
}
int Field::type() const {
    return recordset_->fieldDefs()[std::size_t(index_)].type;
}
int Field::size() const {
    return recordset_->fieldDefs()[std::size_t(index_)].size;
}
Value Field::value() const {
    return recordset_->value(index_);
}
void Field::setValue(const Value& value) {
    recordset_->setValue(index_, value);
}

Recordset::Recordset(std::shared_ptr<Connection> connection, RecordsetSource source,
                     RecordsetType type, int options)
    : connection_(std::move(connection)), source_(std::move(source)), type_(type) {
    connection_->ensureOpen();
    bool editable = !source_.table.empty() && type_ != RecordsetType::Snapshot &&
                    type_ != RecordsetType::ForwardOnly;
    updatable_ = editable && (options & recordsetOption::readOnly) == 0;
    if (type_ == RecordsetType::Table && (source_.table.empty() || !source_.querySql.empty()))
        throw errors::error(errors::invalidOperation);
    describeColumns();
    checkedByLayer_ = updatable_ && checksAreFieldRules(*connection_, source_.table);
    open();
}

Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;
Recordset::~Recordset() = default;

void Recordset::describeColumns() {
    if (source_.querySql.empty()) {
        auto table = readTableDef(*connection_, source_.table);
        if (!table)
            throw errors::inputTableOrQueryNotFound(source_.table);
        source_.table = table->name();
        for (const FieldDef& field : table->fields()) {
            fields_.push_back(field);
            baseColumns_.push_back(field.name);
        }
        return;
    }
    Statement statement = connection_->prepare(source_.querySql);
    bindAll(statement, source_.bindings);
    std::optional<Row> first;
    std::map<std::string, std::optional<TableDef>> tables;
    std::vector<std::string> columnTables;
    for (int i = 0; i < statement.columnCount(); ++i) {
        sqlite3_stmt* handle = statement.handle();
        const char* table = sqlite3_column_table_name(handle, i);
        columnTables.push_back(table ? utf8ToCp1252(table) : "");
        const char* origin = sqlite3_column_origin_name(handle, i);
        std::optional<FieldDef> field;
        if (table && origin) {
            std::string name = utf8ToCp1252(table);
            if (!tables.count(name))
                tables[name] = readTableDef(*connection_, name);
            if (auto& def = tables[name]; def && def->fields().indexOf(utf8ToCp1252(origin)))
                field = def->fields()[utf8ToCp1252(origin)];
        }
        if (!field) {
            if (!first && statement.step()) {
                first.emplace();
                for (int c = 0; c < statement.columnCount(); ++c)
                    first->push_back(statement.column(c));
            }
            field = computedField(sqlite3_column_decltype(handle, i),
                                  first ? &(*first)[std::size_t(i)] : nullptr);
        }
        field->name = utf8ToCp1252(sqlite3_column_name(handle, i));
        fields_.push_back(*field);
    }
    qualifyRepeatedNames(fields_, columnTables);
    baseColumns_ = source_.baseColumns;
}

const std::string& Recordset::rowKey() {
    if (rowKey_.empty())
        rowKey_ = rowKeyName(*connection_, source_.table);
    return rowKey_;
}

std::string Recordset::keySql() {
    std::string order = source_.orderBy;
    if (!indexFields_.empty()) {
        for (const std::string& field : indexFields_)
            order += (order.empty() ? "" : ", ") + q(field);
        order += ", " + rowKey();
    }
    if (!source_.querySql.empty() && source_.filters.empty() && order.empty())
        return source_.keyedSql; // the query's own order; its rowid is column 0
    std::string sql;
    if (source_.querySql.empty())
        sql = "SELECT " + rowKey() + " FROM " + q(source_.table) + whereClause(source_.filters);
    else
        sql = "SELECT fieldizer_rowid_ FROM (" + source_.keyedSql + ")" +
              whereClause(source_.filters);
    return order.empty() ? sql : sql + " ORDER BY " + order;
}

std::string Recordset::rowSql() {
    std::string columns;
    for (const std::string& column : baseColumns_)
        columns += (columns.empty() ? "" : ", ") + q(column);
    return "SELECT " + columns + " FROM " + q(source_.table) + " WHERE " + rowKey() + " = ?";
}

std::string Recordset::cursorSql() const {
    std::string sql = source_.querySql.empty() ? "SELECT * FROM " + q(source_.table)
                                               : "SELECT * FROM (" + source_.querySql + ")";
    sql += whereClause(source_.filters);
    return source_.orderBy.empty() ? sql : sql + " ORDER BY " + source_.orderBy;
}

void Recordset::open() {
    if (!source_.table.empty() && type_ != RecordsetType::Snapshot &&
        type_ != RecordsetType::ForwardOnly)
        rows_ = std::make_unique<Keyset>(connection_, keySql(), rowSql(), source_.bindings);
    else
        rows_ = std::make_unique<Cursor>(connection_, cursorSql(), source_.bindings,
                                         type_ == RecordsetType::ForwardOnly);
    editMode_ = EditMode::None;
    rows_->reach(0);
    setPosition(0);
}

void Recordset::ensureOpen() const {
    if (!connection_)
        throw errors::error(errors::objectInvalid);
    connection_->ensureOpen();
}

void Recordset::requireUpdatable() const {
    ensureOpen();
    if (!updatable_)
        throw errors::error(errors::readOnly);
}

void Recordset::setPosition(long position) {
    position_ = position;
    current_.reset();
    currentDeleted_ = false;
    editMode_ = EditMode::None;
}

bool Recordset::eof() {
    ensureOpen();
    return position_ >= 0 && !rows_->reach(position_);
}

bool Recordset::bof() const {
    return position_ < 0 || (position_ == 0 && rows_->knownCount() == 0);
}

void Recordset::moveFirst() {
    ensureOpen();
    if (!rows_->reach(0))
        throw errors::error(errors::noCurrentRecord);
    setPosition(0);
}

void Recordset::moveLast() {
    ensureOpen();
    if (!rows_->reach(0))
        throw errors::error(errors::noCurrentRecord);
    while (rows_->reach(rows_->knownCount())) {
    }
    setPosition(rows_->knownCount() - 1);
}

void Recordset::moveNext() {
    if (eof())
        throw errors::error(errors::noCurrentRecord);
    // After Delete the next row has moved into the deleted one's place.
    long next = currentDeleted_ ? position_ : position_ + 1;
    rows_->reach(next);
    setPosition(next);
}

void Recordset::movePrevious() {
    ensureOpen();
    if (bof())
        throw errors::error(errors::noCurrentRecord);
    setPosition(position_ - 1);
}

void Recordset::move(long rows) {
    if (rows == 0)
        return;
    if ((rows > 0 && eof()) || (rows < 0 && bof()))
        throw errors::error(errors::noCurrentRecord);
    long target = position_ + rows - (currentDeleted_ && rows > 0 ? 1 : 0);
    if (target < 0)
        target = -1;
    else if (!rows_->reach(target))
        target = rows_->knownCount();
    setPosition(target);
}

long Recordset::recordCount() const {
    if (!connection_)
        throw errors::error(errors::objectInvalid);
    return rows_->knownCount();
}

long Recordset::absolutePosition() {
    ensureOpen();
    if (position_ < 0 || currentDeleted_ || !rows_->reach(position_))
        return -1;
    return position_;
}

void Recordset::setAbsolutePosition(long position) {
    ensureOpen();
    if (position < 0 || !rows_->reach(position))
        throw errors::error(errors::invalidArgument);
    setPosition(position);
}

std::optional<Row>& Recordset::currentRow() {
    if (currentDeleted_)
        throw errors::error(errors::recordDeleted);
    if (position_ < 0 || !rows_->reach(position_))
        throw errors::error(errors::noCurrentRecord);
    if (!current_)
        current_ = rows_->row(position_);
    if (!*current_)
        throw errors::error(errors::recordDeleted);
    return *current_;
}

Field Recordset::field(int index) {
    if (index < 0 || index >= fieldCount())
        throw errors::itemNotInCollection();
    return Field(*this, index);
}

Field Recordset::field(std::string_view name) {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (sameName(fields_[i].name, name))
            return Field(*this, int(i));
    throw errors::itemNotInCollection();
}

Value Recordset::value(int index) {
    ensureOpen();
    if (index < 0 || index >= fieldCount())
        throw errors::itemNotInCollection();
    if (editMode_ != EditMode::None)
        return buffer_[std::size_t(index)];
    return (*currentRow())[std::size_t(index)];
}

void Recordset::close() {
    rows_.reset();
    lastStatement_ = nullptr;
    insertCache_.clear();
    updateCache_.clear();
    deleteStatement_.reset();
    connection_.reset();
}

std::size_t Recordset::bytesHeld() const {
    auto keyset = dynamic_cast<const Keyset*>(rows_.get());
    return keyset ? keyset->bytesHeld() : 0;
}

void Recordset::requery() {
    ensureOpen();
    rows_->reload();
    rows_->reach(0);
    setPosition(0);
}

} // namespace fieldizer::db
