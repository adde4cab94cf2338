// Editing through a recordset: AddNew, Edit, assignment, Update, Delete.
// Statements are prepared once per set of assigned fields and kept, so a
// long run of AddNew/Update builds no SQL per row.

#include "workbench/cp1252.h"
#include "workbench/engine_errors.h"
#include "workbench/recordset.h"
#include "workbench/sql_dialect.h"

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
    setPosition(position_);
    buffer_.assign(fields_.size(), Value());
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

void Recordset::setValue(int index, const Value& value) {
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
    buffer_[std::size_t(index)] = fitValueToField(value, field, source_.table);
    assigned_[std::size_t(index)] = true;
}

Statement& Recordset::cachedStatement(std::map<std::vector<bool>, Statement>& cache,
                                      const std::string& sql) {
    auto it = cache.find(assigned_);
    if (it == cache.end())
        it = cache.emplace(assigned_, connection_->prepare(sql)).first;
    return it->second;
}

void Recordset::insertRow() {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (fields_[i].required && !fields_[i].autoIncrement && buffer_[i].isNull())
            throw errors::requiredFieldIsNull(source_.table, fields_[i].name);
    std::string columns, values;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        if (!assigned_[i])
            continue;
        columns += (columns.empty() ? "" : ", ") + q(baseColumns_[i]);
        values += values.empty() ? "?" : ", ?";
    }
    std::string sql =
        "INSERT INTO " + q(source_.table) +
        (columns.empty() ? " DEFAULT VALUES" : " (" + columns + ") VALUES (" + values + ")");
    Statement& statement = cachedStatement(insertCache_, sql);
    int parameter = 1;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (assigned_[i])
            statement.bind(parameter++, buffer_[i]);
    statement.step();
    statement.reset();
    keyset().append(connection_->lastInsertRowid());
}

void Recordset::updateRow() {
    std::string assignments;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (assigned_[i])
            assignments += (assignments.empty() ? "" : ", ") + q(baseColumns_[i]) + " = ?";
    if (assignments.empty())
        return;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (assigned_[i] && fields_[i].required && buffer_[i].isNull())
            throw errors::requiredFieldIsNull(source_.table, fields_[i].name);
    Statement& statement = cachedStatement(updateCache_, "UPDATE " + q(source_.table) + " SET " +
                                                             assignments + " WHERE rowid = ?");
    int parameter = 1;
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (assigned_[i])
            statement.bind(parameter++, buffer_[i]);
    statement.bind(parameter, Value(static_cast<long long>(keyset().key(position_))));
    std::int64_t before = connection_->totalChanges();
    statement.step();
    statement.reset();
    if (connection_->totalChanges() == before)
        throw errors::error(errors::recordDeleted);
}

void Recordset::update() {
    ensureOpen();
    if (editMode_ == EditMode::None)
        throw errors::error(errors::updateWithoutEdit);
    if (editMode_ == EditMode::Add)
        insertRow();
    else
        updateRow();
    // The new row joins the end of the recordset; the current row stays.
    setPosition(position_);
}

void Recordset::deleteRecord() {
    requireUpdatable();
    currentRow();
    if (!deleteStatement_)
        deleteStatement_.emplace(
            connection_->prepare("DELETE FROM " + q(source_.table) + " WHERE rowid = ?"));
    deleteStatement_->bind(1, Value(static_cast<long long>(keyset().key(position_))));
    deleteStatement_->step();
    deleteStatement_->reset();
    keyset().erase(position_);
    setPosition(position_);
    currentDeleted_ = true;
}

} // namespace fieldizer::db
