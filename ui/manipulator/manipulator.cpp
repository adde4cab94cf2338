#include "ui/manipulator/manipulator.h"

#include "shell/program_state/own_database.h"
#include "ui/text_box/byte_text_box.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

namespace fieldizer::ui {

Manipulator::Manipulator(ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
                         TextMenuItems menuItems, QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs), files_(files), menu_(menuItems),
      frame_(nullptr, nullptr) {
    buildControls();
    buildFieldizePanel();
    frame_ = PassFrame(progressBar_, stopButton_);
    buildSavingTabs();
    connectControls();
    setUndoEnabled(false);
    stopButton_->setEnabled(false);
    updateLineTools();
    // No load follows the window's opening, so no change is to be skipped:
    // the user's first keystroke is an edit like every other.
    state_.textJustLoaded = false;
    state_.closingText = false;
}

// The children go after this object has stopped being a Manipulator: their
// signals (the tab strip's as its pages go, a focus change) must not reach
// it then.
Manipulator::~Manipulator() {
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
    disconnect(qApp, nullptr, this, nullptr);
}

void Manipulator::connectControls() {
    connect(textBox_, &ByteTextBox::bytesChanged, this, &Manipulator::textChanged);
    connect(textBox_, &ByteTextBox::selectionChanged, this, &Manipulator::updateLineTools);
    connect(textBox_, &ByteTextBox::keyReleased, this, [this] {
        updateLineTools();
        Q_EMIT textKeyReleased();
    });
    connect(textBox_, &ByteTextBox::doubleClicked, this, &Manipulator::textDoubleClicked);
    connect(textBox_, &ByteTextBox::focusEntered, this, &Manipulator::textBoxEntered);
    connect(textBox_, &ByteTextBox::findRequested, this, &Manipulator::findRequested);
    connect(textBox_, &ByteTextBox::pasteRequested, this, &Manipulator::pasteRequested);
    connect(textBox_, &ByteTextBox::undoRequested, this, [this] {
        if (undoButton_->isEnabled())
            undo();
    });
    connect(joinLinesButton_, &QPushButton::clicked, this, &Manipulator::joinLines);
    connect(createLineButton_, &QPushButton::clicked, this, &Manipulator::createLine);
    connect(breakLinesButton_, &QPushButton::clicked, this, &Manipulator::breakIntoLines);
    connect(undoButton_, &QPushButton::clicked, this, &Manipulator::undo);
    connect(stopButton_, &QPushButton::clicked, this, [this] { frame_.stop(); });
    connect(counterText_, &QPlainTextEdit::textChanged, this, &Manipulator::updateCounter);
}

void Manipulator::setVisibleViewer(std::function<ByteTextBox*()> visibleViewer) {
    visibleViewer_ = std::move(visibleViewer);
}

void Manipulator::reinitialise() {
    try {
        makeOwnDatabaseCurrent(state_);
    } catch (const RuntimeError&) {
        // As at start-up: a database that fails to open leaves the table
        // commands disabled.
    }
    // The defaults are the window's loading, not an edit.
    setPanelsLoading(true);
    restoreNumberDefaults();
    setPanelsLoading(false);
    state_.textJustLoaded = false;
    state_.closingText = false;
}

// Closing the window closes its text first; Cancel in the save question
// keeps the window open.
void Manipulator::closeEvent(QCloseEvent* event) {
    if (passRunning_ || !closeFile()) {
        event->ignore();
        return;
    }
    if (state_.database) {
        try {
            state_.database->close();
        } catch (const RuntimeError&) {
            // Closing a database that is already closed changes nothing.
        }
    }
    state_.activeFormName.clear();
    fileName_.clear();
    event->accept();
    Q_EMIT closed();
}

} // namespace fieldizer::ui
