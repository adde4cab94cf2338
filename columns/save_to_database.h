#pragma once
// Save to Database: every line of the text becomes one record of a table,
// split by the column specifications or by a delimiter. One routine for the
// window and the command line; questions and messages go through
// UserDialogs, progress and Stop through PassObserver, errors are thrown.

#include "columns/column_spec.h"
#include "columns/program_tables.h"
#include "text_engine/processing_pass.h"
#include "text_engine/user_dialogs.h"
#include "workbench/database_engine/record_target.h"

#include <filesystem>
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

// The current database the records go to, and its path (or a server's
// address, without a password), which messages show. `database` is null when
// no database is selected.
struct SaveTarget {
    db::RecordTarget* database = nullptr;
    std::filesystem::path dbPath;
};

enum class SaveStatus {
    Saved,     // every line stored
    Stopped,   // Stop pressed; the records so far are stored
    Refused,   // a check failed; its message was shown and nothing changed
    Cancelled, // Cancel on "add to the current records?"
    Aborted,   // No on the size question: when appending, records before the current
               // one stay; when replacing, the table keeps the records it had
};

struct SaveOutcome {
    SaveStatus status = SaveStatus::Saved;
    long recordsStored = 0;
    long valuesLeftOut = 0; // values not written: too long, or refused by their field
    Focus focus;            // Refused: the input that gets the focus
    std::string tableName;  // the table written, as the database spells it
};

// Runs the whole save. A program table (isProgramTable) is refused before
// anything is written. Errors of the database end the save as a thrown
// RuntimeError, for the caller to report, after a message saying what stays
// in the table: a replace (No to "add to the current records?") that fails
// or is aborted keeps the old records, an append keeps the records stored
// before. No record is half-written.
SaveOutcome saveToDatabase(const SaveRequest& request, const SaveTarget& target,
                           UserDialogs& dialogs, PassObserver& observer);

} // namespace fieldizer
