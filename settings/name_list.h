#pragma once
// The list of saved Settings in the Settings tab's name box, and what
// entering the Settings tab brings up to date.

#include "settings/settings_state.h"
#include "workbench/database_engine/database.h"

#include <string>
#include <vector>

namespace fieldizer {

// The names of all saved sets in index order (ascending nameofsettings,
// without regard to case), each without its "fieldize_" prefix; records
// without a name are left out. Engine errors are thrown.
std::vector<std::string> refreshNameOfSettingsList(db::Database& database);

// The item to select after the list was refilled: the one at the remembered
// position again, or the one before it when the position now equals the
// number of items; -1 (none) when nothing was selected before, the list is
// empty, or the position lies beyond it.
int positionAfterRefresh(int remembered, std::size_t count);

// Refills the name box with refreshNameOfSettingsList, keeping its text and
// selecting again as positionAfterRefresh says (the selected item's name
// becomes the text). Engine errors are thrown and leave the box as it was.
void refillNameBox(db::Database& database, NameBox& box);

// Entering the Settings tab: refills the name box, enables Command8 exactly
// when settingsChanged, and Command9 and Command16 exactly when a set is on
// file (the first item is not empty). Engine errors are thrown.
void enterSettingsTab(db::Database& database, SettingsState& state);

} // namespace fieldizer
