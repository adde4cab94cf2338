#pragma once
// The tables no user command may write into and no table list offers: the
// program's own ("fieldize_": the working specifications, the Settings
// records and every set's copy), the hidden "MSys" tables, and SQLite's
// own "sqlite_" tables. One rule for the lists and for Save to Database.

#include <string_view>

namespace fieldizer {

// Whether the name, in any letter case, begins with one of those prefixes.
// Save to Database refuses such a table before anything is written.
bool isProgramTable(std::string_view name);

// Whether a table is offered in the program's table lists: not a program
// table, except that the lists compare "MSys" case-sensitively.
bool isListedTable(std::string_view name);

} // namespace fieldizer
