#include "workbench/database_engine/statement_runner.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/field_type.h"
#include "workbench/database_engine/query_analysis.h"
#include "workbench/database_engine/row_key.h"
#include "workbench/database_engine/schema.h"
#include "workbench/database_engine/translation.h"
#include "workbench/database_engine/typed_writes.h"

#include <algorithm>
#include <cctype>
#include <sqlite3.h>

namespace fieldizer::db {
namespace {

std::string withoutTrailingSemicolons(std::string sql) {
    while (!sql.empty() &&
           (sql.back() == ';' || std::isspace(static_cast<unsigned char>(sql.back()))))
        sql.pop_back();
    return sql;
}

// Prepares a statement translated from `accessSql` (UTF-8): SQLite's
// complaints become the engine's errors for that statement (3078 for an
// unknown table, syntax errors by the statement's kind), and text after the
// one statement is error 3142.
Statement prepareTranslated(Connection& connection, std::string_view sql,
                            std::string_view accessSql) {
    connection.ensureOpen();
    sqlite3_stmt* statement = nullptr;
    const char* tail = nullptr;
    int rc =
        sqlite3_prepare_v2(connection.handle(), sql.data(), int(sql.size()), &statement, &tail);
    StatementHandle handle(statement);
    if ((rc & 0xFF) == SQLITE_ERROR) {
        RuntimeError error = sqliteErrorFor(accessSql, sqlite3_errmsg(connection.handle()));
        throw RuntimeError(error.number(), utf8ToCp1252(error.description()));
    }
    if (rc != SQLITE_OK)
        connection.failToPrepare(rc);
    for (const char* end = sql.data() + sql.size(); tail && tail < end; ++tail)
        if (*tail != ';' && !std::isspace(static_cast<unsigned char>(*tail)))
            throw errors::error(errors::charactersAfterEnd);
    if (!handle)
        throw errors::error(errors::invalidOperation); // nothing but spaces and comments
    return Statement(connection.shared_from_this(), std::move(handle));
}

// INSERT and UPDATE store values; DELETE, DROP, ALTER and CREATE INDEX do not.
bool storesValues(const TranslatedStatement& translated) {
    const std::string_view sql = translated.sql;
    return sql.starts_with("INSERT ") || sql.starts_with("UPDATE ");
}

// A statement names at most this many things that are neither fields nor
// declared; each costs one more preparing of it.
constexpr std::size_t maxUndeclaredParameters = 64;

// The unqualified name SQLite found no column for, preparing `sql`; nothing
// when it prepares, or fails for another reason (reported when it runs).
std::optional<std::string> unknownName(Connection& connection, std::string_view sql) {
    sqlite3_stmt* prepared = nullptr;
    int rc =
        sqlite3_prepare_v2(connection.handle(), sql.data(), int(sql.size()), &prepared, nullptr);
    StatementHandle handle(prepared);
    constexpr std::string_view noSuchColumn = "no such column: ";
    std::string_view message = rc == SQLITE_OK ? "" : sqlite3_errmsg(connection.handle());
    if ((rc & 0xFF) != SQLITE_ERROR || !message.starts_with(noSuchColumn))
        return std::nullopt;
    message.remove_prefix(noSuchColumn.size());
    if (message.empty() || message.find('.') != std::string_view::npos)
        return std::nullopt;
    return std::string(message);
}

TableDef tableFromDialect(const TranslatedStatement& statement) {
    TableDef table(utf8ToCp1252(statement.target));
    for (const DialectField& dialect : statement.fields) {
        FieldDef field = table.createField(utf8ToCp1252(dialect.name), dialect.type,
                                           dialect.type == fieldType::text ? dialect.size : 0);
        field.autoIncrement = dialect.autoIncrement;
        field.required = dialect.notNull;
        field.primaryKey = dialect.primaryKey && !dialect.autoIncrement;
        field.unique = dialect.unique;
        table.fields().append(std::move(field));
    }
    return table;
}

// The new table of SELECT ... INTO: each column keeps the type and size of
// the field it comes from; computed columns are typed by their declared type
// or, failing that, as Memo, Long or Double by their first value.
TableDef tableFromQuery(Connection& connection, const std::string& name,
                        const RecordsetSource& source) {
    Recordset rows(connection.shared_from_this(), source, RecordsetType::Snapshot);
    TableDef table(name);
    for (int i = 0; i < rows.fieldCount(); ++i) {
        FieldDef field = rows.fieldDefs()[std::size_t(i)];
        if (!isValidObjectName(field.name))
            field.name = "Expr" + std::to_string(1000 + i);
        field.allowZeroLength = isTextType(field.type);
        field.autoIncrement = field.primaryKey = field.unique = field.required = false;
        table.fields().append(std::move(field));
    }
    return table;
}

long selectInto(Connection& connection, const AccessStatement& statement,
                const Bindings& bindings) {
    std::string target = utf8ToCp1252(statement.translated.target);
    if (storedTableName(connection, target))
        throw errors::tableAlreadyExists(target);
    RecordsetSource source = selectSource(connection, statement, bindings);
    TableDef table = tableFromQuery(connection, target, source);
    ScopedTransaction transaction(connection);
    createTable(connection, table);
    // A computed column is typed by its first value; the later ones must fit.
    FieldTypeTriggers typed(connection, target);
    Statement insert =
        connection.prepare("INSERT INTO " + quoteIdentifier(statement.translated.target) +
                           " SELECT * FROM (" + source.querySql + ")");
    bindAll(insert, bindings);
    std::int64_t before = connection.totalChanges();
    insert.step();
    long changed =
        connection.totalChanges() == before ? 0 : long(connection.lastStatementChanges());
    transaction.commit();
    return changed;
}

// The statement with the name of its target's row number where it names
// it, for a table whose fields take the name rowid.
std::string withRowKey(Connection& connection, const TranslatedStatement& statement) {
    if (statement.rowKeyPositions.empty())
        return statement.sql;
    auto table = storedTableName(connection, utf8ToCp1252(statement.target));
    if (!table)
        throw errors::inputTableOrQueryNotFound(utf8ToCp1252(statement.target));
    std::string key = rowKeyName(connection, *table);
    std::string sql = statement.sql;
    for (auto at = statement.rowKeyPositions.rbegin(); at != statement.rowKeyPositions.rend(); ++at)
        sql.replace(*at, std::string_view("rowid").size(), key);
    return sql;
}

} // namespace

AccessStatement translateStatement(std::string_view accessSql,
                                   const std::vector<std::string>& undeclaredParameters) {
    AccessStatement statement;
    statement.accessUtf8 = cp1252ToUtf8(accessSql);
    statement.translated = translated(accessSql, [&](std::string_view utf8) {
        return translateAccessSql(utf8, undeclaredParameters);
    });
    statement.translated.sql = withoutTrailingSemicolons(std::move(statement.translated.sql));
    return statement;
}

AccessStatement translateWithUndeclaredParameters(Connection& connection,
                                                  std::string_view accessSql) {
    std::vector<std::string> undeclared;
    for (;;) {
        AccessStatement statement = translateStatement(accessSql, undeclared);
        if (statement.translated.kind == StatementKind::CreateTable || !connection.isOpen() ||
            undeclared.size() >= maxUndeclaredParameters)
            return statement;
        std::optional<std::string> unknown = unknownName(connection, statement.translated.sql);
        if (!unknown ||
            std::find(undeclared.begin(), undeclared.end(), *unknown) != undeclared.end())
            return statement;
        undeclared.push_back(std::move(*unknown));
    }
}

Bindings parameterBindings(const AccessStatement& statement,
                           const std::vector<std::optional<Value>>& values) {
    Bindings bindings;
    int missing = 0;
    const std::vector<DialectParameter>& parameters = statement.translated.parameters;
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        if (i < values.size() && values[i])
            bindings.emplace_back(":p" + std::to_string(i + 1),
                                  fitParameterValue(*values[i], parameters[i].type,
                                                    utf8ToCp1252(parameters[i].name)));
        else
            ++missing;
    }
    if (missing > 0)
        throw errors::tooFewParametersExpected(missing);
    return bindings;
}

long executeStatement(Connection& connection, const AccessStatement& statement,
                      const Bindings& bindings) {
    CheckedWrites checked(connection);
    switch (statement.translated.kind) {
    case StatementKind::Select:
        throw errors::error(errors::selectExecuted);
    case StatementKind::CreateTable:
        createTable(connection, tableFromDialect(statement.translated));
        return 0;
    case StatementKind::SelectInto:
        return selectInto(connection, statement, bindings);
    case StatementKind::Action:
        break;
    }
    std::optional<FieldTypeTriggers> typed;
    if (storesValues(statement.translated))
        typed.emplace(connection, utf8ToCp1252(statement.translated.target));
    Statement action = prepareTranslated(connection, withRowKey(connection, statement.translated),
                                         statement.accessUtf8);
    bindAll(action, bindings);
    std::int64_t before = connection.totalChanges();
    while (action.step()) {
    }
    // A statement that changed nothing (DDL too) leaves SQLite's own count
    // as the previous statement set it.
    return connection.totalChanges() == before ? 0 : long(connection.lastStatementChanges());
}

RecordsetSource selectSource(Connection& connection, const AccessStatement& statement,
                             Bindings bindings) {
    if (statement.translated.kind != StatementKind::Select &&
        statement.translated.kind != StatementKind::SelectInto)
        throw errors::error(errors::invalidOperation);
    // Preparing once reports the statement's own errors in the engine's terms
    // before the recordset wraps it in queries of its own.
    prepareTranslated(connection, statement.translated.sql, statement.accessUtf8);
    RecordsetSource source;
    source.querySql = statement.translated.sql;
    if (auto editable = editableQuery(connection, source.querySql, bindings)) {
        source.table = std::move(editable->table);
        source.baseColumns = std::move(editable->baseColumns);
        source.keyedSql = std::move(editable->keyedSql);
    }
    source.bindings = std::move(bindings);
    return source;
}

bool looksLikeSql(std::string_view source) {
    std::size_t start = 0;
    while (start < source.size() && std::isspace(static_cast<unsigned char>(source[start])))
        ++start;
    if (start < source.size() && source[start] == '(')
        return true;
    std::size_t end = start;
    while (end < source.size() && std::isalpha(static_cast<unsigned char>(source[end])))
        ++end;
    std::string_view word = source.substr(start, end - start);
    return sameName(word, "SELECT") || sameName(word, "PARAMETERS") ||
           sameName(word, "TRANSFORM") || sameName(word, "WITH");
}

} // namespace fieldizer::db
