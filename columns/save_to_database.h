#pragma once
// Save to Database: every line of the text becomes one record of a table,
// split by the column specifications or by a delimiter. One routine for the
// window and the command line; questions and messages go through
// UserDialogs, progress and Stop through PassObserver.

#include "columns/column_spec.h"
#include "engine/processing_pass.h"
#include "engine/user_dialogs.h"
#include "workbench/engine/database.h"

#include <string>
#include <string_view>

namespace fieldizer {

inline constexpr std::string_view parseByDelimiterMethod = "Parse text using delimiter I specify";
inline constexpr std::string_view useColumnSpecsMethod =
    "Use column specs on the Fieldize Text tab";

enum class SaveOption {
    OwnDatabaseNewTable = 1,    // Fieldizer creates the table in fieldizer.mdb
    ChosenDatabaseNewTable = 2, // the user's database, Fieldizer creates the table
    ChosenDatabaseTable = 3,    // the user's database and an existing table
};

struct SaveRequest {
    std::string_view text;
    std::string tableName;
    std::string processMethod; // databaseProcessMethod
    std::string delimiter;     // databaseDelimiter
    SaveOption option = SaveOption::OwnDatabaseNewTable;
    ColumnSpecs specs; // the working specifications of the program's own database
};

// The current database the records go to, and its path as messages show it.
// `database` is null when no database is selected.
struct SaveTarget {
    db::Database* database = nullptr;
    std::string dbPath;
};

enum class SaveStatus {
    Saved,     // every line stored
    Stopped,   // Stop pressed; the records so far are stored
    Refused,   // a check failed; its message was shown and nothing changed
    Cancelled, // Cancel on "add to the current records?"
    Aborted,   // No on the size question; records before the current one stay
    Failed,    // an error was reported; records before it stay
};

struct SaveOutcome {
    SaveStatus status = SaveStatus::Saved;
    long recordsStored = 0;
    long valuesLeftOut = 0;   // values too long for their field, not written
    std::string focusControl; // Refused: the control that gets the focus
    std::string tableName;    // the table written, as the database spells it
};

// Runs the whole save. Errors of the database are reported through
// `dialogs` (the error report's text, title "Fieldizer - Sorry...") and end
// the save with Failed; records are committed in one transaction at the end,
// at Stop and before any error is reported, so no record is half-written.
SaveOutcome saveToDatabase(const SaveRequest& request, const SaveTarget& target,
                           UserDialogs& dialogs, PassObserver& observer);

// Whether a table is offered in the program's table lists: not one of the
// program's own ("fieldize_" in any case) and not a hidden "MSys" table.
bool isListedTable(std::string_view name);

} // namespace fieldizer
