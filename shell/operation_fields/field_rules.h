#pragma once
// Which fields of the operation tabs the user can fill, decided from the
// choices already made on the tab. The tabs apply these whenever a choice
// changes; the passes read every field whatever its state.

#include <optional>
#include <string_view>
#include <vector>

namespace fieldizer {

// "# of spaces:" and the place of spaces mean something only when the
// options say "Add spaces".
bool spacesFieldsEnabled(std::string_view spacesOption);

// The Replace and Delete mode: a typed text is found wherever it stands, so
// the place fields mean nothing and the end-of-line box is cleared;
// "Specific ..." works on a given text, "General ..." on a number of
// characters.
struct ModeFieldStates {
    bool clearEndOfLine = false; // before the states apply: its own rule follows it
    bool endOfLine = true;
    bool column = true;
    bool specific = false;
    bool count = true;
};
ModeFieldStates modeFieldStates(std::string_view mode, std::string_view generalItem,
                                std::string_view specificItem, bool endOfLineChecked);

// The Move tab's "Text to move": a typed text moves wherever it stands.
struct MoveFieldStates {
    bool fromColumn = true;
    bool numOfChars = true;
    bool specificText = false;
};
MoveFieldStates moveFieldStates(std::string_view textToMove);

// A target column given greys out the place of spaces, though the pass
// still reads it.
bool movePlaceSpacesEnabled(std::string_view moveToCol);

// The Format tab. The items of "Add text:" speak of columns or of lines as
// the sections become either; no items for any other "At delimiter,
// create:" text, whose added-text fields are greyed out.
std::optional<std::vector<std::string_view>> formatAddTextItems(std::string_view formatCreate);
bool formatSpacesBetweenColsShown(std::string_view formatCreate);
// The added-text fields (options, the text, where it comes from, the first
// section) unless the text is omitted.
bool formatAddedTextEnabled(std::string_view formatAddText);
// With no text typed, the text is taken from a column of the line.
bool formatTextFromColumnEnabled(std::string_view formatTextToAdd);
// A column to take the text from leaves no text to type.
bool formatTextToAddEnabled(std::string_view formatAddFromCol);

} // namespace fieldizer
