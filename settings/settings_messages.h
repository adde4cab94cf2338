#pragma once
// The Settings store's own messages and questions, in the program's words,
// and their identifiers.

#include "text_engine/user_dialogs.h"

#include <string>
#include <string_view>

namespace fieldizer {

namespace settingsMessageIds {
inline constexpr MessageId nameMissing{"settings.nameMissing"};
inline constexpr MessageId selectNameMissing{"settings.selectNameMissing"};
inline constexpr MessageId deleteNameMissing{"settings.deleteNameMissing"};
inline constexpr MessageId reservedName{"settings.reservedName"};
inline constexpr MessageId overwrite{"settings.overwrite"};
inline constexpr MessageId deleteSet{"settings.delete"};
} // namespace settingsMessageIds

inline constexpr const char* settingsNameMissingMessage =
    "Please specify a name for the current Settings.";
inline constexpr const char* selectNameMissingMessage =
    "Please specify the name of the Settings to select.";
inline constexpr const char* deleteNameMissingMessage = "Please select Settings to delete.";
// The current Settings table name once a set has been deleted.
inline constexpr const char* settingsNotSaved = "Settings: NOT SAVED";

inline std::string overwriteSettingsQuestion(std::string_view name) {
    return "This name (" + std::string(name) +
           ") for the settings is already on file.  Would you like to overwrite the current "
           "settings?";
}

inline std::string reservedSettingsNameMessage(std::string_view name) {
    return "This name (" + std::string(name) +
           ") is used by Fieldizer itself.  Please choose another name for the Settings.";
}

inline std::string deleteSettingsQuestion(std::string_view name) {
    return "Delete these Settings: " + std::string(name) + "?";
}

} // namespace fieldizer
