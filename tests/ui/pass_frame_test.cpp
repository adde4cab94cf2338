// The pass frame of the Manipulator: the line tools, Stop part-way, Undo, a
// pass that fails, and the checks before a pass.
#include "desktop_fixture.h"
#include "text_engine/line_tools.h"
#include "ui/manipulator/manipulator_controls.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressBar>
#include <QTabWidget>
#include <QTimer>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

using PassFrame = DesktopTest;

// Long enough that the tool yields to the event loop more than once.
std::string paragraphs(int count) {
    std::string text;
    for (int i = 0; i < count; ++i)
        text += "a line of a paragraph\r\nits second line\r\n\r\n";
    return text;
}

TEST_F(PassFrame, theLineToolsReshapeTheTextAndUndoTakesItBack) {
    type("one\r\ntwo\r\n\r\nthree");
    click(names::joinLinesButton);
    EXPECT_EQ(text(), "onetwo\r\n\r\nthree");
    EXPECT_TRUE(find<QPushButton>(names::undoButton)->isEnabled());
    EXPECT_TRUE(action("menuFileSaveFile")->isEnabled());
    click(names::undoButton);
    EXPECT_EQ(text(), "one\r\ntwo\r\n\r\nthree");
    EXPECT_FALSE(find<QPushButton>(names::undoButton)->isEnabled());

    click(names::createLineButton);
    EXPECT_EQ(text(), "onetwothree");
    box().setBytes("abcdefghij");
    click(names::breakLinesButton); // the length box is empty: nothing happens
    EXPECT_EQ(text(), "abcdefghij");
    find<QLineEdit>(names::startLineAfter)->setText(QStringLiteral("5"));
    click(names::breakLinesButton);
    EXPECT_EQ(text(), "abcde\r\nfghij");
}

TEST_F(PassFrame, theUndoButtonAndEditUndoShowOneStateAfterEveryRun) {
    const auto undoOffered = [this] {
        const bool button = find<QPushButton>(names::undoButton)->isEnabled();
        EXPECT_EQ(button, action("menuEditUndo")->isEnabled()) << "button and menu disagree";
        return button;
    };
    type("abcdefghij");
    EXPECT_TRUE(undoOffered());
    click(names::breakLinesButton); // the length box is empty: the tool runs and changes nothing
    EXPECT_EQ(text(), "abcdefghij");
    EXPECT_TRUE(undoOffered()) << "the typing can still be undone";
    action("menuEditUndo")->trigger();
    EXPECT_EQ(text(), "");
    EXPECT_FALSE(undoOffered());
    click(names::breakLinesButton); // an empty text: nothing runs
    EXPECT_FALSE(undoOffered());
}

TEST_F(PassFrame, aToolStoppedPartWayKeepsWhatItBuiltAndUndoRestoresAll) {
    const std::string whole = paragraphs(200000);
    box().setBytes(whole);
    bool stopWasLive = false;
    QTimer::singleShot(0, [&] {
        auto* stop = find<QPushButton>(names::stopButton);
        stopWasLive = stop->isEnabled() && find<QProgressBar>(names::progressBar)->isVisible() &&
                      !find<QPushButton>(names::joinLinesButton)->isEnabled() &&
                      box().isReadOnly() && !window_->menuBar()->isEnabled();
        stop->click();
    });
    click(names::joinLinesButton);
    EXPECT_TRUE(stopWasLive);
    EXPECT_LT(box().length(), whole.size());
    EXPECT_GT(box().length(), 0u);
    PassObserver quiet;
    const std::string joined = joinParagraphLines(whole, quiet).text;
    EXPECT_TRUE(joined.starts_with(text())); // the lines handled so far, joined
    // Back to idle.
    EXPECT_FALSE(find<QPushButton>(names::stopButton)->isEnabled());
    EXPECT_FALSE(find<QProgressBar>(names::progressBar)->isVisible());
    EXPECT_FALSE(box().isReadOnly());
    EXPECT_TRUE(window_->menuBar()->isEnabled());
    click(names::undoButton);
    EXPECT_EQ(text(), whole);
}

TEST_F(PassFrame, aPassThatFailsReportsAndReturnsToIdleWithTheTextKept) {
    type("first\r\nsecond");
    ui::PassRequest request;
    request.operation = [](std::string_view, std::string&) -> bool {
        throw RuntimeError(5, "Invalid procedure call or argument");
    };
    manipulator().runPass(request);
    EXPECT_EQ(text(), "first\r\nsecond");
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].title, "Fieldizer - Sorry...");
    EXPECT_EQ(dialogs_.messages[0].text, "Invalid procedure call or argument");
    EXPECT_FALSE(manipulator().passRunning());
    EXPECT_FALSE(find<QPushButton>(names::stopButton)->isEnabled());
    EXPECT_FALSE(find<QProgressBar>(names::progressBar)->isVisible());
    EXPECT_TRUE(find<QLabel>(names::counterLabel)->isVisible());
    EXPECT_TRUE(find<QPushButton>(names::undoButton)->isEnabled());
    for (const auto& entry : std::filesystem::directory_iterator(folder_))
        EXPECT_NE(entry.path().extension(), ".tmp") << entry.path() << " is left behind";
}

TEST_F(PassFrame, aPassReplacesTheTextInOneStepAndFollowsTheAfterProcessOptions) {
    type("ab\r\ncd\r\n");
    manipulator().tabs()->setCurrentIndex(3);
    ui::PassRequest request;
    request.operation = [](std::string_view line, std::string& out) {
        out.append(line).append("!");
        return true;
    };
    request.showTextTab = false;
    manipulator().runPass(request);
    EXPECT_EQ(text(), "ab!\r\ncd!");
    EXPECT_EQ(manipulator().tabs()->currentIndex(), 3);
    request.showTextTab = true;
    request.selectAll = true;
    manipulator().runPass(request);
    EXPECT_EQ(manipulator().tabs()->currentIndex(), 0);
    EXPECT_EQ(box().selectionLength(), box().length());
    click(names::undoButton);
    EXPECT_EQ(text(), "ab!\r\ncd!");
}

TEST_F(PassFrame, theRequiredFieldComesBeforeNothingToProcess) {
    ui::PassRequest request;
    request.operation = [](std::string_view, std::string&) { return true; };
    request.missingField =
        MissingField{requiredFieldIds::replaceText, "Please enter the text to replace.",
                     Focus::onKey("startLineAfter")};
    manipulator().runPass(request);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, "Please enter the text to replace.");
    request.missingField.reset();
    manipulator().tabs()->setCurrentIndex(2);
    manipulator().runPass(request);
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[1].text.substr(0, 29), "There is nothing to process. ");
    EXPECT_EQ(dialogs_.messages[1].title, "Fieldizer");
    EXPECT_EQ(manipulator().tabs()->currentIndex(), 0);
}

} // namespace
} // namespace fieldizer::testing
