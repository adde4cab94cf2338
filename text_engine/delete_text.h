#pragma once
// Delete Text: removes a piece of every line, optionally leaving spaces in
// its place, and can remove blank lines. A typed text is deleted wherever it
// occurs; "Specific Delete" deletes a given text only where it stands at a
// column or at the end of the line; "General Delete" deletes a number of
// characters at a column or at the end of the line.
// Columns count bytes from 1; all comparisons are exact.

#include "text_engine/parameter_keys.h"
#include "text_engine/processing_pass.h"

#include <string>
#include <string_view>

namespace fieldizer {

inline constexpr std::string_view generalDeleteMode = "General Delete";
inline constexpr std::string_view specificDeleteMode = "Specific Delete";

struct DeleteParameters {
    std::string deleteText;         // a mode above, or the text to delete
    std::string deleteSpecificText; // exactly CR LF: the blank-line rule
    int deleteFromCol = 1;
    int deleteNumOfChars = 1;
    bool deleteEndOfLine = false;
    std::string deleteOptions{"Omit spaces"};
    int deleteSpaces = 1;
    bool deleteAfterProcess = true;
    bool deleteAfterProcessShow = false;
};

DeleteParameters deleteParameters(const ParameterValues& values);

// Whether the blank-line rule holds: deleteSpecificText is exactly CR LF, so
// empty lines are handed to the routines and every line left empty is dropped.
bool deleteDropsBlankLines(const DeleteParameters& parameters);

// The mode routines: each appends the new line to `out`. "The spaces" below
// are deleteSpaces spaces with deleteOptions "Add spaces", nothing otherwise.
// Every occurrence of deleteText becomes the spaces; the search goes on where
// the deleted text began, at most (line length) times. An empty deleteText
// changes nothing.
void enteredDelete(std::string_view line, const DeleteParameters& parameters, std::string& out);
// deleteSpecificText at deleteFromCol (0 raises error 5) or at the end.
void specificDelete(std::string_view line, const DeleteParameters& parameters, std::string& out);
// deleteNumOfChars bytes at deleteFromCol (0 raises error 5) or at the end.
void generalDelete(std::string_view line, const DeleteParameters& parameters, std::string& out);

// Delete in one line, with the blank-line rule: appends the new line to `out`
// and returns true, or returns false (appending nothing) when the line is
// dropped.
bool deleteLine(std::string_view line, const DeleteParameters& parameters, std::string& out);

// The line operation of the Delete pass.
LineOperation deleteOperation(DeleteParameters parameters);

} // namespace fieldizer
