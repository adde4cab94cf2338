#include "workbench/database_engine/typed_writes.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/field_type.h"
#include "workbench/database_engine/row_key.h"
#include "workbench/database_engine/schema.h"
#include "workbench/dialect/sql_dialect.h"

namespace fieldizer::db {
namespace {

bool needsFitting(const FieldDef& field) {
    return !isTextType(field.type) && !field.autoIncrement;
}

// The trigger body's name of the row number, one no field takes; a table
// without one (WITHOUT ROWID, made by another tool, or whose fields take
// every name) cannot be written back row by row.
std::optional<std::string> rowKeyOf(Connection& connection, const TableDef& table,
                                    const std::string& tableUtf8) {
    std::optional<std::string> key = freeRowKey(connection, table.name());
    if (key && !connection.tryPrepare("SELECT " + *key + " FROM " + quoteIdentifier(tableUtf8)))
        key.reset();
    return key;
}

} // namespace

FieldTypeTriggers::FieldTypeTriggers(Connection& connection, std::string_view table)
    : connection_(connection) {
    try {
        createFor(table);
    } catch (const RuntimeError& error) {
        dropAll();
        // The table is read only to write it: waiting in vain for another
        // connection's lock is the write's failure.
        if (error.number() == errors::readLocked)
            throw errors::error(errors::recordLocked);
        throw;
    }
}

void FieldTypeTriggers::createFor(std::string_view table) {
    Connection& connection = connection_;
    std::optional<TableDef> stored = readTableDef(connection, table);
    if (!stored)
        return;
    const std::string tableUtf8 = cp1252ToUtf8(stored->name());
    bool typed = false;
    for (const FieldDef& field : stored->fields())
        typed = typed || needsFitting(field);
    const std::optional<std::string> key =
        typed ? rowKeyOf(connection, *stored, tableUtf8) : std::nullopt;
    if (!key)
        return;
    const std::string quotedTable = quoteIdentifier(tableUtf8);
    for (const FieldDef& field : stored->fields()) {
        if (!needsFitting(field))
            continue;
        const std::string fieldUtf8 = cp1252ToUtf8(field.name);
        const std::string column = quoteIdentifier(fieldUtf8);
        const std::string fitted = std::string(fieldFitFunction) + "(NEW." + column + ", " +
                                   std::to_string(field.type) + ", " + sqlTextLiteral(tableUtf8) +
                                   ", " + sqlTextLiteral(fieldUtf8) + ")";
        const std::string body = " ON " + quotedTable + " WHEN NEW." + column + " IS NOT " +
                                 fitted + " BEGIN UPDATE " + quotedTable + " SET " + column +
                                 " = " + fitted + " WHERE " + *key + " = NEW." + *key + "; END";
        const std::string qualified = tableUtf8 + "." + fieldUtf8;
        create("fieldFitInsert:" + qualified, " AFTER INSERT" + body);
        create("fieldFitUpdate:" + qualified, " AFTER UPDATE OF " + column + body);
    }
}

void FieldTypeTriggers::create(const std::string& name, const std::string& sql) {
    const std::string quoted = "temp." + quoteIdentifier(name);
    connection_.exec("DROP TRIGGER IF EXISTS " + quoted);
    connection_.exec("CREATE TEMP TRIGGER " + quoteIdentifier(name) + sql);
    names_.push_back(quoted);
}

FieldTypeTriggers::~FieldTypeTriggers() {
    dropAll();
}

void FieldTypeTriggers::dropAll() noexcept {
    for (const std::string& name : names_) {
        try {
            connection_.exec("DROP TRIGGER IF EXISTS " + name);
        } catch (...) {
            // A closed connection has dropped its temporary schema already.
        }
    }
    names_.clear();
}

} // namespace fieldizer::db
