#include "operation_test_support.h"
#include "text_engine/add_text.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::expectInvalidArgument;
using testing::lineResult;

AddParameters adding(std::string text, int column, std::string condition = "") {
    AddParameters p;
    p.addText = std::move(text);
    p.addAtCol = column;
    p.addIfContains = std::move(condition);
    return p;
}

AddParameters withSpaces(AddParameters p, int spaces, std::string place) {
    p.addOptions = "Add spaces";
    p.addSpaces = spaces;
    p.addPlaceSpaces = std::move(place);
    return p;
}

AddParameters toEnd(AddParameters p) {
    p.addEndOfLine = true;
    return p;
}

std::string add(const AddParameters& p, std::string_view line) {
    return *lineResult(addOperation(p), line);
}

TEST(AddText, WorkedExamples) {
    EXPECT_EQ(add(adding("XY", 3), "ABCDEF"), "ABXYCDEF");
    EXPECT_EQ(add(adding("XY", 1), "ABCDEF"), "XYABCDEF");
    EXPECT_EQ(add(adding("XY", 20), "ABCDEF"), "ABCDEFXY");
    EXPECT_EQ(add(withSpaces(toEnd(adding("XY", 1)), 2, "Left side"), "ABCDEF"), "ABCDEF  XY");
    EXPECT_EQ(add(withSpaces(adding("XY", 4), 1, "Both sides"), "ABCDEF"), "ABC XY DEF");
    EXPECT_EQ(add(adding("XY", 3, "CD"), "ABCDEF"), "ABXYCDEF");
    EXPECT_EQ(add(adding("XY", 3, "cd"), "ABCDEF"), "ABCDEF");
    EXPECT_EQ(add(adding("XY", 5, "\r\n"), ""), "XY");
    EXPECT_EQ(add(adding("XY", 3, "\r\n"), "ABCDEF"), "ABCDEF");
}

TEST(AddText, WithoutConditionEveryNonEmptyLineReceivesTheText) {
    const auto operation = addOperation(adding("#", 1));
    EXPECT_EQ(testing::textResult(operation, "a\r\n\r\n  \r\nb"), "#a\r\n\r\n#  \r\n#b")
        << "empty lines stay empty; a line of spaces counts as a line";
}

TEST(AddText, CrLfConditionSelectsOnlyEmptyLines) {
    const auto operation = addOperation(withSpaces(adding("--", 7, "\r\n"), 1, "Right side"));
    EXPECT_EQ(testing::textResult(operation, "a\r\n\r\nb\r\n\r\n"), "a\r\n-- \r\nb\r\n-- ");
}

TEST(AddText, ConditionWithALineBreakSelectsNoLine) {
    const auto operation = addOperation(adding("#", 1, "a\r\nb"));
    EXPECT_EQ(testing::textResult(operation, "a\r\nb\r\n"), "a\r\nb");
    EXPECT_EQ(add(adding("#", 1, "\r\n\r\n"), ""), "") << "only a single CR LF selects blanks";
}

TEST(AddText, LoneLfInsideALineCanBeFound) {
    EXPECT_EQ(add(adding("#", 1, "\n"), "a\nb"), "#a\nb");
}

TEST(AddText, TextIsAddedOnceAndNotSearchedAgain) {
    EXPECT_EQ(add(adding("XY", 1, "XY"), "aXYbXY"), "XYaXYbXY");
    EXPECT_EQ(add(adding("XY", 1, "XY"), "abc"), "abc");
}

TEST(AddText, UnknownPlaceAddsNoSpaces) {
    EXPECT_EQ(add(withSpaces(adding("XY", 2), 3, "Top"), "ab"), "aXYb");
}

TEST(AddText, ColumnZeroIsAnInvalidArgumentForSelectedLines) {
    expectInvalidArgument([] { add(adding("XY", 0), "abc"); });
    expectInvalidArgument([] { add(adding("XY", 0, "\r\n"), ""); });
    EXPECT_EQ(add(adding("XY", 0, "zz"), "abc"), "abc") << "a line not selected is not touched";
    EXPECT_EQ(add(toEnd(adding("XY", 0)), "abc"), "abcXY");
}

TEST(AddText, ParametersFromPanelValues) {
    ParameterValues values = defaultParameterValues();
    values["addText"] = "XY";
    values["addIfContains"] = "\r\n";
    values["addAtCol"] = "2";
    const AddParameters p = addParameters(values);
    EXPECT_EQ(p.addIfContains, "\r\n");
    EXPECT_EQ(p.addOptions, "Omit spaces");
    EXPECT_EQ(p.addPlaceSpaces, "Both sides");
    EXPECT_EQ(p.addSpaces, 1);
    EXPECT_TRUE(addSelectsLine("", p));
    EXPECT_FALSE(addSelectsLine("a", p));
    EXPECT_EQ(testing::routineResult(addText, "abc", p), "aXYbc");
}

} // namespace
} // namespace fieldizer
