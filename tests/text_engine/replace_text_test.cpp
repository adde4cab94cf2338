#include "operation_test_support.h"
#include "text_engine/replace_text.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::expectInvalidArgument;
using testing::lineResult;

ReplaceParameters entered(std::string find, std::string with) {
    ReplaceParameters p;
    p.replaceText = std::move(find);
    p.replaceWith = std::move(with);
    return p;
}

ReplaceParameters specific(std::string text, int column, std::string with) {
    ReplaceParameters p;
    p.replaceText = "Specific Replace";
    p.replaceSpecificText = std::move(text);
    p.replaceAtCol = column;
    p.replaceWith = std::move(with);
    return p;
}

ReplaceParameters general(int column, int chars, std::string with) {
    ReplaceParameters p;
    p.replaceText = "General Replace";
    p.replaceAtCol = column;
    p.replaceNumOfChars = chars;
    p.replaceWith = std::move(with);
    return p;
}

ReplaceParameters atEnd(ReplaceParameters p) {
    p.replaceEndOfLine = true;
    return p;
}

std::string replace(const ReplaceParameters& p, std::string_view line) {
    return *lineResult(replaceOperation(p), line);
}

TEST(ReplaceText, TextModeReplacesEveryOccurrence) {
    EXPECT_EQ(replace(entered("abc", "X"), "abcabc"), "XX");
    EXPECT_EQ(replace(entered("abc", ""), "xabcyabcz"), "xyz");
    EXPECT_EQ(replace(entered("ABC", "X"), "abcabc"), "abcabc") << "case counts";
    EXPECT_EQ(replace(entered("q", "X"), "abc"), "abc");
}

TEST(ReplaceText, ReplacementIsNeverSearchedAgain) {
    EXPECT_EQ(replace(entered("a", "aa"), "banana"), "baanaanaa");
    EXPECT_EQ(replace(entered("aa", "b"), "aaaa"), "bb") << "occurrences do not overlap";
    EXPECT_EQ(replace(entered("aa", "b"), "aaa"), "ba");
}

TEST(ReplaceText, SpecificReplaceAtAColumn) {
    const auto p = specific("01", 6, "JAN");
    EXPECT_EQ(replace(p, "2004 01 31"), "2004 JAN 31");
    EXPECT_EQ(replace(p, "2004 02 31"), "2004 02 31");
    EXPECT_EQ(replace(p, "2004"), "2004");
    EXPECT_EQ(replace(p, "01 2004 01 01"), "01 2004 01 01") << "only that one place";
}

TEST(ReplaceText, SpecificReplaceAtTheEnd) {
    const auto p = atEnd(specific("-", 0, "=0"));
    EXPECT_EQ(replace(p, "100-"), "100=0");
    EXPECT_EQ(replace(p, "-"), "=0");
    EXPECT_EQ(replace(p, "-100"), "-100");
    EXPECT_EQ(replace(atEnd(specific("abc", 1, "X")), "bc"), "bc") << "a shorter line differs";
}

TEST(ReplaceText, SpecificReplaceWithEmptyTextInserts) {
    EXPECT_EQ(replace(specific("", 3, "XY"), "abcd"), "abXYcd");
    EXPECT_EQ(replace(atEnd(specific("", 3, "XY")), "abcd"), "abcdXY");
    EXPECT_EQ(replace(specific("", 9, "XY"), "abcd"), "abcdXY");
}

TEST(ReplaceText, GeneralReplaceAtAColumn) {
    EXPECT_EQ(replace(general(3, 2, "XY"), "abcdef"), "abXYef");
    EXPECT_EQ(replace(general(9, 2, "XY"), "abcdef"), "abcdefXY");
    EXPECT_EQ(replace(general(3, 0, "XY"), "abcdef"), "abXYcdef");
    EXPECT_EQ(replace(general(5, 9, "XY"), "abcdef"), "abcdXY");
}

TEST(ReplaceText, HugeColumnsDoNotOverflow) {
    EXPECT_EQ(replace(general(2'000'000'000, 2'000'000'000, "X"), "abc"), "abcX");
}

TEST(ReplaceText, GeneralReplaceAtTheEnd) {
    EXPECT_EQ(replace(atEnd(general(1, 3, "!")), "abcdef"), "abc!");
    EXPECT_EQ(replace(atEnd(general(1, 3, "!")), "ab"), "!");
    EXPECT_EQ(replace(atEnd(general(1, 3, "!")), "abc"), "!");
    EXPECT_EQ(replace(atEnd(general(1, 0, "!")), "ab"), "ab!");
}

TEST(ReplaceText, GeneralReplaceWithColumnZeroStartsAtTheCount) {
    EXPECT_EQ(replace(general(0, 3, "R"), "abcdef"), "Rcdef");
    EXPECT_EQ(replace(general(1, 3, "R"), "abcdef"), "Rdef");
}

TEST(ReplaceText, StartColumnZeroIsAnInvalidArgument) {
    expectInvalidArgument([] { replace(specific("a", 0, "X"), "abc"); });
    expectInvalidArgument([] { replace(general(0, 0, "X"), "abc"); });
    EXPECT_EQ(replace(atEnd(general(0, 0, "X")), "abc"), "abcX");
    EXPECT_EQ(replace(atEnd(specific("c", 0, "X")), "abc"), "abX");
}

TEST(ReplaceText, EmptyLinesStayAndEveryLineGivesOneLine) {
    for (const auto& p :
         {entered("a", "b"), specific("", 0, "X"), general(0, 0, "X"), atEnd(general(1, 0, "X"))})
        EXPECT_EQ(testing::textResult(replaceOperation(p), "\r\n\r\n\r\n"), "\r\n\r\n");
}

TEST(ReplaceText, ModeWordsAreNotSearchedFor) {
    EXPECT_EQ(replace(general(1, 7, "X"), "General Replace"), "X Replace");
}

TEST(ReplaceText, ParametersFromPanelValues) {
    ParameterValues values = defaultParameterValues();
    values["replaceText"] = "General Replace";
    values["replaceAtCol"] = "";
    values["replaceNumOfChars"] = "3";
    values["replaceWith"] = "R";
    const ReplaceParameters p = replaceParameters(values);
    EXPECT_EQ(p.replaceAtCol, 0);
    EXPECT_FALSE(p.replaceEndOfLine);
    EXPECT_EQ(testing::routineResult(generalReplace, "abcdef", p), "Rcdef");
    std::string out;
    replaceLine("", p, out);
    EXPECT_EQ(out, "");
}

} // namespace
} // namespace fieldizer
