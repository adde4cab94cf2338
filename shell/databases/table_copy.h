#pragma once
// "Save TABLE As": the new name asked for until it is new (tableCheck), then
// the copy of the open table (saveTableAs): a table of the new name with the
// source's fields, in order, by name, type and size, empty text allowed,
// holding every record. The copy is all or nothing: on any failure no part
// of the new table remains.

#include "shell/dialogs/file_dialogs.h"
#include "text_engine/processing_pass.h"
#include "text_engine/user_dialogs.h"
#include "workbench/database_engine/database.h"

#include <optional>
#include <string>

namespace fieldizer {

// The table copied when no table has been opened.
inline constexpr const char* exportTableName = "Fieldizer's Export TABLE";
inline constexpr const char* saveTableAsPrompt = "Please enter a name to save the table as:";

namespace tableCopyMessageIds {
inline constexpr MessageId nameExists{"tableCopy.nameExists"};
}

// "This table name (<name>) is already in the database. ..." (Yes: another name).
Message tableNameExistsQuestion(const std::string& name);

// tableCheck: `openTableName` becomes the export name when empty; then the
// input box titled with it asks for the new name until no table has it
// (compared without regard to case) or the user gives up. Nothing when the
// input box is cancelled or left empty, or the user gives up.
std::optional<std::string> tableCheck(db::Database& database, std::string& openTableName,
                                      UserDialogs& dialogs, FileDialogs& files);

// The description of the new table: the source's fields in order with
// their names, types and sizes, empty text allowed, and no other rule.
db::TableDef copiedTableDef(const db::TableDef& source, std::string name);

// saveTableAs: creates `target` and copies every record of `source` into it,
// in one transaction, the observer told the record count and yielded to as
// records are copied. Throws RuntimeError after rolling everything back.
// Returns the records copied, or nothing when Stop ended the copy: then, as
// after an error, no part of the new table remains.
std::optional<long> saveTableAs(db::Database& database, const std::string& source,
                                const std::string& target, PassObserver& observer);

} // namespace fieldizer
