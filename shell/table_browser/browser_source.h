#pragma once
// What a table browser shows: a table by its name (Form13) or the rows of a
// SELECT with its parameters' values (Form12), and how such a source is
// opened as the dynaset the browser moves through.

#include "workbench/database_engine/database.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fieldizer {

struct BrowserSource {
    std::string table; // a table's name; empty when `sql` is shown
    std::string sql;   // a SELECT of the Access dialect
    std::vector<std::pair<std::string, std::string>> parameters; // name, value typed
    std::string caption;                                         // the window's caption
};

// A dynaset over the source: editable when it is a table or a query on one
// table, read-only otherwise. Errors are the engine's (3078 for an unknown
// table, 3061 for a parameter without a value, the SQL's syntax errors).
db::Recordset openBrowserRecordset(db::Database& database, const BrowserSource& source);

// Whether the source shows rows of `table` (any letter case): the table
// itself, or SQL naming it as a word (plain, in brackets or in quotes).
bool sourceShowsTable(const BrowserSource& source, std::string_view table);

} // namespace fieldizer
