#pragma once
// Which changes of the Manipulator's text count as the user's edits. A
// counted edit marks the text modified and moves the former text into the
// Undo copy; the program's own changes (a load, a pass, closing the text)
// are skipped once through the program-wide flags.

#include "shell/program_state/program_state.h"

#include <string>
#include <string_view>

namespace fieldizer {

// The Manipulator's single level of Undo.
struct TextHistory {
    std::string undoText; // the text before the last change
    std::string lastText; // the text as of the last change
    bool undoRunning = false;
};

struct ChangeReaction {
    bool countedAsEdit = false; // textModified set: enable "&Save File"
    bool enableUndo = false;    // run enableUndo and recompute "&Find..."
};

// A change of the Manipulator's text to `newText`.
ChangeReaction manipulatorTextChanged(ProgramState& state, TextHistory& history,
                                      std::string_view newText);

// A change of the Text Viewer's text: an edit unless the program made it.
ChangeReaction viewerTextChanged(ProgramState& state);

// The file was loaded or saved: its text is where Undo ends.
void resetHistory(TextHistory& history, std::string_view text);

} // namespace fieldizer
