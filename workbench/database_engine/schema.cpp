#include "workbench/database_engine/schema.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/row_key.h"
#include "workbench/dialect/sql_dialect.h"

#include <algorithm>
#include <cctype>

namespace fieldizer::db {
namespace {

std::string q(std::string_view name) {
    return quoteIdentifier(cp1252ToUtf8(name));
}

std::string columnSql(const TableDef& table, const FieldDef& field) {
    std::string column = q(field.name) + " " + declaredType(field);
    if (field.autoIncrement)
        return column + " PRIMARY KEY AUTOINCREMENT";
    if (field.primaryKey)
        column += " PRIMARY KEY";
    else if (field.unique)
        column += " UNIQUE";
    if (field.required)
        column += " NOT NULL";
    if (!isTextType(field.type))
        return column;
    column += " COLLATE NOCASE";
    std::string qualified = table.name() + "." + field.name;
    if (field.type == fieldType::text)
        column += " CONSTRAINT " + q("fieldSize:" + qualified) + " CHECK (length(" + q(field.name) +
                  ") <= " + std::to_string(field.size) + ")";
    if (!field.allowZeroLength)
        column +=
            " CONSTRAINT " + q("zeroLength:" + qualified) + " CHECK (" + q(field.name) + " <> '')";
    return column;
}

// The names that follow CONSTRAINT in a CREATE TABLE statement, read with
// SQLite's quoting rules so that text inside literals and names is skipped;
// `checks` counts the CHECK constraints, named or not.
std::vector<std::string> constraintNames(std::string_view sql, int* checks = nullptr) {
    std::vector<std::string> names;
    bool afterConstraint = false;
    for (std::size_t i = 0; i < sql.size();) {
        char c = sql[i];
        std::string word;
        if (c == '"' || c == '`' || c == '[' || c == '\'') {
            char close = c == '[' ? ']' : c;
            for (++i; i < sql.size(); ++i) {
                if (sql[i] == close && close != ']' && i + 1 < sql.size() && sql[i + 1] == close)
                    word += sql[++i];
                else if (sql[i] == close)
                    break;
                else
                    word += sql[i];
            }
            ++i;
            if (afterConstraint && c != '\'')
                names.push_back(word);
            afterConstraint = false;
            continue;
        }
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80)) {
            while (i < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[i])) ||
                                      sql[i] == '_' || (sql[i] & 0x80)))
                word += sql[i++];
            if (afterConstraint)
                names.push_back(word);
            afterConstraint = sameName(word, "CONSTRAINT");
            if (checks && sameName(word, "CHECK"))
                ++*checks;
            continue;
        }
        if (!std::isspace(static_cast<unsigned char>(c)))
            afterConstraint = false;
        ++i;
    }
    return names;
}

// Whether a rule of this kind ("fieldSize:", "zeroLength:") names the field.
bool hasFieldRule(const std::vector<std::string>& constraints, std::string_view kind,
                  std::string_view field) {
    return std::any_of(constraints.begin(), constraints.end(), [&](const std::string& name) {
        std::string_view n = name;
        if (n.substr(0, kind.size()) != kind)
            return false;
        std::size_t dot = n.rfind('.');
        return dot != n.npos && sameName(n.substr(dot + 1), field);
    });
}

std::string tableSql(Connection& connection, std::string_view storedName) {
    Statement statement =
        connection.prepare("SELECT sql FROM sqlite_schema WHERE type = 'table' AND name = ?");
    statement.bindUtf8(1, cp1252ToUtf8(storedName));
    return statement.step() ? statement.columnUtf8(0) : std::string();
}

// A Currency field holds four decimals whatever writes it (an INSERT or
// UPDATE statement included): these triggers round what arrives with more.
std::vector<std::string> currencyTriggersSql(const TableDef& table) {
    std::vector<std::string> sql;
    std::vector<std::string> names;
    for (const FieldDef& field : table.fields())
        names.push_back(cp1252ToUtf8(field.name));
    // The written row, found by its row number under a name no field takes.
    const std::string key = rowKeyAmong(names).value_or("rowid");
    for (const FieldDef& field : table.fields()) {
        if (field.type != fieldType::currency)
            continue;
        std::string value = "NEW." + q(field.name);
        std::string body = " ON " + q(table.name()) + " WHEN typeof(" + value + ") = 'real' AND " +
                           value + " <> round(" + value + ", 4) BEGIN UPDATE " + q(table.name()) +
                           " SET " + q(field.name) + " = round(" + value + ", 4) WHERE " + key +
                           " = NEW." + key + "; END";
        std::string name = table.name() + "." + field.name;
        sql.push_back("CREATE TRIGGER " + q("currencyInsert:" + name) + " AFTER INSERT" + body);
        sql.push_back("CREATE TRIGGER " + q("currencyUpdate:" + name) + " AFTER UPDATE OF " +
                      q(field.name) + body);
    }
    return sql;
}

} // namespace

std::string createTableSql(const TableDef& table) {
    std::string sql = "CREATE TABLE " + q(table.name()) + " (";
    bool first = true;
    for (const FieldDef& field : table.fields()) {
        sql += (first ? "" : ", ") + columnSql(table, field);
        first = false;
    }
    return sql + ")";
}

void createTable(Connection& connection, const TableDef& table) {
    // SQLite keeps names beginning "sqlite_" (any case) for its own tables.
    if (!isValidObjectName(table.name()) || sameName(table.name().substr(0, 7), "sqlite_"))
        throw errors::notAValidName(table.name());
    if (table.fields().count() == 0)
        throw errors::error(errors::noFieldDefined);
    if (storedTableName(connection, table.name()))
        throw errors::tableAlreadyExists(table.name());
    connection.exec(createTableSql(table));
    for (const std::string& trigger : currencyTriggersSql(table))
        connection.exec(trigger);
}

std::vector<std::string> tableNames(Connection& connection) {
    Statement statement = connection.prepare(
        "SELECT name FROM sqlite_schema WHERE type = 'table' AND name NOT LIKE 'sqlite\\_%' "
        "ESCAPE '\\' ORDER BY name COLLATE NOCASE, name");
    std::vector<std::string> names;
    while (statement.step())
        names.push_back(utf8ToCp1252(statement.columnUtf8(0)));
    return names;
}

std::optional<std::string> storedTableName(Connection& connection, std::string_view name) {
    Statement statement = connection.prepare("SELECT name FROM sqlite_schema WHERE type = 'table' "
                                             "AND name = ? COLLATE NOCASE");
    statement.bindUtf8(1, cp1252ToUtf8(name));
    if (!statement.step())
        return std::nullopt;
    return utf8ToCp1252(statement.columnUtf8(0));
}

std::optional<TableDef> readTableDef(Connection& connection, std::string_view name) {
    auto stored = storedTableName(connection, name);
    if (!stored)
        return std::nullopt;
    std::vector<std::string> constraints = constraintNames(tableSql(connection, *stored));
    Statement info = connection.prepare("SELECT name, type, \"notnull\", pk FROM "
                                        "pragma_table_info(?)");
    info.bindUtf8(1, cp1252ToUtf8(*stored));
    TableDef table(*stored);
    while (info.step()) {
        FieldDef field = fieldFromDeclaredType(info.columnUtf8(1));
        field.name = utf8ToCp1252(info.columnUtf8(0));
        field.required = info.columnInteger(2) != 0;
        field.autoIncrement = info.columnInteger(3) == 1 && sameName(info.columnUtf8(1), "INTEGER");
        if (isTextType(field.type))
            field.allowZeroLength = !hasFieldRule(constraints, "zeroLength:", field.name);
        table.fields().append(std::move(field));
    }
    return table;
}

bool checksAreFieldRules(Connection& connection, std::string_view table) {
    auto stored = storedTableName(connection, table);
    if (!stored)
        return false;
    int checks = 0;
    std::vector<std::string> names = constraintNames(tableSql(connection, *stored), &checks);
    int rules = int(std::count_if(names.begin(), names.end(), [](const std::string& name) {
        return name.rfind("fieldSize:", 0) == 0 || name.rfind("zeroLength:", 0) == 0;
    }));
    return checks == rules;
}

std::vector<std::string> indexColumns(Connection& connection, std::string_view table,
                                      std::string_view index) {
    std::string tableUtf8 = cp1252ToUtf8(table);
    Statement list = connection.prepare("SELECT name FROM pragma_index_list(?)");
    list.bindUtf8(1, tableUtf8);
    std::vector<std::string> columns;
    while (list.step()) {
        std::string name = list.columnUtf8(0);
        if (!sameName(name, cp1252ToUtf8(index)))
            continue;
        Statement info = connection.prepare("SELECT name FROM pragma_index_info(?) ORDER BY seqno");
        info.bindUtf8(1, name);
        while (info.step())
            columns.push_back(utf8ToCp1252(info.columnUtf8(0)));
        return columns;
    }
    if (sameName(index, "PrimaryKey")) {
        Statement pk =
            connection.prepare("SELECT name FROM pragma_table_info(?) WHERE pk > 0 ORDER BY pk");
        pk.bindUtf8(1, tableUtf8);
        while (pk.step())
            columns.push_back(utf8ToCp1252(pk.columnUtf8(0)));
    }
    return columns;
}

void createIndex(Connection& connection, std::string_view table, std::string_view index,
                 const std::vector<std::string>& fields, bool unique) {
    std::string sql = std::string(unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") + q(index) +
                      " ON " + q(table) + " (";
    for (std::size_t i = 0; i < fields.size(); ++i)
        sql += (i ? ", " : "") + q(fields[i]);
    connection.exec(sql + ")");
}

bool textSizesAreChecked(Connection& connection, std::string_view table) {
    const std::optional<TableDef> stored = readTableDef(connection, table);
    if (!stored)
        return false;
    const std::vector<std::string> constraints =
        constraintNames(tableSql(connection, stored->name()));
    return std::all_of(stored->fields().begin(), stored->fields().end(),
                       [&](const FieldDef& field) {
                           return field.type != fieldType::text ||
                                  hasFieldRule(constraints, "fieldSize:", field.name);
                       });
}

} // namespace fieldizer::db
