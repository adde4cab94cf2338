#include "workbench/database_engine/row_source.h"

#include "workbench/database_engine/engine_errors.h"

#include <algorithm>

namespace fieldizer::db {

void bindAll(Statement& statement, const Bindings& bindings) {
    for (const auto& [name, value] : bindings)
        statement.bindNamed(name, value);
}

Keyset::Keyset(std::shared_ptr<Connection> connection, std::string keySql, std::string rowSql,
               Bindings bindings)
    : connection_(std::move(connection)), keySql_(std::move(keySql)),
      bindings_(std::move(bindings)), rowStatement_(connection_->prepare(rowSql)) {
    reload();
}

void Keyset::reload() {
    Statement statement = connection_->prepare(keySql_);
    bindAll(statement, bindings_);
    KeyList keys;
    while (statement.step())
        keys.push_back(statement.columnInteger(0));
    keys.shrinkToFit();
    keys_ = std::move(keys);
}

std::optional<Row> Keyset::row(long index) {
    rowStatement_.reset();
    rowStatement_.bind(1, Value(static_cast<long long>(key(index))));
    if (!rowStatement_.step())
        return std::nullopt;
    Row row;
    row.reserve(std::size_t(rowStatement_.columnCount()));
    for (int i = 0; i < rowStatement_.columnCount(); ++i)
        row.push_back(rowStatement_.column(i));
    rowStatement_.reset();
    return row;
}

std::optional<long> Keyset::find(std::int64_t key) const {
    if (auto index = keys_.find(key))
        return long(*index);
    return std::nullopt;
}

Cursor::Cursor(std::shared_ptr<Connection> connection, std::string sql, Bindings bindings,
               bool forwardOnly)
    : connection_(std::move(connection)), sql_(std::move(sql)), bindings_(std::move(bindings)),
      forwardOnly_(forwardOnly) {
    reload();
}

void Cursor::reload() {
    statement_.reset();
    statement_.emplace(connection_->prepare(sql_));
    bindAll(*statement_, bindings_);
    rows_.clear();
    first_ = 0;
    finished_ = false;
}

void Cursor::letGoBefore(long index) {
    const auto behind = std::min(std::size_t(std::max(0L, index - first_)), rows_.size());
    rows_.erase(rows_.begin(), rows_.begin() + long(behind));
    first_ += long(behind);
}

bool Cursor::reach(long index) {
    if (index >= 0 && index < first_)
        throw errors::error(errors::notSupported);
    if (forwardOnly_)
        letGoBefore(index);
    while (!finished_ && knownCount() <= index) {
        if (!statement_->step()) {
            // Resetting ends the statement's read of the file, so a finished
            // recordset holds no lock that would keep others from writing.
            statement_->reset();
            finished_ = true;
            break;
        }
        Row row;
        for (int i = 0; i < statement_->columnCount(); ++i)
            row.push_back(statement_->column(i));
        rows_.push_back(std::move(row));
    }
    return index >= 0 && index < knownCount();
}

} // namespace fieldizer::db
