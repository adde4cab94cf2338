#include "operation_test_support.h"
#include "text_engine/move_text.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::expectInvalidArgument;
using testing::lineResult;

MoveParameters general(int from, int chars, int to) {
    MoveParameters p;
    p.textToMove = "General Move";
    p.moveFromCol = from;
    p.moveNumOfChars = chars;
    p.moveToCol = to;
    return p;
}

MoveParameters specific(std::string text, int from, int to) {
    MoveParameters p;
    p.textToMove = "Specific Move";
    p.moveSpecificText = std::move(text);
    p.moveFromCol = from;
    p.moveToCol = to;
    return p;
}

MoveParameters entered(std::string text, int to) {
    MoveParameters p;
    p.textToMove = std::move(text);
    p.moveToCol = to;
    return p;
}

MoveParameters withSpaces(MoveParameters p, int spaces, std::string place) {
    p.moveOptions = "Add spaces";
    p.moveSpaces = spaces;
    p.movePlaceSpaces = std::move(place);
    return p;
}

MoveParameters toEnd(MoveParameters p) {
    p.moveEndOfLine = true;
    return p;
}

std::string move(const MoveParameters& p, std::string_view line) {
    return *lineResult(moveOperation(p), line);
}

TEST(MoveText, WorkedExamples) {
    EXPECT_EQ(move(general(2, 3, 7), "ABCDEFGH"), "AEFBCDGH");
    EXPECT_EQ(move(general(6, 2, 2), "ABCDEFGH"), "AFGBCDEH");
    EXPECT_EQ(move(toEnd(general(2, 2, 1)), "ABCDEFGH"), "ADEFGHBC");
    EXPECT_EQ(move(general(3, 2, 20), "ABCDEFGH"), "ABEFGHCD");
    EXPECT_EQ(move(entered("DE", 1), "ABCDEFGH"), "DEABCFGH");
    EXPECT_EQ(move(withSpaces(specific("CD", 3, 8), 1, "Both sides"), "ABCDEFGH"), "ABEFG CD H");
    EXPECT_EQ(move(specific("XY", 3, 8), "ABCDEFGH"), "ABCDEFGH");
    EXPECT_EQ(move(withSpaces(general(3, 2, 3), 1, "Both sides"), "ABCDEFGH"), "AB CD EFGH");
}

TEST(MoveText, LastCharactersMovedToTheFront) {
    EXPECT_EQ(move(general(7, 2, 1), "ABCDEFGH"), "GHABCDEF");
}

TEST(MoveText, TypedTextMovesOnlyItsFirstOccurrence) {
    EXPECT_EQ(move(entered("AB", 5), "xABxAByy"), "xxABAByy");
    EXPECT_EQ(move(toEnd(entered("AB", 1)), "xABxAByy"), "xxAByyAB");
    EXPECT_EQ(move(entered("ab", 1), "xABx"), "xABx") << "case counts";
}

TEST(MoveText, GeneralMoveWithNothingToMoveLeavesTheLine) {
    EXPECT_EQ(move(withSpaces(general(3, 0, 1), 2, "Both sides"), "ABCDEFGH"), "ABCDEFGH");
    EXPECT_EQ(move(withSpaces(general(9, 2, 1), 2, "Both sides"), "ABCDEFGH"), "ABCDEFGH");
}

TEST(MoveText, PieceCutShortByTheLineEnd) {
    EXPECT_EQ(move(general(7, 5, 1), "ABCDEFGH"), "GHABCDEF");
}

TEST(MoveText, ShortLinesAreLeftAloneLongerOnesChange) {
    const auto operation = moveOperation(general(5, 2, 1));
    EXPECT_EQ(testing::textResult(operation, "ABC\r\nABCDEFG"), "ABC\r\nEFABCDG");
}

TEST(MoveText, EmptyLinesComeThroughInEveryMode) {
    for (const auto& p : {general(0, 1, 0), specific("", 0, 0), entered("x", 0)})
        EXPECT_EQ(lineResult(moveOperation(p), ""), "");
}

TEST(MoveText, PaddingPlaces) {
    EXPECT_EQ(move(withSpaces(entered("CD", 1), 2, "Left side"), "ABCD"), "  CDAB");
    EXPECT_EQ(move(withSpaces(entered("CD", 1), 2, "Right side"), "ABCD"), "CD  AB");
    EXPECT_EQ(move(withSpaces(entered("CD", 1), 2, "Middle"), "ABCD"), "CDAB")
        << "an unknown place adds no spaces";
    auto omitted = withSpaces(entered("CD", 1), 2, "Left side");
    omitted.moveOptions = "Omit spaces";
    EXPECT_EQ(move(omitted, "ABCD"), "CDAB");
}

TEST(MoveText, SpecificMoveWithEmptyTextOnlyAddsSpacesAtTheTarget) {
    EXPECT_EQ(move(withSpaces(specific("", 3, 2), 1, "Both sides"), "ABCD"), "A  BCD");
    EXPECT_EQ(move(specific("", 3, 2), "ABCD"), "ABCD") << "nothing to insert";
    EXPECT_EQ(move(withSpaces(specific("", 6, 1), 1, "Both sides"), "A"), "  A")
        << "an empty text matches beyond the end of the line too";
}

TEST(MoveText, SpecificMoveNeedsTheWholeTextAtTheColumn) {
    EXPECT_EQ(move(specific("GHI", 7, 1), "ABCDEFGH"), "ABCDEFGH");
    EXPECT_EQ(move(specific("GH", 7, 1), "ABCDEFGH"), "GHABCDEF");
}

TEST(MoveText, TargetInsideThePieceMixesCopyAndSource) {
    // Not refused: the copy goes into the unchanged line, then m characters
    // go at the source column.
    EXPECT_EQ(move(general(2, 3, 3), "ABCDEFGH"), "ADCDEFGH");
    EXPECT_EQ(move(general(2, 3, 4), "ABCDEFGH"), "ACDDEFGH");
}

TEST(MoveText, FromColumnZeroIsAnInvalidArgument) {
    expectInvalidArgument([] { move(general(0, 2, 1), "ABC"); });
    expectInvalidArgument([] { move(specific("A", 0, 1), "ABC"); });
}

TEST(MoveText, ToColumnZeroFailsOnlyOnceAPieceIsFound) {
    expectInvalidArgument([] { move(general(1, 2, 0), "ABC"); });
    expectInvalidArgument([] { move(entered("B", 0), "ABC"); });
    EXPECT_EQ(move(entered("X", 0), "ABC"), "ABC");
    EXPECT_EQ(move(specific("X", 1, 0), "ABC"), "ABC");
    EXPECT_EQ(move(general(5, 2, 0), "ABC"), "ABC");
    EXPECT_EQ(move(toEnd(general(1, 1, 0)), "ABC"), "BCA");
}

TEST(MoveText, ModeWordsCannotBeMovedAsTypedText) {
    EXPECT_EQ(move(general(1, 1, 3), "General Move"), "eGneral Move");
}

TEST(MoveText, ParametersFromPanelValues) {
    ParameterValues values = defaultParameterValues();
    values["textToMove"] = "Specific Move";
    values["moveSpecificText"] = "CD";
    values["moveFromCol"] = "3";
    values["moveToCol"] = "";
    values["moveEndOfLine"] = "1";
    values["moveOptions"] = "Add spaces";
    values["moveSpaces"] = "2";
    values["movePlaceSpaces"] = "Left side";
    const MoveParameters p = moveParameters(values);
    EXPECT_EQ(p.moveToCol, 0) << "an empty box counts as 0";
    EXPECT_TRUE(p.moveEndOfLine);
    EXPECT_TRUE(p.moveAfterProcess);
    EXPECT_FALSE(p.moveAfterProcessShow);
    EXPECT_EQ(move(p, "ABCDEF"), "ABEF  CD");
}

TEST(MoveText, RoutinesAreCallableDirectly) {
    EXPECT_EQ(testing::routineResult(generalMove, "ABCDEFGH", general(2, 3, 7)), "AEFBCDGH");
    EXPECT_EQ(testing::routineResult(enteredMove, "ABCDEFGH", entered("DE", 1)), "DEABCFGH");
    std::string out = "kept|";
    moveLine("ABCDEFGH", specific("CD", 3, 1), out);
    EXPECT_EQ(out, "kept|CDABEFGH") << "results are appended";
}

} // namespace
} // namespace fieldizer
