// Which fields of the operation tabs the user can fill, without a window.
#include "shell/operation_fields/field_rules.h"

#include <gtest/gtest.h>

using namespace fieldizer;

TEST(ModeFields, followTheModeAndTheEndOfLineBox) {
    const auto general =
        modeFieldStates("General Delete", "General Delete", "Specific Delete", false);
    EXPECT_TRUE(general.count && general.column && general.endOfLine);
    EXPECT_FALSE(general.specific || general.clearEndOfLine);
    const auto specific =
        modeFieldStates("Specific Delete", "General Delete", "Specific Delete", true);
    EXPECT_TRUE(specific.specific && specific.endOfLine);
    EXPECT_FALSE(specific.count || specific.column);
    // A typed text is found wherever it stands: nothing of its place applies.
    const auto typed = modeFieldStates("Total:", "General Delete", "Specific Delete", true);
    EXPECT_TRUE(typed.clearEndOfLine);
    EXPECT_FALSE(typed.count || typed.column || typed.specific || typed.endOfLine);
    // An empty mode is the general one, not a typed text.
    EXPECT_FALSE(modeFieldStates("", "General Delete", "Specific Delete", false).clearEndOfLine);
}

TEST(MoveFields, followTheTextToMoveAndTheTargetColumn) {
    EXPECT_TRUE(moveFieldStates("General Move").fromColumn);
    EXPECT_FALSE(moveFieldStates("General Move").specificText);
    EXPECT_TRUE(moveFieldStates("Specific Move").specificText);
    EXPECT_TRUE(moveFieldStates("Specific Move").numOfChars);
    const auto typed = moveFieldStates("Page");
    EXPECT_FALSE(typed.fromColumn || typed.numOfChars || typed.specificText);
    EXPECT_TRUE(movePlaceSpacesEnabled(""));
    EXPECT_FALSE(movePlaceSpacesEnabled("12"));
}

TEST(FormatFields, followWhatTheDelimiterCreatesAndWhereTheTextComesFrom) {
    ASSERT_TRUE(formatAddTextItems("New column").has_value());
    EXPECT_EQ(formatAddTextItems("New column")->front(), "Start of column");
    EXPECT_EQ(formatAddTextItems("New line")->at(1), "End of line");
    EXPECT_FALSE(formatAddTextItems("").has_value());
    EXPECT_TRUE(formatSpacesBetweenColsShown("New column"));
    EXPECT_FALSE(formatSpacesBetweenColsShown("New line"));
    EXPECT_FALSE(formatAddedTextEnabled("Omit text"));
    EXPECT_TRUE(formatAddedTextEnabled("End of column"));
    EXPECT_TRUE(formatTextFromColumnEnabled(""));
    EXPECT_FALSE(formatTextFromColumnEnabled("x"));
    // A column of 1 or more leaves no text to type; anything else does.
    EXPECT_FALSE(formatTextToAddEnabled("3"));
    EXPECT_FALSE(formatTextToAddEnabled(" 1 "));
    for (const char* column : {"", "0", "-2", "abc", "3x"})
        EXPECT_TRUE(formatTextToAddEnabled(column)) << column;
}

TEST(SpacesFields, areFilledOnlyWhenSpacesAreAdded) {
    EXPECT_TRUE(spacesFieldsEnabled("Add spaces"));
    EXPECT_FALSE(spacesFieldsEnabled("Remove spaces"));
    EXPECT_FALSE(spacesFieldsEnabled(""));
}
