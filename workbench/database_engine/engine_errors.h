#pragma once
// The database engine's errors, by its numbers and in its wording. Every
// failure of the database layer is one of these RuntimeErrors. Names in the
// descriptions are in the program's character set; a path is the file
// system's, shown through displayPath.

#include "text_engine/database_error_numbers.h"
#include "text_engine/runtime_error.h"

#include <filesystem>
#include <string_view>

struct sqlite3;

namespace fieldizer::db::errors {

RuntimeError error(int number); // the fixed-text errors above
RuntimeError tableAlreadyExists(std::string_view table);
RuntimeError objectAlreadyExists(std::string_view name);
RuntimeError itemNotInCollection();
RuntimeError couldNotFindFile(const std::filesystem::path& path);
RuntimeError unrecognizedDatabaseFormat(const std::filesystem::path& path);
RuntimeError cannotOpen(const std::filesystem::path& path);
RuntimeError notAValidPath(const std::filesystem::path& path);
RuntimeError inputTableOrQueryNotFound(std::string_view name);
RuntimeError notAValidName(std::string_view name);
RuntimeError zeroLengthNotAllowed(std::string_view table, std::string_view field);
RuntimeError requiredFieldIsNull(std::string_view table, std::string_view field);
// 3421 for a value a field of `table` cannot hold, naming the field; with no
// table, `field` is a query's parameter.
RuntimeError conversionFailed(std::string_view table, std::string_view field);
RuntimeError tooFewParametersExpected(int count);
RuntimeError tableInUse(std::string_view table);
RuntimeError lockedForReading(); // a read that waited in vain for a writer

// Turns a failed SQLite call (result code `rc` on `db`) into the engine's
// error. `path` names the database file for format errors.
RuntimeError fromSqlite(sqlite3* db, int rc, const std::filesystem::path& path);

} // namespace fieldizer::db::errors
