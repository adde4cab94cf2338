#include "operation_test_support.h"
#include "text_engine/delete_text.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::expectInvalidArgument;
using testing::lineResult;
using testing::textResult;

DeleteParameters entered(std::string text) {
    DeleteParameters p;
    p.deleteText = std::move(text);
    return p;
}

DeleteParameters specific(std::string text, int column) {
    DeleteParameters p;
    p.deleteText = "Specific Delete";
    p.deleteSpecificText = std::move(text);
    p.deleteFromCol = column;
    return p;
}

DeleteParameters general(int column, int chars) {
    DeleteParameters p;
    p.deleteText = "General Delete";
    p.deleteFromCol = column;
    p.deleteNumOfChars = chars;
    return p;
}

DeleteParameters atEnd(DeleteParameters p) {
    p.deleteEndOfLine = true;
    return p;
}

DeleteParameters withSpaces(DeleteParameters p, int spaces) {
    p.deleteOptions = "Add spaces";
    p.deleteSpaces = spaces;
    return p;
}

std::optional<std::string> del(const DeleteParameters& p, std::string_view line) {
    return lineResult(deleteOperation(p), line);
}

TEST(DeleteText, TextModeDeletesEveryOccurrence) {
    EXPECT_EQ(del(entered("ab"), "xabyabz"), "xyz");
    EXPECT_EQ(del(withSpaces(entered("ab"), 2), "xabyabz"), "x  y  z");
    EXPECT_EQ(del(entered("AB"), "xabyabz"), "xabyabz");
    EXPECT_EQ(del(entered("aa"), "aaaaa"), "a");
}

TEST(DeleteText, SpacesPutInAreSearchedAgainUpToTheLineLength) {
    EXPECT_EQ(del(withSpaces(entered(" "), 1), "a b  c "), "a b  c ");
    EXPECT_EQ(del(withSpaces(entered(" "), 2), "a b"), "a    b")
        << "the limit of 3 deletions stops the growing spaces";
    EXPECT_EQ(del(withSpaces(entered("a "), 1), "a a b"), "  b");
}

TEST(DeleteText, OmitSpacesIsAnyOtherOption) {
    auto p = entered("ab");
    p.deleteOptions = "add spaces";
    p.deleteSpaces = 3;
    EXPECT_EQ(del(p, "xaby"), "xy");
}

TEST(DeleteText, SpecificDeleteAtAColumn) {
    const auto p = specific("01", 6);
    EXPECT_EQ(del(p, "2004 01 31"), "2004  31");
    EXPECT_EQ(del(p, "2004 02 31"), "2004 02 31");
    EXPECT_EQ(del(p, "2004"), "2004");
    EXPECT_EQ(del(withSpaces(p, 1), "2004 01 31"), "2004   31");
    EXPECT_EQ(del(specific("01", 1), "0101"), "01") << "only that one place";
}

TEST(DeleteText, SpecificDeleteAtTheEnd) {
    const auto p = atEnd(specific(".00", 0));
    EXPECT_EQ(del(p, "12.00"), "12");
    EXPECT_EQ(del(p, ".00"), "") << "stays as an empty line";
    EXPECT_EQ(del(p, "12.50"), "12.50");
    EXPECT_EQ(del(withSpaces(p, 2), "12.00"), "12  ");
}

TEST(DeleteText, BlankLineRuleDropsBlankLines) {
    const auto operation = deleteOperation(specific("\r\n", 1));
    EXPECT_EQ(textResult(operation, "a\r\n\r\nb\r\n\r\n\r\nc"), "a\r\nb\r\nc");
    EXPECT_EQ(lineResult(operation, ""), std::nullopt);
}

TEST(DeleteText, BlankLineRuleWithSpacesFillsBlankLines) {
    const auto operation = deleteOperation(withSpaces(specific("\r\n", 1), 3));
    EXPECT_EQ(textResult(operation, "a\r\n\r\nb"), "a\r\n   \r\nb");
    const auto atTheEnd = deleteOperation(withSpaces(atEnd(specific("\r\n", 0)), 1));
    EXPECT_EQ(textResult(atTheEnd, "a\r\n\r\nb"), "a\r\n \r\nb");
}

TEST(DeleteText, BlankLineRuleHoldsInEveryMode) {
    auto p = atEnd(general(0, 5));
    p.deleteSpecificText = "\r\n";
    EXPECT_EQ(textResult(deleteOperation(p), "12345\r\n\r\n123456\r\nabc"), "1");
    auto typed = entered("x");
    typed.deleteSpecificText = "\r\n";
    EXPECT_EQ(textResult(deleteOperation(typed), "x\r\n\r\naxb"), "ab");
}

TEST(DeleteText, WithoutTheRuleEmptyLinesStay) {
    const auto operation = deleteOperation(withSpaces(atEnd(general(0, 0)), 2));
    EXPECT_EQ(textResult(operation, "a\r\n\r\nb"), "a  \r\n\r\nb  ");
    EXPECT_EQ(del(atEnd(specific(".00", 0)), ""), "");
}

TEST(DeleteText, GeneralDeleteAtAColumn) {
    EXPECT_EQ(del(general(4, 3), "abcdefgh"), "abcgh");
    EXPECT_EQ(del(general(7, 5), "abcdefgh"), "abcdef");
    EXPECT_EQ(del(withSpaces(general(20, 3), 2), "abcdefgh"), "abcdefgh");
    EXPECT_EQ(del(withSpaces(general(2, 0), 2), "abcdefgh"), "abcdefgh");
    EXPECT_EQ(del(withSpaces(general(1, 2), 1), "abcdefgh"), " cdefgh");
}

TEST(DeleteText, GeneralDeleteAtTheEnd) {
    EXPECT_EQ(del(atEnd(general(0, 3)), "abcdefgh"), "abcde");
    EXPECT_EQ(del(atEnd(general(0, 3)), "abc"), "");
    EXPECT_EQ(del(withSpaces(atEnd(general(0, 0)), 2), "abc"), "abc  ");
}

TEST(DeleteText, StartColumnZeroIsAnInvalidArgument) {
    expectInvalidArgument([] { del(specific("a", 0), "abc"); });
    expectInvalidArgument([] { del(general(0, 2), "abc"); });
    expectInvalidArgument([] { del(general(0, 0), "abc"); });
    expectInvalidArgument([] { del(specific("\r\n", 0), ""); });
    EXPECT_EQ(del(general(0, 2), ""), "") << "an empty line is not looked at";
}

TEST(DeleteText, ParametersFromPanelValues) {
    ParameterValues values = defaultParameterValues();
    values["deleteText"] = "Specific Delete";
    values["deleteSpecificText"] = "\r\n";
    const DeleteParameters p = deleteParameters(values);
    EXPECT_TRUE(deleteDropsBlankLines(p));
    EXPECT_EQ(p.deleteFromCol, 1);
    EXPECT_EQ(p.deleteOptions, "Omit spaces");
    std::string out = "x";
    EXPECT_FALSE(deleteLine("", p, out));
    EXPECT_EQ(out, "x");
    EXPECT_TRUE(deleteLine("ab", p, out));
    EXPECT_EQ(out, "xab");
    EXPECT_EQ(testing::routineResult(generalDelete, "abc", general(2, 1)), "ac");
}

} // namespace
} // namespace fieldizer
