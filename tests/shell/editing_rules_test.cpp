// The editing rules: paste line endings, lone LF line ends, captions and the
// change tracking behind Save and Undo.
#include "shell/editing/captions.h"
#include "shell/editing/change_tracking.h"
#include "shell/editing/line_ends.h"
#include "shell/editing/paste_rule.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

std::string applied(std::string text, std::size_t start, std::size_t length,
                    std::string_view pasted) {
    const PasteEdit edit = pasteEdit(text.size(), start, length, pasted);
    return text.replace(edit.start, edit.removeLength, edit.insert);
}

TEST(PasteRule, atTheEndALoneCrGetsItsLf) {
    EXPECT_EQ(applied("ab", 2, 0, "x\r"), "abx\r\n");
    EXPECT_EQ(applied("ab", 2, 0, "x\r\n"), "abx\r\n");
    EXPECT_EQ(applied("ab", 2, 0, "x\n"), "abx\n");
    EXPECT_EQ(applied("", 0, 0, "x\r"), "x\r\n");
    EXPECT_EQ(applied("ab", 7, 0, "x"), "abx"); // beyond the end counts as the end
}

TEST(PasteRule, insideTheTextTheSelectionIsReplacedUnchanged) {
    EXPECT_EQ(applied("abcd", 1, 2, "x\r"), "ax\rd");
    EXPECT_EQ(applied("abcd", 1, 0, "\r"), "a\rbcd");
    const PasteEdit edit = pasteEdit(4, 1, 2, "x");
    EXPECT_EQ(edit.start, 1u); // where the caret goes back to
}

TEST(LineEnds, loneLfIsFoundAndConvertedLeavingCrLfAlone) {
    EXPECT_FALSE(hasLoneLf("a\r\nb\rc"));
    EXPECT_TRUE(hasLoneLf("a\r\nb\nc"));
    EXPECT_TRUE(hasLoneLf("\n"));
    EXPECT_EQ(convertLoneLfToCrLf("\na\r\nb\nc\n"), "\r\na\r\nb\r\nc\r\n");
    EXPECT_EQ(convertLoneLfToCrLf("a\rb"), "a\rb");
}

TEST(Captions, manipulatorAndViewerNameTheFile) {
    EXPECT_EQ(manipulatorCaption(""), "Manipulator");
    EXPECT_EQ(manipulatorCaption("/d/r.txt"), "Manipulator - /d/r.txt");
    EXPECT_EQ(viewerCaption("Manipulator"), "Text Viewer");
    EXPECT_EQ(viewerCaption("Manipulator - /d/r.txt"), "/d/r.txt");
}

TEST(ChangeTracking, aUserEditMovesTheFormerTextIntoUndo) {
    ProgramState state;
    TextHistory history;
    resetHistory(history, "loaded");
    ChangeReaction reaction = manipulatorTextChanged(state, history, "loaded!");
    EXPECT_TRUE(reaction.countedAsEdit);
    EXPECT_TRUE(reaction.enableUndo);
    EXPECT_TRUE(state.textModified);
    EXPECT_EQ(history.undoText, "loaded");
    EXPECT_EQ(history.lastText, "loaded!");

    history.undoRunning = true; // Undo's own change takes no new copy
    manipulatorTextChanged(state, history, "loaded");
    EXPECT_EQ(history.undoText, "loaded");
}

TEST(ChangeTracking, changesByTheProgramAreSkippedOnce) {
    ProgramState state;
    TextHistory history;
    state.textJustLoaded = true;
    ChangeReaction reaction = manipulatorTextChanged(state, history, "file");
    EXPECT_FALSE(reaction.countedAsEdit);
    EXPECT_FALSE(reaction.enableUndo);
    EXPECT_FALSE(state.textModified);
    EXPECT_FALSE(state.textJustLoaded);

    state.closingText = true; // closing empties the text: not an edit
    reaction = manipulatorTextChanged(state, history, "");
    EXPECT_FALSE(reaction.countedAsEdit);
    EXPECT_FALSE(state.textModified);

    state.closingText = false;
    state.textSetByProgram = true;
    EXPECT_FALSE(viewerTextChanged(state).countedAsEdit);
    EXPECT_FALSE(state.textSetByProgram);
    EXPECT_TRUE(viewerTextChanged(state).countedAsEdit);
    EXPECT_TRUE(state.textModified);
}

} // namespace
} // namespace fieldizer
