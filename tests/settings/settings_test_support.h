#pragma once
// A program database in a temporary folder, and dialogs answered by script,
// for the Settings store's tests.

#include "program_database_fixture.h"
#include "runtime_error_checks.h"
#include "scripted_dialogs.h"

#include <deque>
#include <string>
#include <vector>

namespace fieldizer::testing {

// Rebuilds fieldize_allFields without `dropped`, keeping its records, as
// the table of a program made before that key existed.
inline void dropSettingsField(db::Database& database, const std::string& dropped) {
    const db::TableDef full = db::settingsTableDef();
    db::TableDef older(db::settingsTable);
    std::string fields;
    for (const db::FieldDef& field : full.fields()) {
        if (field.name == dropped)
            continue;
        older.fields().append(field);
        fields += (fields.empty() ? "" : ", ") + field.name;
    }
    database.execute("select * into keep from fieldize_allFields");
    database.tableDefs().remove(db::settingsTable);
    database.tableDefs().append(older);
    database.createIndex(db::settingsTable, db::settingsIndex, {"nameofsettings"});
    database.execute("insert into fieldize_allFields (" + fields + ") select " + fields +
                     " from keep");
    database.tableDefs().remove("keep");
}

inline long recordCount(db::Database& database, const std::string& table) {
    db::Recordset rows = database.openRecordset(table, db::RecordsetType::Table);
    long count = 0;
    for (; !rows.eof(); rows.moveNext())
        ++count;
    return count;
}

inline ColumnSpec spec(std::string heading, long start, long chars, long spaces, long width) {
    return ColumnSpec{std::move(heading), start, chars, spaces, width};
}

// Specs written out for comparison: "heading:start:chars:spaces:width" per
// row, "-" for a missing number, rows joined by "|".
inline std::string describe(const ColumnSpecs& specs) {
    auto number = [](const std::optional<long>& value) {
        return value ? std::to_string(*value) : std::string("-");
    };
    std::string text;
    for (const ColumnSpec& row : specs)
        text += (text.empty() ? "" : "|") + row.columnHeading + ":" +
                number(row.getDataFromColumn) + ":" + number(row.numberOfCharacters) + ":" +
                number(row.spacesB4NextColumn) + ":" + number(row.fieldWidth);
    return text;
}

} // namespace fieldizer::testing
