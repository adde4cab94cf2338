#include "workbench/fieldizer_database.h"

#include "engine/cp1252.h"
#include "engine/parameter_keys.h"
#include "workbench/workspace.h"

#include <filesystem>

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

} // namespace

TableDef specificationTableDef(std::string name) {
    TableDef table(std::move(name));
    appendField(table, "column_heading", fieldType::text, maxTextSize, true);
    for (const char* field :
         {"get_data_from_column", "number_of_characters", "spaces_b4_next_column", "field_width"})
        appendField(table, field, fieldType::longInteger, 0, false);
    return table;
}

TableDef settingsTableDef() {
    TableDef table(settingsTable);
    appendField(table, "nameofsettings", fieldType::text, maxTextSize, true);
    for (const ParameterKey& key : parameterKeys())
        appendField(table, std::string(key.name), typeOfKey(key.kind), 0, true);
    return table;
}

void createFieldizerDatabase(const std::string& path) {
    std::shared_ptr<Database> database = Workspace().createDatabase(path);
    try {
        database->beginTrans();
        database->tableDefs().append(specificationTableDef(specificationTable));
        database->tableDefs().append(settingsTableDef());
        database->createIndex(settingsTable, settingsIndex, {"nameofsettings"});
        database->commitTrans();
        database->close();
    } catch (...) {
        // A half-made file must not be taken for the program's database.
        database->close();
        std::error_code ignored;
        std::filesystem::remove(std::filesystem::path(cp1252ToUtf8(path)), ignored);
        throw;
    }
}

} // namespace fieldizer::db
