// The Edit menu's commands on the active text window, and the paste both
// text boxes share.
#include "shell/editing/paste_rule.h"
#include "shell/editing/unheld_character.h"
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_box/cp1252_qstring.h"
#include "ui/text_viewer/text_viewer.h"

#include <QApplication>
#include <QClipboard>

namespace fieldizer::ui {

ByteTextBox* MainWindow::targetBox() const {
    switch (state_.activeTextForm) {
    case ActiveTextForm::Manipulator:
        return manipulator_->textBox();
    case ActiveTextForm::TextViewer:
        return viewer_->textBox();
    case ActiveTextForm::None:
        break;
    }
    return nullptr;
}

void MainWindow::undoCommand() {
    manipulator_->undo();
}

void MainWindow::cutCommand() {
    if (ByteTextBox* box = targetBox(); box && !manipulator_->passRunning())
        box->cutAsText();
}

void MainWindow::copyCommand() {
    if (ByteTextBox* box = targetBox())
        box->copyAsText();
}

void MainWindow::pasteCommand() {
    if (ByteTextBox* box = targetBox())
        pasteInto(box, true);
}

// The clipboard's text through Windows-1252; at the end of the text a lone
// CR gets its LF. The clipboard keeps its content.
void MainWindow::pasteInto(ByteTextBox* box, bool fromMenu) {
    if (manipulator_->passRunning() || box->isReadOnly())
        return;
    const QString clipboard = QApplication::clipboard()->text();
    // A character the program cannot hold is refused, never made "?".
    const QByteArray utf8 = clipboard.toUtf8();
    if (const auto refusal = unheldPasteRefusal(
            std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())))) {
        dialogs_.tell(*refusal);
        return;
    }
    const std::string pasted = fromQString(clipboard);
    const PasteEdit edit =
        pasteEdit(box->length(), box->selectionStart(), box->selectionLength(), pasted);
    box->replaceBytes(edit.start, edit.removeLength, edit.insert);
    box->setCaret(edit.start);
    if (!fromMenu)
        return; // a key's paste reaches the other window at its key-up
    if (box == manipulator_->textBox() && viewerVisible())
        copyBetweenWindows(box, viewer_->textBox(), false);
    else if (box == viewer_->textBox() && manipulatorVisible())
        copyBetweenWindows(box, manipulator_->textBox(), true);
}

void MainWindow::selectAllCommand() {
    if (ByteTextBox* box = targetBox()) {
        box->setFocus();
        box->selectRange(0, box->length());
    }
}

// An edit, not a change by the program: Undo brings the text back.
void MainWindow::deleteAllCommand() {
    if (manipulator_->passRunning())
        return;
    if (manipulatorVisible()) {
        manipulator_->textBox()->setBytes({});
        if (viewerVisible()) {
            state_.textSetByProgram = true;
            viewer_->textBox()->setBytes({});
        }
    } else if (viewerVisible()) {
        viewer_->textBox()->setBytes({});
    }
}

// The two windows show the same text: the whole text and the caret go over.
// Every key-up hands over, so a text that neither box changed since the last
// hand-over stays where it is and only the caret moves: copying a report of
// a hundred megabytes per arrow key would stall the typing.
void MainWindow::copyBetweenWindows(ByteTextBox* from, ByteTextBox* to, bool toManipulator) {
    if (toManipulator && manipulator_->passRunning())
        return; // a running tool reads the Manipulator's text where it stands
    const std::size_t caret = from->caret();
    const bool inStep = handOver_.from == from && handOver_.fromRevision == from->revision() &&
                        handOver_.toRevision == to->revision();
    const bool inStepReversed = handOver_.from == to && handOver_.fromRevision == to->revision() &&
                                handOver_.toRevision == from->revision();
    if (!inStep && !inStepReversed) {
        if (toManipulator) {
            manipulator_->setTextByProgram(from->bytes());
        } else {
            state_.textSetByProgram = true;
            to->matchBytes(from->bytes());
        }
        handOver_ = {from, from->revision(), to->revision()};
    }
    to->setCaret(caret);
}

} // namespace fieldizer::ui
