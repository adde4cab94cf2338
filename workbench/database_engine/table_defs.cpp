#include "workbench/database_engine/table_defs.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/schema.h"
#include "workbench/dialect/sql_dialect.h"

namespace fieldizer::db {

void TableDefs::refresh() {
    names_ = tableNames(*connection_);
    version_ = connection_->schemaVersion();
}

const std::vector<std::string>& TableDefs::names() {
    if (connection_->schemaVersion() != version_)
        refresh();
    return names_;
}

int TableDefs::count() {
    return int(names().size());
}

bool TableDefs::contains(std::string_view name) {
    for (const std::string& table : names())
        if (sameName(table, name))
            return true;
    return false;
}

TableDef TableDefs::item(std::string_view name) {
    auto table = readTableDef(*connection_, name);
    if (!table)
        throw errors::itemNotInCollection();
    return *table;
}

TableDef TableDefs::item(int index) {
    if (index < 0 || index >= count())
        throw errors::itemNotInCollection();
    return item(names_[std::size_t(index)]);
}

void TableDefs::append(const TableDef& table) {
    createTable(*connection_, table);
    refresh();
}

void TableDefs::remove(std::string_view name) {
    auto stored = storedTableName(*connection_, name);
    if (!stored)
        throw errors::itemNotInCollection();
    connection_->exec("DROP TABLE " + quoteIdentifier(cp1252ToUtf8(*stored)));
    refresh();
}

} // namespace fieldizer::db
