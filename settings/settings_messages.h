#pragma once
// The Settings store's own messages and questions, in the program's words.

#include <string>
#include <string_view>

namespace fieldizer {

inline constexpr const char* settingsNameMissingMessage =
    "Please specify a name for the current Settings.";
inline constexpr const char* selectNameMissingMessage =
    "Please specify the name of the Settings to select.";
inline constexpr const char* deleteNameMissingMessage = "Please select Settings to delete.";
// The current Settings table name once a set has been deleted.
inline constexpr const char* settingsNotSaved = "Settings: NOT SAVED";
// The control that gets the focus after a missing-name message.
inline constexpr const char* settingsNameControl = "Combo16";

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
