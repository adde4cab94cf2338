// Files in UTF-8 and Windows-1252 in the window: opened into the program's
// characters, saved back byte for byte in their own encoding, the encoding in
// the status bar, Reopen with Encoding, and the refusal of characters the
// program cannot hold, from a file and from the clipboard.
#include "desktop_fixture.h"
#include "shell/editing/unheld_character.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMenu>

namespace fieldizer::testing {
namespace {

const std::string utf8Report = "Caf\xC3\xA9  12\xC2\xB0"
                               "C\r\n\xE2\x82\xAC 5\nend";
const std::string programText = "Caf\xE9  12\xB0"
                                "C\r\n\x80 5\nend";

class TextEncodings : public DesktopTest {
  protected:
    // What the status bar says beside line and column.
    QString statusEncoding() const { return find<QLabel>("encodingStatus")->text(); }
};

TEST_F(TextEncodings, aUtf8FileShowsItsCharactersAndSavesBackByteForByte) {
    for (const std::string& bytes : {utf8Report, "\xEF\xBB\xBF" + utf8Report}) {
        const std::string path = writeFile("utf8.txt", bytes);
        open(path);
        EXPECT_EQ(text(), programText);
        EXPECT_EQ(statusEncoding(), QStringLiteral("UTF-8"));
        const std::string copy = (folder_ / "copy.txt").string();
        files_.add(copy);
        action("menuFileSaveFileAs")->trigger();
        EXPECT_EQ(readFile(copy), bytes);
    }
}

TEST_F(TextEncodings, aWindows1252FileStaysWindows1252) {
    std::string bytes = "every high byte: ";
    for (int c = 0x80; c < 0x100; ++c)
        bytes += static_cast<char>(c);
    const std::string path = writeFile("latin.txt", bytes);
    open(path);
    EXPECT_EQ(text(), bytes);
    EXPECT_EQ(statusEncoding(), QStringLiteral("Windows-1252"));
    type("\xE9");
    action("menuFileSaveFile")->trigger();
    EXPECT_EQ(readFile(path), bytes + "\xE9");
}

TEST_F(TextEncodings, newTextIsSavedAsUtf8) {
    EXPECT_EQ(statusEncoding(), QStringLiteral("UTF-8"));
    type("12\xB0"
         "C");
    const std::string path = (folder_ / "new.txt").string();
    files_.add(path);
    action("menuFileSaveFile")->trigger();
    EXPECT_EQ(readFile(path), "12\xC2\xB0"
                              "C");
}

TEST_F(TextEncodings, aFileWithACharacterOutsideIsRefusedAndTheTextStays) {
    open(writeFile("first.txt", "first"));
    const std::string path = writeFile("cyrillic.txt", "Name\r\nab\xD0\x96");
    open(path);
    EXPECT_EQ(text(), "first");
    EXPECT_TRUE(manipulator().windowTitle().endsWith(QStringLiteral("first.txt")));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    const Message& refusal = dialogs_.messages[0];
    EXPECT_EQ(refusal.title, "Fieldizer - Sorry...");
    EXPECT_TRUE(refusal.textIsUtf8);
    EXPECT_EQ(refusal.text, path + ": line 2, column 3 holds the character U+0416 '\xD0\x96', "
                                   "which Windows-1252 cannot hold. The program holds Western "
                                   "European text; the file was not read.");
}

TEST_F(TextEncodings, reopenWithEncodingAsksFirstAndReadsTheFileAgain) {
    const std::string path = writeFile("guess.txt", "Caf\xC3\xA9");
    QAction* reopen = find<QMenu>("menuFileReopen")->menuAction();
    window_->updateFileMenu();
    EXPECT_FALSE(reopen->isEnabled()) << "no file open";
    open(path);
    window_->updateFileMenu();
    EXPECT_TRUE(reopen->isEnabled());
    type("!");
    dialogs_.add(Answer::Cancel);
    action("menuFileReopenWindows1252")->trigger();
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].text, "Would you like to save changes?");
    EXPECT_EQ(text(), "Caf\xE9!");

    dialogs_.add(Answer::No);
    action("menuFileReopenWindows1252")->trigger();
    EXPECT_EQ(text(), "Caf\xC3\xA9");
    EXPECT_EQ(statusEncoding(), QStringLiteral("Windows-1252"));
    EXPECT_FALSE(state_.textModified);
    action("menuFileReopenUtf8")->trigger(); // unchanged: no question
    EXPECT_EQ(dialogs_.questions.size(), 2u);
    EXPECT_EQ(text(), "Caf\xE9");
    EXPECT_EQ(statusEncoding(), QStringLiteral("UTF-8"));
}

TEST_F(TextEncodings, reopenAsUtf8OfAFileThatIsNotSaysWhereAndKeepsTheText) {
    const std::string path = writeFile("latin.txt", "Caf\xE9");
    open(path);
    action("menuFileReopenUtf8")->trigger();
    EXPECT_EQ(text(), "Caf\xE9");
    EXPECT_EQ(statusEncoding(), QStringLiteral("Windows-1252"));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, path + ": line 1, column 4 is not UTF-8 (the byte 0xE9); "
                                                "read it as Windows-1252. The file was not read.");
}

TEST_F(TextEncodings, aPasteOfACharacterOutsideIsRefusedAndTheTextUnchanged) {
    type("ab");
    QApplication::clipboard()->setText(QString::fromUtf8("x\r\n\xC3\xA9\xCE\xB1"));
    action("menuEditPaste")->trigger();
    EXPECT_EQ(text(), "ab");
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    const Message& refusal = dialogs_.messages[0];
    EXPECT_EQ(refusal.id, unheldPasteMessage);
    EXPECT_TRUE(refusal.textIsUtf8);
    EXPECT_EQ(refusal.text, "The text to paste: line 2, column 2 holds the character U+03B1 "
                            "'\xCE\xB1', which Windows-1252 cannot hold. The program holds Western "
                            "European text; nothing was pasted.");
    box().setCaret(2);
    QApplication::clipboard()->setText(QString::fromUtf8("\xC3\xA9\xC2\xB0"));
    action("menuEditPaste")->trigger();
    EXPECT_EQ(text(), "ab\xE9\xB0");
    EXPECT_EQ(dialogs_.messages.size(), 1u);
}

} // namespace
} // namespace fieldizer::testing
