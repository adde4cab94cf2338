#pragma once
// What the Manipulator window keeps about the Settings store between clicks,
// handed explicitly to every Settings routine. The window copies its controls
// into it before a call and shows what it holds afterwards.

#include <string>
#include <vector>

namespace fieldizer {

// Combo16, the name box of the Settings tab.
struct NameBox {
    std::string text;               // the name as typed or selected
    std::vector<std::string> items; // the saved sets, in index order
    int selectedIndex = -1;         // the selected item; -1 when the name was typed
};

struct SettingsState {
    // "fieldize_" + the name of the set last saved or selected, or
    // "Settings: NOT SAVED" after a delete; empty before either.
    std::string currentSettingsTable;
    // A parameter was edited since the last save or select.
    bool settingsChanged = false;
    bool saveSettingsEnabled = false;   // "&Save Settings"
    bool selectSettingsEnabled = false; // "S&elect Settings"
    bool deleteSettingsEnabled = false; // "&Delete Settings"
    NameBox nameBox;
};

} // namespace fieldizer
