#pragma once
// Replace Text: replaces a piece of every line. A typed text is replaced
// wherever it occurs; "Specific Replace" replaces a given text only where it
// stands at a column or at the end of the line; "General Replace" replaces a
// number of characters at a column or at the end of the line.
// Columns count bytes from 1; all comparisons are exact.

#include "text_engine/parameter_keys.h"
#include "text_engine/processing_pass.h"

#include <string>
#include <string_view>

namespace fieldizer {

inline constexpr std::string_view generalReplaceMode = "General Replace";
inline constexpr std::string_view specificReplaceMode = "Specific Replace";

struct ReplaceParameters {
    std::string replaceText; // a mode above, or the text to find
    std::string replaceSpecificText;
    int replaceAtCol = 1;
    int replaceNumOfChars = 1;
    std::string replaceWith;
    bool replaceEndOfLine = false;
    bool replaceAfterProcess = true;
    bool replaceAfterProcessShow = false;
};

ReplaceParameters replaceParameters(const ParameterValues& values);

// The mode routines: each appends the new line for a non-empty `line` to
// `out`.
// Every occurrence of replaceText, left to right, without overlaps; the
// replacement is never searched again. An empty replaceText changes nothing.
void enteredReplace(std::string_view line, const ReplaceParameters& parameters, std::string& out);
// replaceSpecificText at replaceAtCol (0 raises error 5) or at the end.
void specificReplace(std::string_view line, const ReplaceParameters& parameters, std::string& out);
// replaceNumOfChars bytes at replaceAtCol or at the end. Raises error 5 at a
// column when replaceAtCol and replaceNumOfChars are both 0.
void generalReplace(std::string_view line, const ReplaceParameters& parameters, std::string& out);

// Replace in one line: the routine replaceText chooses; an empty line stays
// empty and is not looked at.
void replaceLine(std::string_view line, const ReplaceParameters& parameters, std::string& out);

// The line operation of the Replace pass; every line yields one result line.
LineOperation replaceOperation(ReplaceParameters parameters);

} // namespace fieldizer
