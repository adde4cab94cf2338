// The Manipulator's text: change tracking, the line-tool buttons, the notice
// about lone LF line ends, and the caption that names the file.
#include "shell/editing/captions.h"
#include "shell/editing/line_ends.h"
#include "ui/manipulator/manipulator.h"
#include "ui/text_box/byte_text_box.h"

#include <QAction>
#include <QFile>
#include <QPushButton>

namespace fieldizer::ui {

void Manipulator::textChanged() {
    const ChangeReaction reaction = manipulatorTextChanged(state_, history_, textBox_->bytes());
    if (reaction.countedAsEdit)
        menu_.saveFile->setEnabled(true);
    if (reaction.enableUndo) {
        enableUndo();
        menu_.find->setEnabled(!textBox_->isEmpty());
    }
    updateLineTools();
}

// The line tools have nothing to work on in an empty box, and wait while a
// pass runs.
void Manipulator::updateLineTools() {
    const bool usable = !textBox_->isEmpty() && !passRunning_;
    for (QPushButton* tool : {joinLinesButton_, breakLinesButton_, createLineButton_})
        tool->setEnabled(usable);
}

// Entering the box: a text that is back to the Undo copy has nothing left to
// undo (a change the program is making right now is not the user's state).
void Manipulator::textBoxEntered() {
    if (state_.textSetByProgram)
        return;
    if (textBox_->bytes() == history_.undoText) {
        setUndoEnabled(false);
    }
    updateLineTools();
}

void Manipulator::setTextByProgram(std::string_view bytes) {
    state_.textSetByProgram = true;
    textBox_->matchBytes(bytes);
    // The text the program put in place is the base of the next edit's
    // Undo copy; otherwise Undo after typing would go back past it.
    history_.lastText.assign(bytes);
}

void Manipulator::updateLfBar() {
    lineEndBar_->setVisible(hasLoneLf(textBox_->bytes()));
}

// One undoable edit; the file changes only when the user saves.
void Manipulator::convertLineEnds() {
    if (passRunning_)
        return;
    history_.undoText.assign(textBox_->bytes());
    setTextByProgram(convertLoneLfToCrLf(history_.undoText));
    enableUndo();
    menu_.saveFile->setEnabled(true);
    lineEndBar_->setVisible(false);
}

void Manipulator::setCaptionFor(const std::string& path) {
    // The path is the file system's bytes, and the prefix plain ASCII.
    setWindowTitle(QFile::decodeName(manipulatorCaption(path).c_str()));
    Q_EMIT captionChanged();
}

} // namespace fieldizer::ui
