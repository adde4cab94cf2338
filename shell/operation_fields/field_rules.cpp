#include "shell/operation_fields/field_rules.h"

#include "text_engine/padding.h"

#include <charconv>

namespace fieldizer {

namespace {

// The number a number box holds, as the box's own reading takes it: a
// text that is no whole number counts as 0.
long numberIn(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : 0;
}

} // namespace

bool spacesFieldsEnabled(std::string_view spacesOption) {
    return spacesOption == addSpacesOption;
}

ModeFieldStates modeFieldStates(std::string_view mode, std::string_view generalItem,
                                std::string_view specificItem, bool endOfLineChecked) {
    const bool specific = mode == specificItem;
    if (!mode.empty() && !specific && mode != generalItem)
        return {.clearEndOfLine = true,
                .endOfLine = false,
                .column = false,
                .specific = false,
                .count = false};
    return {.clearEndOfLine = false,
            .endOfLine = true,
            .column = !endOfLineChecked,
            .specific = specific,
            .count = !specific};
}

MoveFieldStates moveFieldStates(std::string_view textToMove) {
    const bool typed =
        !textToMove.empty() && textToMove != "General Move" && textToMove != "Specific Move";
    return {
        .fromColumn = !typed, .numOfChars = !typed, .specificText = textToMove == "Specific Move"};
}

bool movePlaceSpacesEnabled(std::string_view moveToCol) {
    return moveToCol.empty();
}

std::optional<std::vector<std::string_view>> formatAddTextItems(std::string_view formatCreate) {
    if (formatCreate == "New column")
        return std::vector<std::string_view>{"Start of column", "End of column", "Omit text"};
    if (formatCreate == "New line")
        return std::vector<std::string_view>{"Start of line", "End of line", "Omit text"};
    return std::nullopt;
}

bool formatSpacesBetweenColsShown(std::string_view formatCreate) {
    return formatCreate == "New column";
}

bool formatAddedTextEnabled(std::string_view formatAddText) {
    return formatAddText != "Omit text";
}

bool formatTextFromColumnEnabled(std::string_view formatTextToAdd) {
    return formatTextToAdd.empty();
}

bool formatTextToAddEnabled(std::string_view formatAddFromCol) {
    return numberIn(formatAddFromCol) < 1;
}

} // namespace fieldizer
