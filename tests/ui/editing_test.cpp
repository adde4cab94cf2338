// The Edit commands, the keys of the text boxes, and the Text Viewer's
// hand-over of text and caret.
#include "desktop_fixture.h"
#include "ui/find/find_window.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/text_viewer/text_viewer.h"

#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTest>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

using Editing = DesktopTest;

void setClipboard(const char* text) {
    QApplication::clipboard()->setText(QString::fromLatin1(text));
}

TEST_F(Editing, pasteCompletesALoneCrOnlyAtTheEnd) {
    type("ab");
    box().setCaret(2);
    setClipboard("x\r");
    action("menuEditPaste")->trigger();
    EXPECT_EQ(text(), "abx\r\n");
    EXPECT_EQ(box().caret(), 2u);                                        // back where it stood
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("x\r")); // still there

    box().selectRange(1, 1);
    QTest::keyClick(&box(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(text(), "ax\rx\r\n");
    EXPECT_TRUE(state_.textModified);
    EXPECT_TRUE(action("menuEditUndo")->isEnabled());
}

TEST_F(Editing, pasteCrossesThroughWindows1252) {
    QApplication::clipboard()->setText(QString::fromUtf8("\xE2\x82\xAC \xC3\xA9"));
    action("menuEditPaste")->trigger();
    EXPECT_EQ(text(), "\x80 \xE9");
    box().selectRange(0, 3);
    window_->updateEditMenu();
    action("menuEditCopy")->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), QString::fromUtf8("\xE2\x82\xAC \xC3\xA9"));
}

TEST_F(Editing, tabInsertsACharacterOnlyWhenThereIsText) {
    box().setFocus();
    QTest::keyClick(&box(), Qt::Key_Tab); // empty: the focus moves on
    EXPECT_EQ(text(), "");
    type("ab");
    box().setFocus();
    box().setCaret(1);
    QTest::keyClick(&box(), Qt::Key_Tab);
    EXPECT_EQ(text(), "a\tb");
    EXPECT_EQ(box().caret(), 2u);
}

TEST_F(Editing, deleteAllCountsAsAnEditThatUndoBringsBack) {
    open(writeFile("r.txt", "report"));
    window_->updateEditMenu();
    ASSERT_TRUE(action("menuEditDeleteAll")->isEnabled());
    action("menuEditDeleteAll")->trigger();
    EXPECT_EQ(text(), "");
    EXPECT_TRUE(action("menuFileSaveFile")->isEnabled());
    action("menuEditUndo")->trigger();
    EXPECT_EQ(text(), "report");
    EXPECT_FALSE(action("menuEditUndo")->isEnabled()); // one level
}

TEST_F(Editing, theViewerTakesTheTextAndCaretAndGivesThemBack) {
    const std::string path = writeFile("r.txt", "line one\r\nline two");
    open(path);
    box().setCaret(5);
    action("menuViewTextViewer")->trigger();
    ui::TextViewer* viewer = window_->textViewer();
    ASSERT_TRUE(viewer->isVisible());
    EXPECT_EQ(viewer->windowTitle(), QString::fromStdString(path));
    EXPECT_EQ(viewer->textBox()->bytes(), "line one\r\nline two");
    EXPECT_EQ(viewer->textBox()->caret(), 5u);
    EXPECT_FALSE(state_.textModified);

    viewer->textBox()->replaceBytes(0, 4, "LINE"); // typed in the viewer
    viewer->textBox()->setCaret(3);
    viewer->parentWidget()->close();
    EXPECT_FALSE(viewer->isVisible());
    EXPECT_EQ(text(), "LINE one\r\nline two");
    EXPECT_EQ(box().caret(), 3u);
    EXPECT_TRUE(state_.textModified);
    EXPECT_TRUE(action("menuFileSaveFile")->isEnabled());
}

TEST_F(Editing, aViewerWithoutAFileIsCalledTextViewer) {
    type("x");
    emit box().doubleClicked();
    EXPECT_EQ(window_->textViewer()->windowTitle(), QStringLiteral("Text Viewer"));
    window_->updateViewMenu();
    EXPECT_FALSE(action("menuViewTextViewer")->isEnabled());
    EXPECT_TRUE(action("menuViewFieldize")->isEnabled());
    action("menuViewFieldize")->trigger();
    EXPECT_FALSE(window_->textViewer()->isVisible());
}

TEST_F(Editing, ctrlFShowsFindAndTheStatusBarShowsLineAndColumn) {
    type("abc\r\ndefg");
    box().setFocus();
    box().selectRange(7, 2);
    const QString status = find<QLabel>("caretStatus")->text();
    EXPECT_EQ(status, QStringLiteral("Line 2, Column 5, 2 selected"));
    QTest::keyClick(&box(), Qt::Key_F, Qt::ControlModifier);
    ASSERT_NE(window_->findWindow(), nullptr);
    EXPECT_TRUE(window_->findWindow()->isVisible());
}

TEST_F(Editing, theBoxGivesBackEveryByteAndCountsPositionsInBytes) {
    std::string every;
    for (int c = 0; c < 256; ++c)
        every += static_cast<char>(c);
    box().setBytes(every);
    EXPECT_EQ(text(), every);
    box().selectRange(0x80, 3);
    EXPECT_EQ(box().selectedBytes(), "\x80\x81\x82");
    EXPECT_EQ(box().selectionStart(), 0x80u);
    box().replaceBytes(0x93, 2, "\x85");
    std::string expected = every;
    expected.replace(0x93, 2, "\x85");
    EXPECT_EQ(text(), expected);
    box().markOccurrences({0x90, 0xC0}, 2);
    EXPECT_EQ(box().markedOccurrences(), (std::vector<std::size_t>{0x90, 0xC0}));
    box().setCaret(0xFE);
    EXPECT_EQ(box().caret(), 0xFEu);
}

TEST_F(Editing, theCharacterCounterCountsALineBreakAsTwo) {
    auto* counter = find<QPlainTextEdit>(names::counterText);
    counter->setPlainText(QStringLiteral("abc\nde"));
    EXPECT_EQ(find<QLineEdit>(names::counterLength)->text(), QStringLiteral("7"));
    counter->clear();
    EXPECT_EQ(find<QLineEdit>(names::counterLength)->text(), QStringLiteral("0"));
}

} // namespace
} // namespace fieldizer::testing
