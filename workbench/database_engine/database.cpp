#include "workbench/database_engine/database.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/schema.h"
#include "workbench/database_engine/statement_runner.h"

namespace fieldizer::db {

Database::Database(std::shared_ptr<Connection> connection, std::string connect)
    : connection_(std::move(connection)), connect_(std::move(connect)), tableDefs_(connection_),
      queryDefs_(connection_) {}

const std::filesystem::path& Database::name() const {
    connection_->ensureOpen();
    return connection_->path();
}

void Database::close() {
    connection_->close();
}

long Database::execute(std::string_view sql) {
    connection_->ensureOpen();
    AccessStatement statement = translateStatement(sql);
    Bindings bindings = parameterBindings(statement, {});
    recordsAffected_ = executeStatement(*connection_, statement, bindings);
    return recordsAffected_;
}

Recordset Database::openRecordset(std::string_view source, std::optional<RecordsetType> type,
                                  int options) {
    connection_->ensureOpen();
    if (auto table = storedTableName(*connection_, source)) {
        RecordsetSource tableSource;
        tableSource.table = *table;
        return Recordset(connection_, std::move(tableSource), type.value_or(RecordsetType::Table),
                         options);
    }
    if (!looksLikeSql(source)) {
        if (queryDefs_.contains(source))
            return queryDefs_.item(source).openRecordset(type, options);
        throw errors::inputTableOrQueryNotFound(source);
    }
    if (type == RecordsetType::Table)
        throw errors::error(errors::invalidOperation);
    AccessStatement statement = translateStatement(source);
    RecordsetSource query = selectSource(*connection_, statement, parameterBindings(statement, {}));
    return Recordset(connection_, std::move(query), type.value_or(RecordsetType::Dynaset), options);
}

QueryDef Database::createQueryDef(std::string name, std::string sql) {
    connection_->ensureOpen();
    if (name.empty())
        return QueryDef(connection_, {}, std::move(sql));
    return queryDefs_.create(std::move(name), std::move(sql));
}

void Database::createIndex(std::string_view table, std::string_view index,
                           const std::vector<std::string>& fields, bool unique) {
    connection_->ensureOpen();
    auto stored = storedTableName(*connection_, table);
    if (!stored)
        throw errors::itemNotInCollection();
    if (!indexColumns(*connection_, *stored, index).empty())
        throw RuntimeError(errors::indexExists, "Table '" + *stored +
                                                    "' already has an index named '" +
                                                    std::string(index) + "'.");
    db::createIndex(*connection_, *stored, index, fields, unique);
}

void Database::emptyTable(std::string_view table) {
    connection_->ensureOpen();
    auto stored = storedTableName(*connection_, table);
    if (!stored)
        throw errors::inputTableOrQueryNotFound(table);
    connection_->exec("DELETE FROM " + quoteIdentifier(cp1252ToUtf8(*stored)));
}

bool Database::returnsRecords(std::string_view sql) const {
    return translateStatement(sql).translated.kind == StatementKind::Select;
}

void Database::beginTrans() {
    connection_->begin();
}
void Database::commitTrans() {
    connection_->commit();
}
void Database::rollback() {
    connection_->rollback();
}

} // namespace fieldizer::db
