// Editing through a recordset: AddNew, Edit, assignment, Update, Delete.
// Statements are prepared once per set of assigned fields and kept, so a
// long run of AddNew/Update builds no SQL per row.

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/recordset.h"
#include "workbench/dialect/sql_dialect.h"

#include <algorithm>

namespace fieldizer::db {
namespace {

std::string q(std::string_view name) {
    return quoteIdentifier(cp1252ToUtf8(name));
}

} // namespace

Keyset& Recordset::keyset() {
    return static_cast<Keyset&>(*rows_);
}

void Recordset::addNew() {
    requireUpdatable();
    currentDeleted_ = false;
    for (Value& value : buffer_)
        value = Value();
    buffer_.resize(fields_.size());
    assigned_.assign(fields_.size(), false);
    editMode_ = EditMode::Add;
}

void Recordset::edit() {
    requireUpdatable();
    Row row = *currentRow();
    buffer_ = std::move(row);
    assigned_.assign(fields_.size(), false);
    editMode_ = EditMode::Edit;
}

void Recordset::cancelUpdate() {
    ensureOpen();
    if (editMode_ == EditMode::None)
        throw errors::error(errors::updateWithoutEdit);
    editMode_ = EditMode::None;
}

void Recordset::setValue(int index, Value value) {
    ensureOpen();
    if (index < 0 || index >= fieldCount())
        throw errors::itemNotInCollection();
    if (!updatable_)
        throw errors::error(errors::readOnly);
    if (editMode_ == EditMode::None)
        throw errors::error(errors::updateWithoutEdit);
    const FieldDef& field = fields_[std::size_t(index)];
    if (field.autoIncrement)
        throw errors::error(errors::fieldNotUpdatable);
    buffer_[std::size_t(index)] = fitValueToField(std::move(value), field, source_.table);
    assigned_[std::size_t(index)] = true;
}

Statement* Recordset::cachedStatement(std::map<std::vector<bool>, Statement>& cache) {
    bool inserting = &cache == &insertCache_;
    if (lastStatement_ && lastInserting_ == inserting && lastAssigned_ == assigned_)
        return lastStatement_;
    auto it = cache.find(assigned_);
    if (it == cache.end())
        return nullptr;
    lastInserting_ = inserting;
    lastAssigned_ = assigned_;
    return lastStatement_ = &it->second;
}

Statement& Recordset::cacheStatement(std::map<std::vector<bool>, Statement>& cache,
                                     const std::string& sql) {
    return cache.emplace(assigned_, connection_->prepare(sql)).first->second;
}

std::string Recordset::insertSql() const {
    std::string columns, values;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!assigned_[i])
            continue;
        columns += (columns.empty() ? "" : ", ") + q(baseColumns_[i]);
        values += values.empty() ? "?" : ", ?";
    }
    return "INSERT INTO " + q(source_.table) +
           (columns.empty() ? " DEFAULT VALUES" : " (" + columns + ") VALUES (" + values + ")");
}

void Recordset::writeRow(Statement& statement) {
    // The values were checked against their fields on assignment; a table
    // with CHECK constraints beyond those rules has SQLite test them too.
    std::optional<CheckedWrites> checked;
    if (!checkedByLayer_)
        checked.emplace(*connection_);
    try {
        statement.step();
    } catch (...) {
        statement.reset();
        throw;
    }
    // Every parameter is bound again before the statement runs next.
    statement.rewind();
}

void Recordset::insertRow() {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].required && !fields_[i].autoIncrement && buffer_[i].isNull())
            throw errors::requiredFieldIsNull(source_.table, fields_[i].name);
    // The statement is built once per set of assigned fields; a run of
    // AddNew/Update that fills the same fields reuses it row after row.
    Statement* statement = cachedStatement(insertCache_);
    if (!statement)
        statement = &cacheStatement(insertCache_, insertSql());
    int parameter = 1;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (assigned_[i])
            statement->bindBorrowed(parameter++, buffer_[i]);
    writeRow(*statement);
    keyset().append(connection_->lastInsertRowid());
}

void Recordset::updateRow() {
    if (std::find(assigned_.begin(), assigned_.end(), true) == assigned_.end())
        return;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (assigned_[i] && fields_[i].required && buffer_[i].isNull())
            throw errors::requiredFieldIsNull(source_.table, fields_[i].name);
    Statement* statement = cachedStatement(updateCache_);
    if (!statement) {
        std::string assignments;
        for (std::size_t i = 0; i < fields_.size(); ++i)
            if (assigned_[i])
                assignments += (assignments.empty() ? "" : ", ") + q(baseColumns_[i]) + " = ?";
        statement = &cacheStatement(updateCache_, "UPDATE " + q(source_.table) + " SET " +
                                                      assignments + " WHERE " + rowKey() + " = ?");
    }
    int parameter = 1;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (assigned_[i])
            statement->bindBorrowed(parameter++, buffer_[i]);
    statement->bind(parameter, Value(static_cast<long long>(keyset().key(position_))));
    std::int64_t before = connection_->totalChanges();
    writeRow(*statement);
    if (connection_->totalChanges() == before)
        throw errors::error(errors::recordDeleted);
}

void Recordset::update() {
    ensureOpen();
    if (editMode_ == EditMode::None)
        throw errors::error(errors::updateWithoutEdit);
    if (editMode_ == EditMode::Add) {
        insertRow();
        // The new row joins the end of the recordset; the current row stays.
        editMode_ = EditMode::None;
    } else {
        updateRow();
        setPosition(position_); // read the changed row again
    }
}

void Recordset::deleteRecord() {
    requireUpdatable();
    currentRow();
    if (!deleteStatement_)
        deleteStatement_.emplace(connection_->prepare("DELETE FROM " + q(source_.table) +
                                                      " WHERE " + rowKey() + " = ?"));
    deleteStatement_->bind(1, Value(static_cast<long long>(keyset().key(position_))));
    deleteStatement_->step();
    deleteStatement_->reset();
    keyset().erase(position_);
    setPosition(position_);
    currentDeleted_ = true;
}

} // namespace fieldizer::db
