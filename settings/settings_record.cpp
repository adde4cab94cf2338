#include "settings/settings_record.h"

#include "text_engine/database_error_numbers.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/field_type.h"
#include "workbench/fieldizer_database.h"

namespace fieldizer {
namespace {

constexpr std::string_view namePrefix = "fieldize_";

db::Value storedValue(const ParameterKey& key, const ParameterValues& values) {
    switch (key.kind) {
    case KeyKind::Number:
        return db::Value(double(numberValue(values, key.name)));
    case KeyKind::Flag:
        return db::Value(flagValue(values, key.name) ? 1 : 0);
    case KeyKind::Text:
        break;
    }
    return db::Value(textValue(values, key.name));
}

// The text the key's control would hold after the value is put into it, or
// nullopt when the control would refuse it.
std::optional<std::string> controlText(const ParameterKey& key, const db::Value& value) {
    if (value.isNull())
        return std::nullopt;
    std::string text = value.toText();
    if (key.digitBox && !isNumberBoxText(text))
        return std::nullopt;
    if (key.kind == KeyKind::Flag && text != "0" && text != "1")
        return std::nullopt;
    return text;
}

} // namespace

std::string settingsTableName(std::string_view name) {
    return std::string(namePrefix) + std::string(name);
}

bool isReservedSettingsName(std::string_view name) {
    const std::string table = settingsTableName(name);
    return db::sameName(table, db::specificationTable) || db::sameName(table, db::settingsTable);
}

void checkSettingsName(std::string_view name) {
    const std::string table = settingsTableName(name);
    if (!db::isValidObjectName(table))
        throw db::errors::notAValidName(table);
}

db::Recordset openSettingsRecords(db::Database& database) {
    db::Recordset records = database.openRecordset(db::settingsTable, db::RecordsetType::Table);
    records.setIndex(db::settingsIndex);
    return records;
}

bool seekSettings(db::Recordset& records, std::string_view name) {
    records.seek("=", {db::Value(settingsTableName(name))});
    return !records.noMatch();
}

void writeSettingsRecord(db::Recordset& record, std::string_view name,
                         const ParameterValues& values) {
    record.field("nameofsettings") = db::Value(settingsTableName(name));
    for (const ParameterKey& key : parameterKeys()) {
        try {
            record.field(key.name) = storedValue(key, values);
        } catch (const RuntimeError& error) {
            // A set saved into an older table keeps the keys that table has.
            if (error.number() != db::errors::itemNotFound)
                throw;
        }
    }
    record.update();
}

void readSettingsRecord(db::Recordset& record, ParameterValues& values) {
    for (const ParameterKey& key : parameterKeys()) {
        try {
            if (auto text = controlText(key, record.field(key.name).value()))
                values[std::string(key.name)] = std::move(*text);
        } catch (const RuntimeError& error) {
            // A set saved before the key existed leaves that control as it was.
            if (error.number() != db::errors::itemNotFound)
                throw;
        }
    }
}

std::optional<ParameterValues> readSavedSettings(db::Database& database, std::string_view name,
                                                 ParameterValues base) {
    db::Recordset records = openSettingsRecords(database);
    if (!seekSettings(records, name))
        return std::nullopt;
    readSettingsRecord(records, base);
    records.close();
    return base;
}

} // namespace fieldizer
