#include "shell/editing/change_tracking.h"

namespace fieldizer {

ChangeReaction manipulatorTextChanged(ProgramState& state, TextHistory& history,
                                      std::string_view newText) {
    ChangeReaction reaction;
    if (!state.textSetByProgram && !state.textJustLoaded && !state.closingText) {
        state.textModified = true;
        reaction.countedAsEdit = true;
        if (!history.undoRunning) {
            history.undoText = std::move(history.lastText);
            history.lastText.assign(newText);
        }
    }
    reaction.enableUndo = !state.textSetByProgram && !state.textJustLoaded;
    state.textJustLoaded = false;
    state.textSetByProgram = false;
    return reaction;
}

ChangeReaction viewerTextChanged(ProgramState& state) {
    ChangeReaction reaction;
    if (!state.textSetByProgram) {
        state.textModified = true;
        reaction.countedAsEdit = reaction.enableUndo = true;
    }
    state.textSetByProgram = false;
    return reaction;
}

void resetHistory(TextHistory& history, std::string_view text) {
    history.undoText.assign(text);
    history.lastText.assign(text);
}

} // namespace fieldizer
