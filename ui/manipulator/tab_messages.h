#pragma once
// The messages of the database check on returning to the Manipulator, and
// their identifiers.

#include "text_engine/user_dialogs.h"

#include <string>
#include <string_view>

namespace fieldizer::ui {

namespace tabMessageIds {
inline constexpr MessageId fieldizeTabCloses{"tabs.fieldizeTabCloses"};
inline constexpr MessageId settingsTabCloses{"tabs.settingsTabCloses"};
} // namespace tabMessageIds

// `tab` is "Fieldize Text" or "Settings", the tab that was selected.
inline std::string databaseClosedMessage(std::string_view tab) {
    return "The database you opened will now be closed, because the " + std::string(tab) +
           " tab is currently activated.  In the future, to avoid having the database closed, "
           "make sure that neither the Fieldize Text, nor the Settings tab is activated BEFORE "
           "opening the database.";
}

} // namespace fieldizer::ui
