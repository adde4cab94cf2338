#pragma once
// The buttons of the Settings tab, and Clear settings of the Fieldize Text
// tab. Each works on the program's own database, asks its questions through
// `dialogs`, and keeps what the window shows in `state` (the name comes from
// state.nameBox). None of them opens a window.

#include "settings/settings_state.h"
#include "text_engine/parameter_keys.h"
#include "text_engine/runtime_error.h"
#include "text_engine/user_dialogs.h"
#include "workbench/database_engine/database.h"

#include <optional>

namespace fieldizer {

enum class SettingsOutcome {
    Done,
    NameRefused, // empty or reserved name: the message was shown, nothing touched
    Cancelled,   // the user declined the question
    NotOnFile,   // Select: no set of that name, nothing changed
};

// Save Settings: stores `values` under the name, asking before it overwrites
// a set on file; creates the set's table of column specifications when
// needed and copies the working specifications into it (an empty working
// table leaves the copy's rows); refills the name box; sets the current
// Settings table name; clears settingsChanged and disables Command8.
// Engine errors are thrown for the error report; what was stored before
// them stays stored, and the copy of the specifications is all or nothing.
SettingsOutcome saveSettings(db::Database& database, UserDialogs& dialogs,
                             const ParameterValues& values, SettingsState& state);

// Select Settings: puts the stored values into `values` (keys the set lacks
// keep theirs) and makes the set's specifications the working ones. Errors
// before the set is found are thrown; after that each step's errors are
// ignored. The window shows `values` without counting them as edits.
SettingsOutcome selectSettings(db::Database& database, UserDialogs& dialogs,
                               ParameterValues& values, SettingsState& state);

struct DeleteResult {
    SettingsOutcome outcome = SettingsOutcome::Done;
    // The first error the delete went past; the window ignores it, the
    // command line reports it.
    std::optional<RuntimeError> ignoredError;
    // Whether a record of that name was on file. The window does not care;
    // the command line says so, after the table is gone all the same.
    bool recordFound = false;
};

// Delete Settings: after a Yes, removes the set's record and its table,
// each when it exists (a table left without its record goes too), and
// refills the name box; the current Settings table name becomes
// "Settings: NOT SAVED". Errors are ignored (returned, never thrown).
DeleteResult deleteSettings(db::Database& database, UserDialogs& dialogs, SettingsState& state);

// Clear settings: empties the working specifications, keeping rows without
// a start column. Errors are ignored. The window then refreshes its grid.
void clearSettings(db::Database& database);

} // namespace fieldizer
