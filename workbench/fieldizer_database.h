#pragma once
// The program's own database, fieldizer.mdb: the working column
// specifications (fieldize_settings) and the saved Settings
// (fieldize_allFields with its index nameOfSettings). Its schema is
// documented in docs/database-schema.md.

#include "workbench/database_engine/table_def.h"

#include <filesystem>
#include <string>

namespace fieldizer::db {

// The connect string the program always opens its own database with.
inline constexpr const char* ownConnectString = ";UID=Admin;PWD=ka-ve-to-ri-n";
inline constexpr const char* specificationTable = "fieldize_settings";
inline constexpr const char* settingsTable = "fieldize_allFields";
inline constexpr const char* settingsIndex = "nameOfSettings";

// The working column specifications, fieldize_settings: five fields named
// in lower case.
TableDef specificationTableDef(std::string name);

// A saved set's copy of the specifications, "fieldize_<name>": the same
// five fields, named with capitals (Column_heading, ..., Field_width). Field
// names match without regard to case, so rows copy between the two tables,
// and copies written with lower-case names still read back.
TableDef specificationCopyTableDef(std::string name);

// fieldize_allFields: nameofsettings, then every parameter key in stored
// order (text keys Memo, number keys Double, flags Integer).
TableDef settingsTableDef();

// Writes a new fieldizer.mdb with both tables and the index, all or
// nothing. Refuses an existing file with 3204 "Database already exists.".
void createFieldizerDatabase(const std::filesystem::path& path);
// The temporary name beside `path` the file is built under by this process
// (SQLite's journal beside it adds "-journal"), so that a caller can remove
// it when interrupted.
std::filesystem::path newDatabaseTemporaryName(const std::filesystem::path& path);

} // namespace fieldizer::db
