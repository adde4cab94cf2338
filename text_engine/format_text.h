#pragma once
// Format Text: cuts every line into sections at a delimiter and puts the
// sections side by side with spaces between them ("New column") or on lines
// of their own ("New line"), optionally adding a text to each section.
// Columns count bytes from 1; all comparisons are exact.

#include "text_engine/parameter_keys.h"
#include "text_engine/processing_pass.h"

#include <string>
#include <string_view>

namespace fieldizer {

inline constexpr std::string_view newColumnCreate = "New column";
inline constexpr std::string_view newLineCreate = "New line";

// formatAddText values.
inline constexpr std::string_view startOfLineAdd = "Start of line";
inline constexpr std::string_view startOfColumnAdd = "Start of column";
inline constexpr std::string_view endOfLineAdd = "End of line";
inline constexpr std::string_view endOfColumnAdd = "End of column";
inline constexpr std::string_view omitTextAdd = "Omit text";

struct FormatParameters {
    std::string formatCreate{"New line"};
    // Trimmed of spaces: empty means the whole value (spaces) is the
    // delimiter, one character a single delimiter, more a sequence whose
    // k-th character ends the k-th section.
    std::string formatDelimiter;
    std::string formatLineStart{"No"}; // "Yes": column 1 belongs to no section
    int formatSpacesBetweenCols = 1;
    std::string formatAddText{"Omit text"};
    std::string formatTextToAdd; // empty: taken from the line
    int formatAddFromCol = 1;
    int formatNumOfChars = 1;
    std::string formatFirstSection{"Yes"}; // "No": section 1 gets no text
    std::string formatOptions{"Omit spaces"};
    std::string formatPlaceSpaces{"Both sides"};
    int formatSpaces = 1;
    bool formatAfterProcess = true;
    bool formatAfterProcessShow = false;
};

FormatParameters formatParameters(const ParameterValues& values);

// The routines append the formatted text for a non-empty `line` to `out`:
// sections joined by formatSpacesBetweenCols spaces, or by CR LF. The last
// section (the rest of the line) is followed by nothing. Where a delimiter
// sequence runs out in a line, the rest of the line is the last section.
// Text taken from the line with formatAddFromCol 0 raises error 5 at the
// first section that gets text.
void newColumn(std::string_view line, const FormatParameters& parameters, std::string& out);
void newLine(std::string_view line, const FormatParameters& parameters, std::string& out);

// Format one line: an empty line, an empty delimiter (refused before a pass;
// see required_fields.h) or a formatCreate other than the two list items
// leaves the line unchanged; otherwise the routine formatCreate names.
void formatLine(std::string_view line, const FormatParameters& parameters, std::string& out);

// The line operation of the Format pass.
LineOperation formatOperation(FormatParameters parameters);

} // namespace fieldizer
