#include "columns/column_guess.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

ColumnSpecs guess(std::vector<std::string_view> lines,
                  std::optional<std::string_view> heading = std::nullopt) {
    return guessColumns(lines, heading);
}

// Start and number of characters of every guessed column.
std::vector<std::pair<long, long>> places(const ColumnSpecs& specs) {
    std::vector<std::pair<long, long>> result;
    for (const ColumnSpec& spec : specs)
        result.emplace_back(*spec.getDataFromColumn, *spec.numberOfCharacters);
    return result;
}

std::vector<std::string> headings(const ColumnSpecs& specs) {
    std::vector<std::string> result;
    for (const ColumnSpec& spec : specs)
        result.push_back(spec.columnHeading);
    return result;
}

using Places = std::vector<std::pair<long, long>>;

TEST(GuessColumns, BlankRunsInEveryLineDivideColumns) {
    const ColumnSpecs specs = guess({"ab  123  x", "cd  45   y"});
    EXPECT_EQ(places(specs), (Places{{1, 2}, {5, 3}, {10, 1}}));
    EXPECT_EQ(headings(specs), (std::vector<std::string>{"Column1", "Column2", "Column3"}));
    for (const ColumnSpec& spec : specs) {
        EXPECT_EQ(spec.fieldWidth, spec.numberOfCharacters) << "every value fits its field";
        EXPECT_EQ(spec.spacesB4NextColumn, 1);
    }
}

TEST(GuessColumns, RaggedLinesAreBlankPastTheirEnd) {
    // The short line leaves the third column to the long ones; its own
    // characters still hold the first column together.
    EXPECT_EQ(places(guess({"name  7  tail", "n a", "abcd  12 tails"})),
              (Places{{1, 4}, {7, 2}, {10, 5}}));
}

TEST(GuessColumns, RightAlignedNumbersTakeTheirWidestValue) {
    EXPECT_EQ(places(guess({"x     4 y", "x   164 y", "x    42 y"})),
              (Places{{1, 1}, {5, 3}, {9, 1}}));
}

TEST(GuessColumns, ColumnsThatTouchStayOne) {
    // No blank stands between the time and the date in any line: a reader
    // of positions cannot part them.
    EXPECT_EQ(places(guess({" 4:14:001971-01-01 a", "14:57:131948-01-01 b"})),
              (Places{{1, 18}, {20, 1}}));
}

TEST(GuessColumns, ATabIsOneBlankPosition) {
    EXPECT_EQ(places(guess({"ab\t12", "cd\t34", "ef 56"})), (Places{{1, 2}, {4, 2}}));
}

TEST(GuessColumns, EmptyAndBlankLinesTakeNoPart) {
    EXPECT_EQ(places(guess({"", "ab cd", "   \t ", "ef gh"})), (Places{{1, 2}, {4, 2}}));
    EXPECT_TRUE(guess({"", "    "}).empty());
    EXPECT_TRUE(guess({}).empty());
}

TEST(GuessColumns, OneLineInFiftyMayCrossABoundary) {
    std::vector<std::string_view> lines(49, "aa bb");
    lines.emplace_back("aaXbb"); // a stray character in the blank column
    EXPECT_EQ(places(guess(lines)), (Places{{1, 3}, {4, 2}}))
        << "fifty lines allow one; its character joins a column, it is not lost";
    lines.erase(lines.begin());
    EXPECT_EQ(places(guess(lines)), (Places{{1, 5}})) << "forty-nine lines allow none";
}

TEST(GuessColumns, AWideTotalWidensItsColumnInsteadOfLosingDigits) {
    std::vector<std::string_view> lines(59, "ab      42 z");
    lines.insert(lines.begin(), "ab  281421 z"); // the total over the rows below
    EXPECT_EQ(places(guess(lines)), (Places{{1, 2}, {5, 6}, {12, 1}}));
}

TEST(GuessColumns, ATotalRunningIntoTheNextColumnGoesTheWayItsNumbersAlign) {
    // Right-aligned numbers run out to the left: the first line's two totals
    // touch, and each column takes its own digits back.
    std::vector<std::string_view> lines;
    for (int i = 0; i < 30; ++i)
        lines.insert(lines.end(), {"     42      7", "      5     17"});
    lines.emplace_back("  123451234567");
    EXPECT_EQ(places(guess(lines)), (Places{{3, 5}, {8, 7}}));
}

TEST(GuessColumns, ASparseColumnIsKept) {
    std::vector<std::string_view> lines(60, "aa    bb");
    lines[7] = "aa  z bb"; // one value in sixty lines is still a column of its own
    EXPECT_EQ(places(guess(lines)), (Places{{1, 2}, {5, 1}, {7, 2}}));
}

TEST(GuessHeadings, WordsAboveAColumnNameIt) {
    // Headings of right-aligned numbers stand left of the digits.
    const ColumnSpecs specs = guess({" 1  42 x", "12   4 y"}, std::string_view("DY MAX  Z"));
    EXPECT_EQ(places(specs), (Places{{1, 2}, {5, 2}, {8, 1}}));
    EXPECT_EQ(headings(specs), (std::vector<std::string>{"DY", "MAX", "Z"}));
}

TEST(GuessHeadings, NamesAreValidAndEachIsUsedOnce) {
    const ColumnSpecs specs =
        guess({"aa bb cc dd", "aa bb cc dd"}, std::string_view("A.1 a   [x]"));
    EXPECT_EQ(headings(specs), (std::vector<std::string>{"A1", "a", "Column3", "x"}))
        << "'.', '[' and ']' are left out; no word stands above the third column";
}

TEST(GuessHeadings, ASecondNameInOtherLetterCaseIsNumbered) {
    EXPECT_EQ(headings(guess({"aa bb", "aa bb"}, std::string_view("Spd SPD"))),
              (std::vector<std::string>{"Spd", "Column2"}));
}

TEST(GuessHeadings, AWordOverTwoColumnsNamesTheOneItCoversMost) {
    EXPECT_EQ(headings(guess({"a bbb", "a bbb"}, std::string_view("TEMP"))),
              (std::vector<std::string>{"Column1", "TEMP"}));
}

TEST(FirstFilledLines, SkipsBlankLinesAndStopsAtTheCount) {
    const std::vector<std::string_view> lines{"", "a", "  ", "b", "c"};
    EXPECT_EQ(firstFilledLines(lines, 2), (std::vector<std::string_view>{"a", "b"}));
}

} // namespace
} // namespace fieldizer
