#include "workbench/database_engine/row_key.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"

#include <algorithm>

namespace fieldizer::db {
namespace {

bool sameAscii(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

} // namespace

std::optional<std::string> rowKeyAmong(const std::vector<std::string>& columns) {
    for (std::string_view name : {"rowid", "oid", "_rowid_"}) {
        bool taken = std::any_of(columns.begin(), columns.end(), [&](const std::string& column) {
            return sameAscii(column, name);
        });
        if (!taken)
            return std::string(name);
    }
    return std::nullopt;
}

std::optional<std::string> freeRowKey(Connection& connection, std::string_view table) {
    // table_xinfo also lists hidden and generated columns, which take a
    // name as well.
    Statement info = connection.prepare("SELECT name FROM pragma_table_xinfo(?)");
    info.bindUtf8(1, cp1252ToUtf8(table));
    std::vector<std::string> columns;
    while (info.step())
        columns.push_back(info.columnUtf8(0));
    return rowKeyAmong(columns);
}

std::string rowKeyName(Connection& connection, std::string_view table) {
    auto key = freeRowKey(connection, table);
    if (!key)
        throw errors::error(errors::notSupported);
    return *key;
}

} // namespace fieldizer::db
