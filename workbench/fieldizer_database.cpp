#include "workbench/fieldizer_database.h"

#include "text_engine/display_path.h"
#include "text_engine/parameter_keys.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/workspace.h"

#include <array>
#include <cerrno>
#include <filesystem>
#include <unistd.h>

namespace fieldizer::db {
namespace {

void appendField(TableDef& table, std::string name, int type, int size, bool zeroLength) {
    FieldDef field = table.createField(std::move(name), type, size);
    field.allowZeroLength = zeroLength;
    table.fields().append(std::move(field));
}

int typeOfKey(KeyKind kind) {
    switch (kind) {
    case KeyKind::Text:
        return fieldType::memo;
    case KeyKind::Number:
        return fieldType::doubleFloat;
    default:
        return fieldType::integer;
    }
}

void removeFile(const std::filesystem::path& path) {
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
}

// The heading, then the four numbers, in this order.
TableDef columnSpecTableDef(std::string name, const std::array<const char*, 5>& fields) {
    TableDef table(std::move(name));
    appendField(table, fields[0], fieldType::text, maxTextSize, true);
    for (std::size_t i = 1; i < fields.size(); ++i)
        appendField(table, fields[i], fieldType::longInteger, 0, false);
    return table;
}

} // namespace

TableDef specificationTableDef(std::string name) {
    return columnSpecTableDef(std::move(name),
                              {"column_heading", "get_data_from_column", "number_of_characters",
                               "spaces_b4_next_column", "field_width"});
}

TableDef specificationCopyTableDef(std::string name) {
    return columnSpecTableDef(std::move(name),
                              {"Column_heading", "Get_data_from_column", "Number_of_characters",
                               "Spaces_B4_next_column", "Field_width"});
}

TableDef settingsTableDef() {
    TableDef table(settingsTable);
    appendField(table, "nameofsettings", fieldType::text, maxTextSize, true);
    for (const ParameterKey& key : parameterKeys())
        appendField(table, std::string(key.name), typeOfKey(key.kind), 0, true);
    return table;
}

namespace {

void writeTables(Database& database) {
    database.beginTrans();
    database.tableDefs().append(specificationTableDef(specificationTable));
    database.tableDefs().append(settingsTableDef());
    database.createIndex(settingsTable, settingsIndex, {"nameofsettings"});
    database.commitTrans();
}

// Builds the whole database under `temporary`; on failure nothing of it
// stays, and the error names `path`, the file the user asked for.
void buildDatabase(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    try {
        std::shared_ptr<Database> database = Workspace().createDatabase(temporary);
        try {
            writeTables(*database);
        } catch (...) {
            database->close();
            throw;
        }
        database->close();
    } catch (const RuntimeError& error) {
        removeFile(temporary);
        std::string description = error.description();
        const std::string shown = displayPath(temporary);
        if (std::size_t at = description.find(shown); at != description.npos)
            description.replace(at, shown.size(), displayPath(path));
        throw RuntimeError(error.number(), description);
    }
}

RuntimeError linkError(int systemError, const std::filesystem::path& path) {
    switch (systemError) {
    case EEXIST:
        return RuntimeError(errors::databaseExists, "Database already exists.");
    case ENOSPC:
        return errors::error(errors::notEnoughSpace);
    case EACCES:
    case EPERM:
    case EROFS:
        return RuntimeError(fieldizer::errors::permissionDenied,
                            "Permission denied: '" + displayPath(path) + "'");
    default:
        return errors::cannotOpen(path);
    }
}

} // namespace

// The file is built whole under a temporary name beside `path` and then
// linked to it: link() refuses an existing name atomically, so a file of
// another run (or of the user) is never overwritten nor removed, and no
// empty or half-made file ever stands at `path`, even on a full disk.
void createFieldizerDatabase(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::exists(path, error) || error)
        throw RuntimeError(errors::databaseExists, "Database already exists.");
    const std::filesystem::path temporary = newDatabaseTemporaryName(path);
    buildDatabase(temporary, path);
    int linked = ::link(temporary.c_str(), path.c_str());
    int systemError = errno;
    removeFile(temporary);
    if (linked != 0)
        throw linkError(systemError, path);
}

std::filesystem::path newDatabaseTemporaryName(const std::filesystem::path& path) {
    return path.native() + ".new-" + std::to_string(::getpid());
}

} // namespace fieldizer::db
