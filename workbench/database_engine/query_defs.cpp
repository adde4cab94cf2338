#include "workbench/database_engine/query_defs.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/schema.h"

#include <algorithm>

namespace fieldizer::db {
namespace {

// Only a local query can run: a connect string naming another data source
// (pass-through) has no driver here.
bool isLocalConnect(std::string_view connect) {
    return std::all_of(connect.begin(), connect.end(),
                       [](char c) { return c == ';' || c == ' ' || c == '\t'; });
}

} // namespace

QueryDef::QueryDef(std::shared_ptr<Connection> connection, std::string name, std::string sql,
                   std::string connect, bool returnsRecords)
    : connection_(std::move(connection)), name_(std::move(name)), connect_(std::move(connect)),
      returnsRecords_(returnsRecords) {
    sql_ = std::move(sql);
    readParameters();
}

void QueryDef::readParameters() {
    statement_.reset();
    parameters_.clear();
    if (sql_.find_first_not_of(" \t\r\n;") == std::string::npos)
        return;
    statement_ = translateWithUndeclaredParameters(*connection_, sql_);
    for (const DialectParameter& parameter : statement_->translated.parameters)
        parameters_.push_back({utf8ToCp1252(parameter.name), utf8ToCp1252(parameter.type), {}});
}

void QueryDef::setSql(std::string sql) {
    std::string previous = std::move(sql_);
    sql_ = std::move(sql);
    try {
        readParameters();
    } catch (...) {
        sql_ = std::move(previous);
        readParameters();
        throw;
    }
    save();
}

void QueryDef::setConnect(std::string connect) {
    connect_ = std::move(connect);
    save();
}

void QueryDef::setReturnsRecords(bool returnsRecords) {
    returnsRecords_ = returnsRecords;
    save();
}

void QueryDef::save() {
    if (isTemporary())
        return;
    Statement statement = connection_->prepare(
        "UPDATE \"MSysFieldizerQueries\" SET sql = ?, connect = ?, returnsRecords = ? "
        "WHERE name = ?");
    statement.bind(1, Value(sql_));
    statement.bind(2, Value(connect_));
    statement.bind(3, Value(returnsRecords_ ? 1 : 0));
    statement.bind(4, Value(name_));
    statement.step();
}

QueryParameter& QueryDef::parameter(int index) {
    if (index < 0 || index >= parameterCount())
        throw errors::itemNotInCollection();
    return parameters_[std::size_t(index)];
}

QueryParameter& QueryDef::parameter(std::string_view name) {
    for (QueryParameter& parameter : parameters_)
        if (sameName(parameter.name, name))
            return parameter;
    throw errors::itemNotInCollection();
}

void QueryDef::requireLocal() const {
    connection_->ensureOpen();
    if (!isLocalConnect(connect_))
        throw errors::error(errors::isamNotFound);
    if (!statement_)
        throw errors::error(errors::invalidOperation);
}

Bindings QueryDef::bindings() const {
    std::vector<std::optional<Value>> values;
    for (const QueryParameter& parameter : parameters_)
        values.push_back(parameter.value);
    return parameterBindings(*statement_, values);
}

Recordset QueryDef::openRecordset(std::optional<RecordsetType> type, int options) {
    requireLocal();
    if (type == RecordsetType::Table)
        throw errors::error(errors::invalidOperation);
    RecordsetSource source = selectSource(*connection_, *statement_, bindings());
    return Recordset(connection_, std::move(source), type.value_or(RecordsetType::Dynaset),
                     options);
}

long QueryDef::execute() {
    requireLocal();
    return executeStatement(*connection_, *statement_, bindings());
}

bool QueryDefs::tableExists() {
    return storedTableName(*connection_, queryTableName).has_value();
}

std::vector<std::string> QueryDefs::names() {
    std::vector<std::string> names;
    if (!tableExists())
        return names;
    Statement statement = connection_->prepare(
        "SELECT name FROM \"MSysFieldizerQueries\" ORDER BY name COLLATE NOCASE, name");
    while (statement.step())
        names.push_back(statement.column(0).toText());
    return names;
}

bool QueryDefs::contains(std::string_view name) {
    auto all = names();
    return std::any_of(all.begin(), all.end(), [&](const auto& n) { return sameName(n, name); });
}

QueryDef QueryDefs::item(std::string_view name) {
    if (!tableExists())
        throw errors::itemNotInCollection();
    Statement statement = connection_->prepare(
        "SELECT name, sql, connect, returnsRecords FROM \"MSysFieldizerQueries\" "
        "WHERE name = ? COLLATE NOCASE");
    statement.bind(1, Value(name));
    if (!statement.step())
        throw errors::itemNotInCollection();
    return QueryDef(connection_, statement.column(0).toText(), statement.column(1).toText(),
                    statement.column(2).toText(), statement.columnInteger(3) != 0);
}

QueryDef QueryDefs::item(int index) {
    auto all = names();
    if (index < 0 || index >= int(all.size()))
        throw errors::itemNotInCollection();
    return item(all[std::size_t(index)]);
}

QueryDef QueryDefs::create(std::string name, std::string sql) {
    if (!isValidObjectName(name))
        throw errors::notAValidName(name);
    QueryDef query(connection_, name, sql); // checks the SQL before anything is stored
    if (contains(name) || storedTableName(*connection_, name))
        throw errors::objectAlreadyExists(name);
    connection_->exec("CREATE TABLE IF NOT EXISTS \"MSysFieldizerQueries\" ("
                      "name TEXT NOT NULL COLLATE NOCASE PRIMARY KEY, sql TEXT NOT NULL, "
                      "connect TEXT NOT NULL DEFAULT '', returnsRecords INTEGER NOT NULL "
                      "DEFAULT 1)");
    Statement insert =
        connection_->prepare("INSERT INTO \"MSysFieldizerQueries\" (name, sql) VALUES (?, ?)");
    insert.bind(1, Value(name));
    insert.bind(2, Value(sql));
    insert.step();
    return query;
}

void QueryDefs::remove(std::string_view name) {
    if (!tableExists())
        throw errors::itemNotInCollection();
    Statement statement =
        connection_->prepare("DELETE FROM \"MSysFieldizerQueries\" WHERE name = ? COLLATE NOCASE");
    statement.bind(1, Value(name));
    std::int64_t before = connection_->totalChanges();
    statement.step();
    if (connection_->totalChanges() == before)
        throw errors::itemNotInCollection();
}

} // namespace fieldizer::db
