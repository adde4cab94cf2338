#include "text_engine/required_fields.h"

namespace fieldizer {

std::optional<MissingField> checkMoveFields(const MoveParameters& p) {
    if (!p.textToMove.empty())
        return std::nullopt;
    return MissingField{requiredFieldIds::textToMove,
                        "Please enter text to move; or select a move type and enter 'Specific "
                        "text to move', if necessary.",
                        Focus::onKey("textToMove")};
}

std::optional<MissingField> checkAddFields(const AddParameters& p) {
    if (!p.addText.empty())
        return std::nullopt;
    return MissingField{requiredFieldIds::addText, "Please enter text to add.",
                        Focus::onKey("addText")};
}

std::optional<MissingField> checkReplaceFields(const ReplaceParameters& p) {
    if (!p.replaceText.empty())
        return std::nullopt;
    return MissingField{requiredFieldIds::replaceText,
                        "Please enter text to replace; or select a replace type and enter "
                        "'Specific text to replace', if necessary.",
                        Focus::onKey("replaceText")};
}

std::optional<MissingField> checkDeleteFields(const DeleteParameters& p) {
    if (!p.deleteText.empty())
        return std::nullopt;
    return MissingField{requiredFieldIds::deleteText,
                        "Please enter text to delete; or select a delete type and enter "
                        "'Specific text to delete', if necessary.",
                        Focus::onKey("deleteText")};
}

std::optional<MissingField> checkFormatFields(const FormatParameters& p) {
    if (!p.formatDelimiter.empty())
        return std::nullopt;
    return MissingField{requiredFieldIds::formatDelimiter, "Please select or enter a delimiter.",
                        Focus::onKey("formatDelimiter")};
}

} // namespace fieldizer
