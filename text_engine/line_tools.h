#pragma once
// The line tools of the Text/Lines tab. They reshape the line structure of
// the whole text, position by position, without the temporary file:
// Join Lines joins the lines of each paragraph, Create Line joins all lines
// into one (it removes the paragraphs), Break into lines cuts the text into
// lines of a fixed number of characters.
// Progress and Stop go through a PassObserver as in the processing pass:
// yield() at time intervals, Stop asked after every step. The caller keeps
// the former text for Undo and puts the new text in place. With an `output`,
// the new text is handed to it in pieces instead of being returned, so a
// large result need not be held whole. finished() is
// called when a tool ends normally; after an exception the caller tidies up.

#include "text_engine/parameter_keys.h"
#include "text_engine/processing_pass.h"

#include <string>
#include <string_view>

namespace fieldizer {

struct LineToolResult {
    // false: there was nothing to do (an empty text, or a line length of 0);
    // the text stays as it is and no Undo copy is taken.
    bool ran = false;
    std::string text;                  // the new text, when ran without an output
    PassState state = PassState::Done; // Stopped: `text` holds what was built so far
};

// A line break directly followed by another becomes two line breaks; every
// other line break disappears, gluing the lines of a paragraph together. A
// line break at the very start of the text stays, once.
LineToolResult joinParagraphLines(std::string_view text, PassObserver& observer,
                                  PassOutput* output = nullptr);

// Every line break disappears, except one at the very start of the text,
// which stays, once.
LineToolResult createLine(std::string_view text, PassObserver& observer,
                          PassOutput* output = nullptr);

// Cuts the text into lines of at most `lineLength` characters; an existing
// line break ends the line in hand. `lineLength` 0 (or less) does nothing.
LineToolResult breakIntoLines(std::string_view text, int lineLength, PassObserver& observer,
                              PassOutput* output = nullptr);

// The line length of Break into lines: the startLineAfter box, empty as 0.
inline int startLineAfterValue(const ParameterValues& values) {
    return numberValue(values, "startLineAfter");
}

} // namespace fieldizer
