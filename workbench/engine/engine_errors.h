#pragma once
// The database engine's errors, by its numbers and in its wording. Every
// failure of the database layer is one of these RuntimeErrors. Names and
// paths in the descriptions are in the program's character set.

#include "engine/runtime_error.h"

#include <string_view>

struct sqlite3;

namespace fieldizer::db::errors {

inline constexpr int invalidArgument = 3001;
inline constexpr int tableExists = 3010;
inline constexpr int objectExists = 3012;
inline constexpr int noCurrentIndex = 3019;
inline constexpr int updateWithoutEdit = 3020;
inline constexpr int noCurrentRecord = 3021;
inline constexpr int duplicateKey = 3022;
inline constexpr int fileNotFound = 3024;
inline constexpr int readOnly = 3027;
inline constexpr int noTransaction = 3034;
inline constexpr int invalidPath = 3044;
inline constexpr int cannotOpenFile = 3051;
inline constexpr int tooFewParameters = 3061;
inline constexpr int selectExecuted = 3065;
inline constexpr int inputTableNotFound = 3078;
inline constexpr int invalidName = 3125;
inline constexpr int charactersAfterEnd = 3142;
inline constexpr int fieldTooSmall = 3163;
inline constexpr int fieldNotUpdatable = 3164;
inline constexpr int recordDeleted = 3167;
inline constexpr int isamNotFound = 3170;
inline constexpr int fieldDefinedTwice = 3191;
inline constexpr int tableLocked = 3211;
inline constexpr int recordLocked = 3218;
inline constexpr int invalidOperation = 3219;
inline constexpr int notSupported = 3251;
inline constexpr int noFieldDefined = 3264;
inline constexpr int itemNotFound = 3265;
inline constexpr int requiredIsNull = 3314;
inline constexpr int zeroLengthString = 3315;
inline constexpr int unrecognizedFormat = 3343;
inline constexpr int numericOverflow = 3349;
inline constexpr int objectInvalid = 3420;
inline constexpr int conversionError = 3421;
inline constexpr int diskFull = 3026;

RuntimeError error(int number); // the fixed-text errors above
RuntimeError tableAlreadyExists(std::string_view table);
RuntimeError objectAlreadyExists(std::string_view name);
RuntimeError itemNotInCollection();
RuntimeError couldNotFindFile(std::string_view path);
RuntimeError unrecognizedDatabaseFormat(std::string_view path);
RuntimeError cannotOpen(std::string_view path);
RuntimeError notAValidPath(std::string_view path);
RuntimeError inputTableOrQueryNotFound(std::string_view name);
RuntimeError notAValidName(std::string_view name);
RuntimeError zeroLengthNotAllowed(std::string_view table, std::string_view field);
RuntimeError requiredFieldIsNull(std::string_view table, std::string_view field);
RuntimeError tooFewParametersExpected(int count);
RuntimeError tableInUse(std::string_view table);

// Turns a failed SQLite call (result code `rc` on `db`) into the engine's
// error. `path` names the database file for format errors.
RuntimeError fromSqlite(sqlite3* db, int rc, std::string_view path);

} // namespace fieldizer::db::errors
