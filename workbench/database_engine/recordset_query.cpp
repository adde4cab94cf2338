// Index and Seek on table recordsets; Filter and Sort for new recordsets.

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/recordset.h"
#include "workbench/database_engine/schema.h"
#include "workbench/database_engine/translation.h"
#include "workbench/dialect/sql_dialect.h"

namespace fieldizer::db {
namespace {

std::string q(std::string_view name) {
    return quoteIdentifier(cp1252ToUtf8(name));
}

bool descending(std::string_view comparison) {
    return comparison[0] == '<';
}

} // namespace

void Recordset::setIndex(std::string_view indexName) {
    ensureOpen();
    if (type_ != RecordsetType::Table)
        throw errors::error(errors::notSupported);
    std::vector<std::string> fields = indexColumns(*connection_, source_.table, indexName);
    if (fields.empty())
        throw RuntimeError(errors::notAnIndex,
                           "'" + std::string(indexName) + "' is not an index in this table.");
    indexFields_ = std::move(fields);
    open();
}

void Recordset::seek(std::string_view comparison, const std::vector<Value>& keys) {
    ensureOpen();
    if (type_ != RecordsetType::Table)
        throw errors::error(errors::notSupported);
    if (indexFields_.empty())
        throw errors::error(errors::noCurrentIndex);
    bool known = comparison == "=" || comparison == "<" || comparison == "<=" ||
                 comparison == ">" || comparison == ">=";
    if (!known || keys.empty() || keys.size() > indexFields_.size())
        throw errors::error(errors::invalidArgument);
    std::string columns, parameters, order;
    const char* direction = descending(comparison) ? " DESC" : "";
    for (std::size_t i = 0; i < keys.size(); ++i) {
        columns += (i ? ", " : "") + q(indexFields_[i]);
        parameters += i ? ", ?" : "?";
    }
    for (const std::string& field : indexFields_)
        order += q(field) + direction + ", ";
    const std::string& key = rowKey();
    Statement statement =
        connection_->prepare("SELECT " + key + " FROM " + q(source_.table) + " WHERE (" + columns +
                             ") " + std::string(comparison) + " (" + parameters + ") ORDER BY " +
                             order + key + direction + " LIMIT 1");
    for (std::size_t i = 0; i < keys.size(); ++i)
        statement.bind(int(i) + 1, keys[i]);
    std::optional<long> position;
    if (statement.step())
        position = keyset().find(statement.columnInteger(0));
    noMatch_ = !position;
    if (position)
        setPosition(*position);
}

void Recordset::setFilter(std::string filter) {
    ensureOpen();
    if (type_ == RecordsetType::Table)
        throw errors::error(errors::notSupported);
    filter_ = std::move(filter);
}

void Recordset::setSort(std::string sort) {
    ensureOpen();
    if (type_ == RecordsetType::Table)
        throw errors::error(errors::notSupported);
    sort_ = std::move(sort);
}

Recordset Recordset::openRecordset(RecordsetType type) {
    ensureOpen();
    if (type_ == RecordsetType::Table && (!filter_.empty() || !sort_.empty()))
        throw errors::error(errors::notSupported);
    if (type == RecordsetType::Table)
        throw errors::error(errors::invalidOperation);
    RecordsetSource source = source_;
    if (!filter_.empty())
        source.filters.push_back(translated(
            filter_, [](std::string_view utf8) { return translateAccessExpression(utf8); }));
    if (!sort_.empty())
        source.orderBy =
            translated(sort_, [](std::string_view utf8) { return translateAccessSort(utf8); });
    return Recordset(connection_, std::move(source), type,
                     updatable_ ? 0 : recordsetOption::readOnly);
}

} // namespace fieldizer::db
