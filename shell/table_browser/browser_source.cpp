#include "shell/table_browser/browser_source.h"

#include "workbench/database_engine/table_def.h"

#include <cctype>

namespace fieldizer {
namespace {

bool isNameCharacter(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return std::isalnum(byte) || c == '_' || byte >= 0x80;
}

// A name with spaces stands in brackets or quotes; a plain one may also
// stand bare, bounded by characters that cannot continue a name.
bool mentions(std::string_view sql, std::string_view name) {
    for (std::size_t at = 0; at + name.size() <= sql.size(); ++at) {
        if (!db::sameName(sql.substr(at, name.size()), name))
            continue;
        const char before = at ? sql[at - 1] : ' ';
        const std::size_t end = at + name.size();
        const char after = end < sql.size() ? sql[end] : ' ';
        if (!isNameCharacter(before) && !isNameCharacter(after))
            return true;
    }
    return false;
}

} // namespace

db::Recordset openBrowserRecordset(db::Database& database, const BrowserSource& source) {
    if (source.sql.empty())
        return database.openRecordset(source.table, db::RecordsetType::Dynaset);
    db::QueryDef query = database.createQueryDef({}, source.sql);
    for (const auto& [name, value] : source.parameters)
        query.parameter(name).value = db::Value(value);
    return query.openRecordset(db::RecordsetType::Dynaset);
}

bool sourceShowsTable(const BrowserSource& source, std::string_view table) {
    if (table.empty())
        return false;
    if (!source.table.empty() && db::sameName(source.table, table))
        return true;
    return !source.sql.empty() && mentions(source.sql, table);
}

} // namespace fieldizer
