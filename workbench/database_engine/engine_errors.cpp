#include "workbench/database_engine/engine_errors.h"

#include "text_engine/cp1252.h"
#include "text_engine/display_path.h"
#include "text_engine/memory_failure.h"
#include "workbench/dialect/function_failures.h"

#include <cerrno>
#include <sqlite3.h>
#include <string>

namespace fieldizer::db::errors {
namespace {

using namespace std::string_literals;

const char* fixedText(int number) {
    switch (number) {
    case invalidArgument:
        return "Invalid argument.";
    case noCurrentIndex:
        return "Operation invalid without a current index.";
    case updateWithoutEdit:
        return "Update or CancelUpdate without AddNew or Edit.";
    case noCurrentRecord:
        return "No current record.";
    case duplicateKey:
        return "The changes you requested to the table were not successful because they would "
               "create duplicate values in the index, primary key, or relationship.  Change the "
               "data in the field or fields that contain duplicate data, remove the index, or "
               "redefine the index to permit duplicate entries and try again.";
    case notEnoughSpace:
        return "Not enough space on disk.";
    case readOnly:
        return "Cannot update.  Database or object is read-only.";
    case noTransaction:
        return "You tried to commit or rollback a transaction without first beginning a "
               "transaction.";
    case selectExecuted:
        return "Cannot execute a select query.";
    case charactersAfterEnd:
        return "Characters found after end of SQL statement.";
    case fieldTooSmall:
        return "The field is too small to accept the amount of data you attempted to add.  Try "
               "inserting or pasting less data.";
    case fieldNotUpdatable:
        return "Field cannot be updated.";
    case recordDeleted:
        return "Record is deleted.";
    case isamNotFound:
        return "Couldn't find installable ISAM.";
    case fieldDefinedTwice:
        return "Cannot define field more than once.";
    case recordLocked:
        return "Could not update; currently locked.";
    case invalidOperation:
        return "Invalid operation.";
    case notSupported:
        return "Operation is not supported for this type of object.";
    case noFieldDefined:
        return "No field defined--cannot append TableDef or Index.";
    case itemNotFound:
        return "Item not found in this collection.";
    case numericOverflow:
        return "Numeric field overflow.";
    case objectInvalid:
        return "Object invalid or no longer set.";
    case conversionError:
        return "Data type conversion error.";
    case tooComplex:
        return "Query is too complex.";
    default:
        return "Invalid operation.";
    }
}

std::string inQuotes(std::string_view text) {
    return "'" + std::string(text) + "'";
}

std::string quotedPath(const std::filesystem::path& path) {
    return inQuotes(displayPath(path));
}

// SQLite names the failed CHECK constraint; ours are named "<rule>:<field>"
// (see the table writer), so the rule and the field can be told apart.
RuntimeError fromCheckConstraint(std::string_view message) {
    std::string_view name = message.substr(message.find(':') + 1);
    while (!name.empty() && name.front() == ' ')
        name.remove_prefix(1);
    if (name.starts_with("zeroLength:"))
        return RuntimeError(zeroLengthString, "Field " + inQuotes(name.substr(11)) +
                                                  " cannot be a zero-length string.");
    if (name.starts_with("fieldSize:"))
        return error(fieldTooSmall);
    return RuntimeError(validationRule,
                        "One or more values are prohibited by the validation rule set "
                        "for the table.  Enter a value that the expression for this field "
                        "can accept.");
}

RuntimeError fromConstraint(std::string_view message) {
    if (message.starts_with("CHECK constraint failed"))
        return fromCheckConstraint(message);
    if (message.starts_with("UNIQUE constraint failed"))
        return error(duplicateKey);
    if (message.starts_with("NOT NULL constraint failed: ")) {
        std::string_view column = message.substr(28);
        std::size_t dot = column.find('.');
        return requiredFieldIsNull(column.substr(0, dot),
                                   dot == column.npos ? "" : column.substr(dot + 1));
    }
    return error(duplicateKey);
}

RuntimeError fromMessage(std::string_view message) {
    // Nesting deeper than SQLite's parser or its expression trees take.
    if (message == "parser stack overflow" || message.starts_with("Expression tree is too large"))
        return error(tooComplex);
    if (message.starts_with("no such table: "))
        return inputTableOrQueryNotFound(message.substr(15));
    if (message.starts_with("no such column: "))
        return tooFewParametersExpected(1);
    if (message.starts_with("object name reserved for internal use: "))
        return notAValidName(message.substr(39));
    if (message.starts_with("index ") && message.find(" already exists") != message.npos) {
        // Index names are shared by all tables of an SQLite file.
        std::string_view name = message.substr(6, message.find(" already exists") - 6);
        return RuntimeError(indexExists, "Index " + inQuotes(name) + " already exists.");
    }
    if (message.starts_with("table ") && message.find(" already exists") != message.npos) {
        std::string_view name = message.substr(6, message.find(" already exists") - 6);
        return tableAlreadyExists(name);
    }
    // A function that fails while the rows are read, after the statement
    // was prepared.
    if (auto failure = access_values::functionFailure(message))
        return *failure;
    return RuntimeError(reserved, "Reserved error (-1); there is no message for this error.  (" +
                                      std::string(message) + ")");
}

} // namespace

RuntimeError error(int number) {
    return RuntimeError(number, fixedText(number));
}

RuntimeError tableAlreadyExists(std::string_view table) {
    return RuntimeError(tableExists, "Table " + inQuotes(table) + " already exists.");
}

RuntimeError objectAlreadyExists(std::string_view name) {
    return RuntimeError(objectExists, "Object " + inQuotes(name) + " already exists.");
}

RuntimeError itemNotInCollection() {
    return error(itemNotFound);
}

RuntimeError couldNotFindFile(const std::filesystem::path& path) {
    return RuntimeError(missingFile, "Could not find file " + quotedPath(path) + ".");
}

RuntimeError unrecognizedDatabaseFormat(const std::filesystem::path& path) {
    return RuntimeError(unrecognizedFormat,
                        "Unrecognized database format " + quotedPath(path) + ".");
}

RuntimeError cannotOpen(const std::filesystem::path& path) {
    return RuntimeError(cannotOpenFile, "The Microsoft Jet database engine cannot open the file " +
                                            quotedPath(path) +
                                            ".  It is already opened exclusively by another "
                                            "user, or you need permission to view its data.");
}

RuntimeError notAValidPath(const std::filesystem::path& path) {
    return RuntimeError(invalidPath, quotedPath(path) +
                                         " isn't a valid path.  Make sure that the path name is "
                                         "spelled correctly and that you are connected to the "
                                         "server on which the file resides.");
}

RuntimeError inputTableOrQueryNotFound(std::string_view name) {
    return RuntimeError(inputTableNotFound,
                        "The Microsoft Jet database engine cannot find the input table or query " +
                            inQuotes(name) +
                            ".  Make sure it exists and that its name is spelled correctly.");
}

RuntimeError notAValidName(std::string_view name) {
    return RuntimeError(invalidName, inQuotes(name) +
                                         " is not a valid name.  Make sure that it does not "
                                         "include invalid characters or punctuation and that it "
                                         "is not too long.");
}

RuntimeError zeroLengthNotAllowed(std::string_view table, std::string_view field) {
    return RuntimeError(zeroLengthString,
                        "Field " + inQuotes(std::string(table) + "." + std::string(field)) +
                            " cannot be a zero-length string.");
}

RuntimeError requiredFieldIsNull(std::string_view table, std::string_view field) {
    return RuntimeError(requiredIsNull,
                        "The field " + inQuotes(std::string(table) + "." + std::string(field)) +
                            " cannot contain a Null value because the Required property for "
                            "this field is set to True.  Enter a value in this field.");
}

RuntimeError conversionFailed(std::string_view table, std::string_view field) {
    std::string what = table.empty()
                           ? "parameter " + inQuotes(field)
                           : "field " + inQuotes(std::string(table) + "." + std::string(field));
    return RuntimeError(conversionError, "Data type conversion error in " + what + ".");
}

RuntimeError tooFewParametersExpected(int count) {
    return RuntimeError(tooFewParameters,
                        "Too few parameters. Expected " + std::to_string(count) + ".");
}

RuntimeError tableInUse(std::string_view table) {
    return RuntimeError(tableLocked, "The database engine could not lock table " + inQuotes(table) +
                                         " because it is already in use by another person or "
                                         "process.");
}

RuntimeError lockedForReading() {
    return RuntimeError(readLocked, "Could not read; currently locked.");
}

RuntimeError permissionDeniedOn(const std::filesystem::path& path) {
    return RuntimeError(fieldizer::errors::permissionDenied,
                        "Permission denied: " + quotedPath(path));
}

// Why SQLite could not open or create the file, by the system's reason.
RuntimeError cannotOpenBecause(int systemError, const std::filesystem::path& path) {
    switch (systemError) {
    case ENOENT:
    case ENOTDIR:
    case ENAMETOOLONG:
        return notAValidPath(path);
    case EACCES:
    case EPERM:
    case EROFS:
        return permissionDeniedOn(path);
    default:
        return cannotOpen(path);
    }
}

// An I/O error by its kind and the system's reason: a disk that filled up
// while SQLite synced or grew a file says so, as SQLITE_FULL does.
RuntimeError fromIoError(int rc, int systemError, const std::filesystem::path& path) {
    if (rc == SQLITE_IOERR_NOMEM)
        return fieldizer::outOfMemoryError();
    if (rc == SQLITE_IOERR_SHORT_READ || rc == SQLITE_IOERR_CORRUPTFS)
        return unrecognizedDatabaseFormat(path);
    switch (systemError) {
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
        return error(notEnoughSpace);
    case EROFS:
        return error(readOnly);
    case EACCES:
    case EPERM:
        return permissionDeniedOn(path);
    default:
        return RuntimeError(fieldizer::errors::pathFileAccess, "Path/File access error");
    }
}

RuntimeError fromSqlite(sqlite3* db, int rc, const std::filesystem::path& path) {
    std::string message = utf8ToCp1252(db ? sqlite3_errmsg(db) : sqlite3_errstr(rc));
    switch (rc & 0xFF) {
    case SQLITE_NOTADB:
    case SQLITE_CORRUPT:
        return unrecognizedDatabaseFormat(path);
    case SQLITE_CANTOPEN:
        return cannotOpenBecause(db ? sqlite3_system_errno(db) : 0, path);
    case SQLITE_READONLY:
    case SQLITE_PERM:
    case SQLITE_AUTH:
        return error(readOnly);
    case SQLITE_BUSY:
        return error(recordLocked);
    case SQLITE_LOCKED:
        return tableInUse(message);
    case SQLITE_FULL:
        return error(notEnoughSpace);
    case SQLITE_NOMEM:
        return fieldizer::outOfMemoryError();
    case SQLITE_IOERR:
        return fromIoError(rc, db ? sqlite3_system_errno(db) : 0, path);
    case SQLITE_TOOBIG:
        return error(fieldTooSmall);
    case SQLITE_CONSTRAINT:
        return fromConstraint(message);
    default:
        return fromMessage(message);
    }
}

} // namespace fieldizer::db::errors
