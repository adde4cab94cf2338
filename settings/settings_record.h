#pragma once
// The Settings record: one row of fieldize_allFields holding a named set of
// every parameter key, found through the index nameOfSettings. Names are
// compared without regard to letter case, as the index does.

#include "text_engine/parameter_keys.h"
#include "workbench/database_engine/database.h"

#include <optional>
#include <string>
#include <string_view>

namespace fieldizer {

// "fieldize_" + name: the record's nameofsettings value and the name of the
// table that holds the set's column specifications.
std::string settingsTableName(std::string_view name);

// Whether "fieldize_" + name is one of the program's own tables
// (fieldize_settings, fieldize_allFields), in any letter case: a set of that
// name would overwrite the working specifications or the store itself.
bool isReservedSettingsName(std::string_view name);

// Refuses, before anything is written, a name whose table "fieldize_" + name
// the engine would not take (brackets, a full stop, over 64 characters in
// all): error 3125 naming that table.
void checkSettingsName(std::string_view name);

// fieldize_allFields as a table recordset with the index nameOfSettings.
db::Recordset openSettingsRecords(db::Database& database);

// Seeks the record of set `name`; true when found (it is then current).
bool seekSettings(db::Recordset& records, std::string_view name);

// Assigns nameofsettings and every key in stored order to the open, editable
// record (after addNew or edit), then stores it. Text keys are written as
// text, number keys as floating point from their digits (empty counts as 0),
// flags as 0 or 1. A key whose assignment fails (a field missing from an
// older table, a value the field refuses) is skipped; an error in naming or
// storing the record is thrown.
void writeSettingsRecord(db::Recordset& record, std::string_view name,
                         const ParameterValues& values);

// Puts the stored keys of the current record into `values`: text keys as
// text, number keys as the number written out ("12"), flags as "0"/"1". A
// field that is Null, missing or not acceptable to its control (a number
// that is not a whole 0 to 999, a flag other than 0 or 1) leaves its key as
// it was. Never throws for a single key.
void readSettingsRecord(db::Recordset& record, ParameterValues& values);

// The values of the saved set `name` laid over `base`, or nullopt when no
// set of that name is on file. Engine errors are thrown.
std::optional<ParameterValues> readSavedSettings(db::Database& database, std::string_view name,
                                                 ParameterValues base);

} // namespace fieldizer
