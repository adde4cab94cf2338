// Texts larger than the pieces a line tool hands to the editor, with every
// byte value beyond ASCII: the tools, Undo and the Text Viewer's hand-over
// keep every byte.
#include "desktop_fixture.h"
#include "text_engine/line_tools.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/text_viewer/text_viewer.h"

#include <QLineEdit>
#include <QTest>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

using LargeText = DesktopTest;

// About 3 MB: lines holding every byte value but CR and LF, paragraphs
// apart, some lines ending in a lone CR.
std::string everyByteText() {
    std::string line;
    for (int value = 1; value < 256; ++value)
        if (value != '\r' && value != '\n')
            line.push_back(static_cast<char>(value));
    std::string text;
    for (int i = 0; text.size() < 3'000'000; ++i)
        text += line + (i % 5 == 4 ? "\r\n\r\n" : i % 7 == 0 ? "\r" : "\r\n");
    return text;
}

TEST_F(LargeText, theLineToolsAndUndoKeepEveryByte) {
    const std::string original = everyByteText();
    box().setBytes(original);
    PassObserver quiet;

    click(names::joinLinesButton);
    EXPECT_EQ(text(), joinParagraphLines(original, quiet).text);
    click(names::undoButton);
    EXPECT_EQ(text(), original);

    find<QLineEdit>(names::startLineAfter)->setText(QStringLiteral("7"));
    click(names::breakLinesButton);
    EXPECT_EQ(text(), breakIntoLines(original, 7, quiet).text);
    click(names::undoButton);
    EXPECT_EQ(text(), original);
}

TEST_F(LargeText, theViewerHandsBackOnlyWhatWasTypedAndEveryByteStays) {
    std::string expected = everyByteText();
    box().setBytes(expected);
    action("menuViewTextViewer")->trigger();
    ui::ByteTextBox& viewer = *window_->textViewer()->textBox();
    ASSERT_EQ(viewer.bytes(), expected);

    viewer.replaceBytes(1000, 3, "\x80\xE9"); // typed over a selection
    expected.replace(1000, 3, "\x80\xE9");
    viewer.setCaret(1002);
    QTest::keyClick(&viewer, Qt::Key_Shift); // the key-up hands the text over
    EXPECT_EQ(text(), expected);
    EXPECT_EQ(box().caret(), 1002u);
    EXPECT_TRUE(state_.textModified);
}

} // namespace
} // namespace fieldizer::testing
