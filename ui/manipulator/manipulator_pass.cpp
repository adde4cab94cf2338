// The pass frame: every "&Process" button and the three line tools run
// through here, with the progress bar, Stop, the busy pointer and Undo.
#include "shell/dialogs/error_report.h"
#include "text_engine/line_tools.h"
#include "text_engine/memory_failure.h"
#include "ui/manipulator/manipulator.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_box/document_builder.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace fieldizer::ui {

void Manipulator::enableUndo() {
    setUndoEnabled(true);
    state_.textModified = true;
}

// The "&Undo" button and Edit > Undo show one state; while a run lasts both
// wait, and afterwards both show it again, whatever the run did.
void Manipulator::setUndoEnabled(bool enabled) {
    undoAvailable_ = enabled;
    showUndoState();
}

void Manipulator::showUndoState() {
    const bool usable = undoAvailable_ && !passRunning_;
    undoButton_->setEnabled(usable);
    menu_.undo->setEnabled(usable);
}

void Manipulator::nothingToProcess() {
    dialogs_.tell(notice(requiredFieldIds::nothingToProcess, std::string(nothingToProcessMessage)));
    tabs_->setCurrentIndex(0);
    textBox_->setFocus();
}

// While a run lasts nothing may change the text or the database under it:
// the tools, Undo, typing, the tab strip and the other tabs wait (a change
// of tab opens the program's database again); Stop, scrolling and looking
// at the text stay live. The main window locks its own commands on the
// signal.
void Manipulator::beginRun() {
    passRunning_ = true;
    setCursor(Qt::WaitCursor);
    textBox_->setReadOnly(true);
    showUndoState();
    updateLineTools();
    setTabsLocked(true);
    frame_.begin();
    Q_EMIT runningChanged(true);
}

// Every way out of a run, success, Stop or error, comes through here.
void Manipulator::endRun() {
    frame_.end();
    setCounterVisible(true);
    setTabsLocked(false);
    textBox_->setReadOnly(false);
    passRunning_ = false;
    unsetCursor();
    showUndoState();
    updateLineTools();
    Q_EMIT runningChanged(false);
}

// A page disabled by its parent keeps the states its controls have of
// their own, so unlocking brings back exactly what the tab rules set.
void Manipulator::setTabsLocked(bool locked) {
    tabs_->tabBar()->setEnabled(!locked);
    for (int tab = 0; tab < tabs_->count(); ++tab)
        if (QWidget* page = tabs_->widget(tab); !page->isAncestorOf(textBox_))
            page->setEnabled(!locked);
}

void Manipulator::runWithProgress(const std::function<void(PassObserver&)>& work) {
    RunScope<Manipulator> run(*this);
    memoryFailureAsError([&] { work(frame_); });
}

// The pass itself: the Undo copy first, then the result built beside the
// box, which then shows it without another copy.
void Manipulator::processText(const PassRequest& request, bool& undoTaken) {
    history_.undoText.assign(textBox_->bytes());
    undoTaken = true;
    RunScope<Manipulator> run(*this);
    setCounterVisible(false);
    const std::string_view former = history_.undoText;
    DocumentBuilder output(*textBox_, former.size() + former.size() / 8);
    runProcessingPass(former, request.operation, frame_, output);
    run.end();
    state_.textSetByProgram = true;
    textBox_->takeDocument(output);
    history_.lastText.assign(textBox_->bytes());
}

void Manipulator::runPass(const PassRequest& request) {
    if (passRunning_)
        return;
    if (request.missingField) {
        const MissingField& missing = *request.missingField;
        dialogs_.tell(notice(missing.id, std::string(missing.message), missing.focus));
        if (QWidget* field = controlFor(missing.focus)) {
            // A field on a tab not shown could not take the focus.
            for (int tab = 0; tab < tabs_->count(); ++tab)
                if (tabs_->widget(tab)->isAncestorOf(field))
                    tabs_->setCurrentIndex(tab);
            field->setFocus();
        }
        return;
    }
    if (textBox_->isEmpty())
        return nothingToProcess();
    bool undoTaken = false;
    try {
        memoryFailureAsError([&] { processText(request, undoTaken); });
    } catch (const RuntimeError& error) {
        // The box keeps its former text whatever failed; Undo offers the
        // copy taken before the pass, when it could be taken.
        if (undoTaken)
            enableUndo();
        handleError(dialogs_, error);
        return;
    }
    if (request.showTextTab) {
        tabs_->setCurrentIndex(0);
        textBox_->setFocus();
        if (request.selectAll)
            textBox_->selectRange(0, textBox_->length());
        else
            textBox_->setCaret(0);
    }
    enableUndo();
    menu_.saveFile->setEnabled(true);
}

void Manipulator::runFramed(const std::function<void(PassObserver&)>& work) {
    if (passRunning_)
        return;
    try {
        RunScope<Manipulator> run(*this);
        memoryFailureAsError([&] { work(frame_); });
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
}

// The tool reads the text where the box holds it (nothing may change it
// while the run lasts) and hands its output to a document built beside it,
// which the box then shows without a copy; the Undo copy is taken only when
// the tool has run.
template <class Tool> void Manipulator::runLineTool(Tool tool) {
    if (passRunning_)
        return;
    if (textBox_->isEmpty()) {
        textBox_->setFocus();
        return;
    }
    const std::string_view former = textBox_->bytes();
    try {
        memoryFailureAsError([&] {
            RunScope<Manipulator> run(*this);
            DocumentBuilder output(*textBox_, former.size() + former.size() / 8);
            const LineToolResult result = tool(former, frame_, output);
            run.end();
            if (result.ran) {
                history_.undoText.assign(former);
                state_.textSetByProgram = true;
                textBox_->takeDocument(output);
                history_.lastText.assign(textBox_->bytes());
                enableUndo();
                menu_.saveFile->setEnabled(true);
            }
        });
    } catch (const RuntimeError& error) {
        // A tool's own refusal leaves the text as it was, without a message;
        // a failure of memory is said.
        if (error.number() == errors::outOfMemory)
            handleError(dialogs_, error);
    }
    textBox_->setFocus();
}

void Manipulator::joinLines() {
    runLineTool([](std::string_view text, PassObserver& observer, PassOutput& output) {
        return joinParagraphLines(text, observer, &output);
    });
}

void Manipulator::createLine() {
    runLineTool([](std::string_view text, PassObserver& observer, PassOutput& output) {
        return fieldizer::createLine(text, observer, &output);
    });
}

void Manipulator::breakIntoLines() {
    const int lineLength = startLineAfter_->text().toInt();
    runLineTool([lineLength](std::string_view text, PassObserver& observer, PassOutput& output) {
        return fieldizer::breakIntoLines(text, lineLength, observer, &output);
    });
}

void Manipulator::undo() {
    if (passRunning_)
        return;
    history_.undoRunning = true;
    if (isVisible()) {
        setTextByProgram(history_.undoText);
        tabs_->setCurrentIndex(0);
        textBox_->setFocus();
    }
    if (ByteTextBox* viewer = visibleViewer_ ? visibleViewer_() : nullptr) {
        state_.textSetByProgram = true;
        viewer->matchBytes(history_.undoText);
        history_.lastText = history_.undoText;
        viewer->setFocus();
    }
    setUndoEnabled(false);
    history_.undoRunning = false;
}

} // namespace fieldizer::ui
