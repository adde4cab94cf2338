#include "workbench/postgres/server_database.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/postgres/copy_rows.h"
#include "workbench/postgres/server_address.h"

namespace fieldizer::db {
namespace {

// The tables a user may write into: ordinary and partitioned tables that
// the search path shows, the server's own catalogues left out.
constexpr const char* visibleTables =
    "SELECT c.relname FROM pg_catalog.pg_class c"
    " JOIN pg_catalog.pg_namespace n ON n.oid = c.relnamespace"
    " WHERE c.relkind IN ('r', 'p') AND pg_catalog.pg_table_is_visible(c.oid)"
    " AND n.nspname <> 'information_schema' AND n.nspname NOT LIKE 'pg\\_%'"
    " ORDER BY c.relname";

std::string savepoint(int depth) {
    return "fieldizer_" + std::to_string(depth);
}

std::string serverType(const FieldDef& field) {
    if (field.type == fieldType::text)
        return "varchar(" + std::to_string(field.size) + ")";
    if (field.type == fieldType::memo)
        return "text";
    throw errors::error(errors::invalidFieldType);
}

} // namespace

ServerDatabase::ServerDatabase(const std::string& address, const ServerLogin& login)
    : connection_(address, login), shownAddress_(addressWithoutPassword(address)) {}

void ServerDatabase::execute(const std::string& sql) {
    connection_.run(cp1252ToUtf8(sql));
}

std::vector<std::string> ServerDatabase::tableNames() {
    std::vector<std::string> names;
    for (const auto& row : connection_.rows(visibleTables))
        names.push_back(utf8ToCp1252(row[0].value_or("")));
    return names;
}

std::optional<std::string> ServerDatabase::findTable(std::string_view name) {
    const std::vector<std::string> names = tableNames();
    // The very spelling first: a server may hold "Sales" and "sales" both.
    for (const std::string& table : names)
        if (table == name)
            return table;
    for (const std::string& table : names)
        if (sameName(table, name))
            return table;
    return std::nullopt;
}

void ServerDatabase::createTable(const TableDef& table) {
    std::string sql = "CREATE TABLE " + quoteServerName(table.name()) + " (";
    const char* separator = "";
    for (const FieldDef& field : table.fields()) {
        sql += separator + quoteServerName(field.name) + " " + serverType(field);
        separator = ", ";
    }
    connection_.run(sql + ")");
}

void ServerDatabase::emptyTable(std::string_view table) {
    connection_.run("DELETE FROM " + quoteServerName(table));
}

void ServerDatabase::beginTrans() {
    connection_.run(depth_ == 0 ? std::string("BEGIN") : "SAVEPOINT " + savepoint(depth_));
    ++depth_;
}

void ServerDatabase::commitTrans() {
    if (depth_ == 0)
        throw errors::error(errors::noTransaction);
    // The count goes down first: a commit that fails has ended the
    // transaction all the same.
    --depth_;
    connection_.run(depth_ == 0 ? std::string("COMMIT") : "RELEASE SAVEPOINT " + savepoint(depth_));
}

void ServerDatabase::rollback() {
    if (depth_ == 0)
        throw errors::error(errors::noTransaction);
    --depth_;
    if (depth_ == 0)
        connection_.run("ROLLBACK");
    else
        connection_.run("ROLLBACK TO SAVEPOINT " + savepoint(depth_) + "; RELEASE SAVEPOINT " +
                        savepoint(depth_));
}

std::unique_ptr<RowWriter> ServerDatabase::appendRows(const std::string& table) {
    return std::make_unique<CopyRows>(connection_, table);
}

} // namespace fieldizer::db
