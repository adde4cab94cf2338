#pragma once
// The checks made before a pass starts, with the messages the user sees. A
// failed check names the parameter that gets the focus; nothing is processed.
// This is the one place for these texts: the windows and the command line
// both ask here.

#include "text_engine/add_text.h"
#include "text_engine/delete_text.h"
#include "text_engine/format_text.h"
#include "text_engine/move_text.h"
#include "text_engine/replace_text.h"
#include "text_engine/user_dialogs.h"

#include <optional>
#include <string_view>

namespace fieldizer {

// The identifiers of the messages below.
namespace requiredFieldIds {
inline constexpr MessageId textToMove{"required.textToMove"};
inline constexpr MessageId addText{"required.addText"};
inline constexpr MessageId replaceText{"required.replaceText"};
inline constexpr MessageId deleteText{"required.deleteText"};
inline constexpr MessageId formatDelimiter{"required.formatDelimiter"};
inline constexpr MessageId nothingToProcess{"required.nothingToProcess"};
} // namespace requiredFieldIds

struct MissingField {
    MessageId id;
    std::string_view message;
    Focus focus; // the parameter that gets the focus
};

inline constexpr std::string_view nothingToProcessMessage =
    "There is nothing to process.  Please open a file by selecting File menu/Open, or enter "
    "text into the text box on the Text/Lines tab.";

// Each returns the message for an empty required field, or nothing.
std::optional<MissingField> checkMoveFields(const MoveParameters& parameters);
std::optional<MissingField> checkAddFields(const AddParameters& parameters);
std::optional<MissingField> checkReplaceFields(const ReplaceParameters& parameters);
std::optional<MissingField> checkDeleteFields(const DeleteParameters& parameters);
// Format Text with no delimiter would drop every non-empty line, so it is
// refused.
std::optional<MissingField> checkFormatFields(const FormatParameters& parameters);

// Whether a pass has anything to work on: a text of at least one character
// (spaces or a single line break count). Otherwise the caller shows
// nothingToProcessMessage. Checked after the required field.
inline bool hasTextToProcess(std::string_view text) {
    return !text.empty();
}

} // namespace fieldizer
