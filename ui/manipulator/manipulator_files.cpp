// The text-file commands of the Manipulator: open, save, save as, close.
#include "shell/dialogs/error_report.h"
#include "shell/file_access/text_file_access.h"
#include "shell/text_files/input_text.h"
#include "ui/manipulator/manipulator.h"
#include "ui/text_box/byte_text_box.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTabWidget>

namespace fieldizer::ui {
namespace {

constexpr const char* saveQuestion = "Would you like to save changes?";
constexpr MessageId saveChanges{"files.saveChanges"};

} // namespace

void Manipulator::myOpenFile() {
    tabs_->setCurrentIndex(0);
    const std::string path = files_.chooseFile(
        {FileDialogRequest::Mode::Open, "Fieldizer - Open text file to process", textFileFilter});
    if (!path.empty())
        loadFile(path);
}

void Manipulator::loadFile(const std::string& path, EncodingChoice choice) {
    tabs_->setCurrentIndex(0);
    setCounterVisible(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        // The file's bytes where the system maps them: the box and the two
        // Undo copies take them from there, with no copy of the file between.
        // Converted from the file's encoding where they lie; a character the
        // program cannot hold refuses the file before anything changes.
        files::InputText file = files::InputText::openFile(path);
        const FileEncoding encoding = file.decode(choice, path);
        const std::string_view bytes = file.bytes();
        fileName_ = path;
        encoding_ = encoding;
        setCaptionFor(path);
        state_.textModified = false;
        state_.textJustLoaded = true;
        // An empty file empties the box too: Save must not write the former
        // text into the file now named.
        resetHistory(history_, bytes);
        textBox_->setBytes(bytes);
        setUndoEnabled(false);
        menu_.saveFile->setEnabled(false);
        menu_.saveFileAs->setEnabled(true);
        menu_.closeFile->setEnabled(true);
        menu_.find->setEnabled(!textBox_->isEmpty());
        updateLineTools();
        updateLfBar();
        QApplication::restoreOverrideCursor();
    } catch (const RuntimeError& error) {
        // The former text, file name and caption stay: a Save now must not
        // write them into the file that failed to load.
        QApplication::restoreOverrideCursor();
        handleError(dialogs_, error);
    }
    setCounterVisible(true);
    textBox_->setFocus();
}

bool Manipulator::saveFile() {
    std::string path = fileName_;
    if (path.empty())
        path = files_.chooseFile(
            {FileDialogRequest::Mode::Save, "Fieldizer - Save file", textFileFilter});
    if (path.empty())
        return false;
    try {
        saveTextFile(path, textBox_->bytes(), encoding_);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error); // the text and its mark stay
        return false;
    }
    afterSave(path);
    return true;
}

bool Manipulator::saveFileAs() {
    fileName_.clear();
    const std::string path = files_.chooseFile(
        {FileDialogRequest::Mode::Save, "Fieldizer - Save file as", textFileFilter});
    if (path.empty())
        return false;
    try {
        saveTextFile(path, textBox_->bytes(), encoding_);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
        return false;
    }
    afterSave(path);
    return true;
}

// A save ends the undo history.
void Manipulator::afterSave(const std::string& path) {
    fileName_ = path;
    setCaptionFor(path);
    setUndoEnabled(false);
    menu_.saveFile->setEnabled(false);
    menu_.saveFileAs->setEnabled(true);
    menu_.closeFile->setEnabled(true);
    state_.textModified = false;
}

bool Manipulator::offerToSave() {
    if (!state_.textModified)
        return true;
    const Answer answer = dialogs_.ask(
        question(saveChanges, saveQuestion, Buttons::YesNoCancel, Icon::Question, Answer::Cancel));
    // Yes whose save did not happen (the name dialog cancelled, the write
    // failed) keeps the text rather than losing it.
    return answer == Answer::No || (answer == Answer::Yes && saveFile());
}

bool Manipulator::closeFile() {
    if (!offerToSave())
        return false;
    state_.closingText = true;
    fileName_.clear();
    encoding_ = {};
    textBox_->setBytes({});
    resetHistory(history_, {});
    for (QAction* item : {menu_.saveFile, menu_.saveFileAs, menu_.closeFile})
        item->setEnabled(false);
    setUndoEnabled(false);
    state_.textModified = false;
    state_.closingText = false;
    lineEndBar_->setVisible(false);
    setCaptionFor({});
    return true;
}

// A file read in the wrong encoding is read again in the right one; its
// text so far is offered for saving first, and stays when the file cannot
// be read so.
void Manipulator::reopenWithEncoding(EncodingChoice choice) {
    const std::string path = fileName_;
    if (path.empty() || passRunning_ || !offerToSave())
        return;
    loadFile(path, choice);
}

} // namespace fieldizer::ui
