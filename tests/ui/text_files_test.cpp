// Open, Save, Save As and Close with the save question, the captions and the
// enabled states they leave.
#include "desktop_fixture.h"
#include "ui/manipulator/manipulator_controls.h"

#include <QLabel>
#include <QTabWidget>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

using TextFiles = DesktopTest;

const std::string everyLineEnd = "one\r\ntwo\rthree\nfour\tfive\x80\x93\xFF\r\n";

TEST_F(TextFiles, openLoadsTheBytesUnchangedAndSetsTheStates) {
    const std::string path = writeFile("report.txt", everyLineEnd);
    open(path);
    EXPECT_EQ(text(), everyLineEnd);
    EXPECT_EQ(manipulator().windowTitle(), QString::fromStdString("Manipulator - " + path));
    EXPECT_EQ(files_.requests.back().title, "Fieldizer - Open text file to process");
    EXPECT_EQ(files_.requests.back().filter, "Text files (*.txt)|*.txt|All files (*.*)|*.*");
    EXPECT_FALSE(action("menuFileSaveFile")->isEnabled());
    EXPECT_TRUE(action("menuFileSaveFileAs")->isEnabled());
    EXPECT_TRUE(action("menuFileCloseFile")->isEnabled());
    EXPECT_FALSE(action("menuEditUndo")->isEnabled());
    EXPECT_TRUE(action("menuFilePrint")->isEnabled());
    EXPECT_TRUE(find<QPushButton>(names::joinLinesButton)->isEnabled());
    EXPECT_FALSE(state_.textModified);
    // The lone LF is offered for conversion, as one undoable edit.
    ASSERT_TRUE(find<QWidget>(names::lineEndBar)->isVisible());
    click(names::convertLineEndsButton);
    EXPECT_EQ(text(), "one\r\ntwo\rthree\r\nfour\tfive\x80\x93\xFF\r\n");
    EXPECT_TRUE(state_.textModified);
    EXPECT_EQ(readFile(path), everyLineEnd); // the file waits for Save
    click(names::undoButton);
    EXPECT_EQ(text(), everyLineEnd);
}

TEST_F(TextFiles, aReadOnlyFileLoadsAndAnEmptyFileEmptiesTheBox) {
    const std::string readOnly = writeFile("ro.txt", "kept");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    open(readOnly);
    EXPECT_EQ(text(), "kept");
    open(writeFile("empty.txt", ""));
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(manipulator().windowTitle().endsWith(QStringLiteral("empty.txt")));
}

TEST_F(TextFiles, aFileThatCannotBeOpenedKeepsTextAndCaption) {
    open(writeFile("a.txt", "first"));
    open((folder_ / "missing.txt").string());
    EXPECT_EQ(text(), "first");
    EXPECT_TRUE(manipulator().windowTitle().endsWith(QStringLiteral("a.txt")));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].title, "Fieldizer - Sorry...");
}

TEST_F(TextFiles, saveWritesTheBytesAndAsksForANameOnlyWhenThereIsNone) {
    type("typed\r\ntext\x80");
    EXPECT_TRUE(action("menuFileSaveFile")->isEnabled());
    files_.add(""); // Cancel: nothing written, Save stays on
    action("menuFileSaveFile")->trigger();
    EXPECT_EQ(files_.requests.back().title, "Fieldizer - Save file");
    EXPECT_TRUE(action("menuFileSaveFile")->isEnabled());
    EXPECT_TRUE(state_.textModified);

    const std::string path = (folder_ / "saved.txt").string();
    files_.add(path);
    action("menuFileSaveFile")->trigger();
    EXPECT_EQ(readFile(path), "typed\r\ntext\xE2\x82\xAC") << "a new text is written as UTF-8";
    EXPECT_EQ(manipulator().windowTitle(), QString::fromStdString("Manipulator - " + path));
    EXPECT_FALSE(action("menuFileSaveFile")->isEnabled());
    EXPECT_FALSE(action("menuEditUndo")->isEnabled());
    EXPECT_FALSE(state_.textModified);

    type("!");
    action("menuFileSaveFile")->trigger(); // no dialog: the file is named
    EXPECT_EQ(readFile(path), "typed\r\ntext\xE2\x82\xAC!");

    const std::string other = (folder_ / "other.txt").string();
    files_.add(other);
    action("menuFileSaveFileAs")->trigger();
    EXPECT_EQ(files_.requests.back().title, "Fieldizer - Save file as");
    EXPECT_EQ(readFile(other), "typed\r\ntext\xE2\x82\xAC!");
    EXPECT_TRUE(manipulator().windowTitle().endsWith(QStringLiteral("other.txt")));
    EXPECT_FALSE(files_.unexpected);
}

TEST_F(TextFiles, aFailedSaveKeepsTheTextAndItsMark) {
    type("precious");
    std::filesystem::create_directories(folder_ / "taken");
    files_.add((folder_ / "taken").string()); // a folder cannot be replaced by the text
    action("menuFileSaveFile")->trigger();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].title, "Fieldizer - Sorry...");
    EXPECT_EQ(text(), "precious");
    EXPECT_TRUE(state_.textModified);
    EXPECT_TRUE(action("menuFileSaveFile")->isEnabled());
    EXPECT_EQ(manipulator().windowTitle(), QStringLiteral("Manipulator"));
}

TEST_F(TextFiles, closeAsksOnlyForChangesAndFollowsTheAnswer) {
    const std::string path = writeFile("r.txt", "file");
    open(path);
    action("menuFileCloseFile")->trigger(); // unchanged: no question
    EXPECT_TRUE(dialogs_.questions.empty());
    EXPECT_EQ(text(), "");
    EXPECT_EQ(manipulator().windowTitle(), QStringLiteral("Manipulator"));
    EXPECT_FALSE(action("menuFileCloseFile")->isEnabled());

    open(path);
    type(" changed");
    dialogs_.add(Answer::Cancel);
    action("menuFileCloseFile")->trigger();
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    const Message& asked = dialogs_.questions[0];
    EXPECT_EQ(asked.text, "Would you like to save changes?");
    EXPECT_EQ(asked.buttons, Buttons::YesNoCancel);
    EXPECT_EQ(asked.icon, Icon::Question);
    EXPECT_EQ(asked.defaultAnswer, Answer::Cancel);
    EXPECT_EQ(asked.title, "Fieldizer - It's your choice...");
    EXPECT_EQ(text(), "file changed");
    EXPECT_TRUE(state_.textModified);

    dialogs_.add(Answer::No);
    action("menuFileCloseFile")->trigger();
    EXPECT_EQ(text(), "");
    EXPECT_EQ(readFile(path), "file");

    open(path);
    type(" saved");
    dialogs_.add(Answer::Yes);
    action("menuFileCloseFile")->trigger();
    EXPECT_EQ(readFile(path), "file saved");
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(state_.textModified);
}

TEST_F(TextFiles, yesWithoutASaveAndCancelBeforeOpeningKeepTheText) {
    type("unsaved");
    dialogs_.add(Answer::Yes);
    files_.add(""); // the name dialog cancelled: nothing saved, so nothing is lost
    action("menuFileOpenFile")->trigger();
    ASSERT_EQ(files_.requests.size(), 1u);
    EXPECT_EQ(files_.requests[0].title, "Fieldizer - Save file"); // not the open dialog
    EXPECT_EQ(text(), "unsaved");

    dialogs_.add(Answer::Cancel);
    action("menuFileOpenFile")->trigger();
    EXPECT_EQ(files_.requests.size(), 1u); // the open dialog never came
    EXPECT_EQ(text(), "unsaved");
    EXPECT_FALSE(files_.unexpected);
    EXPECT_TRUE(dialogs_.scriptUsedUp());
}

TEST_F(TextFiles, exitWithChangesAsksAndCancelKeepsTheProgram) {
    type("unsaved");
    dialogs_.add(Answer::Cancel);
    EXPECT_FALSE(window_->close());
    EXPECT_TRUE(window_->isVisible());
    dialogs_.add(Answer::No);
    EXPECT_TRUE(window_->close());
}

} // namespace
} // namespace fieldizer::testing
