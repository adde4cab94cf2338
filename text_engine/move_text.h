#pragma once
// Move Text: moves a piece of every line to another column or to the end of
// the line, optionally with spaces around the moved piece. The piece is the
// first occurrence of a typed text, a given text standing at a given column
// ("Specific Move"), or a number of characters from a column ("General Move").
// Columns count bytes from 1; all comparisons are exact.

#include "text_engine/parameter_keys.h"
#include "text_engine/processing_pass.h"

#include <string>
#include <string_view>

namespace fieldizer {

inline constexpr std::string_view generalMoveMode = "General Move";
inline constexpr std::string_view specificMoveMode = "Specific Move";

struct MoveParameters {
    std::string textToMove; // a mode above, or the text to move
    std::string moveSpecificText;
    int moveFromCol = 1;
    int moveNumOfChars = 1;
    int moveToCol = 1;
    bool moveEndOfLine = false;
    std::string moveOptions{"Omit spaces"};
    int moveSpaces = 1;
    std::string movePlaceSpaces{"Both sides"};
    bool moveAfterProcess = true;
    bool moveAfterProcessShow = false;
};

MoveParameters moveParameters(const ParameterValues& values);

// The mode routines: each appends the new line for a non-empty `line` to
// `out`. A moveFromCol of 0 (General, Specific) raises error 5 on any
// non-empty line; a moveToCol of 0 without moveEndOfLine raises it once a
// piece has been found.
void enteredMove(std::string_view line, const MoveParameters& parameters, std::string& out);
void generalMove(std::string_view line, const MoveParameters& parameters, std::string& out);
void specificMove(std::string_view line, const MoveParameters& parameters, std::string& out);

// Move in one line: the routine textToMove chooses; an empty line stays empty
// and is not looked at.
void moveLine(std::string_view line, const MoveParameters& parameters, std::string& out);

// The line operation of the Move pass; it keeps its own copy of the record.
LineOperation moveOperation(MoveParameters parameters);

} // namespace fieldizer
