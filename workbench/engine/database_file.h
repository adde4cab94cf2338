#pragma once
// The checks a file must pass before it is opened as a database.

#include <string>

namespace fieldizer::db {

// Refuses, before SQLite touches it, a path that does not exist (3024), a
// folder (3044), an unreadable file (3051), and a file that is not a whole
// SQLite database (3343): wrong header (random bytes, another engine's
// format), an empty file, or one shorter than its header says. SQLite would
// otherwise take an empty file for a new database and write into it.
void checkDatabaseFile(const std::string& path);

} // namespace fieldizer::db
