#pragma once
// Add Text: inserts a text into every line, or only into the lines that
// contain another text, before a column or at the end of the line, optionally
// with spaces around it. The condition CR LF selects the empty lines instead.
// Columns count bytes from 1; all comparisons are exact.

#include "text_engine/parameter_keys.h"
#include "text_engine/processing_pass.h"

#include <string>
#include <string_view>

namespace fieldizer {

struct AddParameters {
    std::string addText; // required
    std::string addIfContains;
    int addAtCol = 1;
    bool addEndOfLine = false;
    std::string addOptions{"Omit spaces"};
    int addSpaces = 1;
    std::string addPlaceSpaces{"Both sides"};
    bool addAfterProcess = true;
    bool addAfterProcessShow = false;
};

AddParameters addParameters(const ParameterValues& values);

// Line selection: whether the text goes into `line`. A non-empty line is
// selected when the condition is empty or occurs in it; an empty line only
// when the condition is exactly CR LF.
bool addSelectsLine(std::string_view line, const AddParameters& parameters);

// Add in one line: appends the line with the (padded) text added to `out`.
// An addAtCol of 0 without addEndOfLine raises error 5.
void addText(std::string_view line, const AddParameters& parameters, std::string& out);

// The line operation of the Add pass: selection, then addText; lines not
// selected come through unchanged.
LineOperation addOperation(AddParameters parameters);

} // namespace fieldizer
