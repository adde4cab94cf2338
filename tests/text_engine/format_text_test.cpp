#include "operation_test_support.h"
#include "text_engine/format_text.h"

#include <gtest/gtest.h>
#include <memory>

namespace fieldizer {
namespace {

using testing::expectInvalidArgument;
using testing::lineResult;

FormatParameters columns(std::string delimiter, int spacesBetween) {
    FormatParameters p;
    p.formatCreate = "New column";
    p.formatDelimiter = std::move(delimiter);
    p.formatSpacesBetweenCols = spacesBetween;
    return p;
}

FormatParameters lines(std::string delimiter) {
    FormatParameters p;
    p.formatDelimiter = std::move(delimiter);
    return p;
}

FormatParameters adding(FormatParameters p, std::string where, std::string text) {
    p.formatAddText = std::move(where);
    p.formatTextToAdd = std::move(text);
    return p;
}

std::string format(const FormatParameters& p, std::string_view line) {
    return *lineResult(formatOperation(p), line);
}

TEST(FormatText, SingleDelimiter) {
    EXPECT_EQ(format(columns(";", 2), "a;b;c"), "a  b  c");
    EXPECT_EQ(format(lines(";"), "a;b;c"), "a\r\nb\r\nc");
    EXPECT_EQ(format(columns(";", 2), "a;b;"), "a  b  ");
    EXPECT_EQ(format(lines(";"), "a;;b"), "a\r\n\r\nb");
    EXPECT_EQ(format(columns(";", 0), "a;b"), "ab");
}

TEST(FormatText, DelimiterIsTrimmedOfSpaces) {
    EXPECT_EQ(format(lines(" ; "), "a;b c"), "a\r\nb c");
}

TEST(FormatText, DelimiterSequence) {
    EXPECT_EQ(format(lines(";,"), "x;y,z,w"), "x\r\ny\r\nz,w");
    EXPECT_EQ(format(columns(";,", 1), ",x;y"), ",x y") << "characters only count in order";
}

TEST(FormatText, MissingSequenceCharacterEndsTheLine) {
    EXPECT_EQ(format(lines(";,|"), "a;b|c"), "a\r\nb|c");
    EXPECT_EQ(format(columns(";,", 1), "abc"), "abc");
}

TEST(FormatText, SpaceDelimiter) {
    EXPECT_EQ(format(lines(" "), "a b  c"), "a\r\nb\r\n\r\nc");
    EXPECT_EQ(format(columns(" ", 1), "a b  c"), "a b  c");
    EXPECT_EQ(format(lines("  "), "a b  c"), "a b\r\nc") << "two spaces split only at two";
}

TEST(FormatText, LineStartsWithDelimiter) {
    auto p = lines(";");
    p.formatLineStart = "Yes";
    EXPECT_EQ(format(p, ";a;b"), "a\r\nb");
    EXPECT_EQ(format(p, "xa;b"), "a\r\nb");
    EXPECT_EQ(format(p, ";"), "");
    p.formatLineStart = "yes";
    EXPECT_EQ(format(p, ";a"), "\r\na");
}

TEST(FormatText, FixedTextAddedToEverySection) {
    const auto p = adding(lines(";"), "Start of line", "ID-");
    EXPECT_EQ(format(p, "1;2"), "ID-1\r\nID-2");
    EXPECT_EQ(format(p, "1;;2"), "ID-1\r\n\r\nID-2") << "an empty section gets nothing";
    EXPECT_EQ(format(adding(columns(";", 1), "End of column", "!"), "a;b"), "a! b!");
    EXPECT_EQ(format(adding(columns(";", 1), "Start of column", "<"), "a;b"), "<a <b");
    EXPECT_EQ(format(adding(lines(";"), "End of line", "."), "a;b"), "a.\r\nb.");
}

TEST(FormatText, TextTakenFromTheLineAndNotForTheFirstSection) {
    auto p = adding(lines(";"), "Start of line", "");
    p.formatAddFromCol = 1;
    p.formatNumOfChars = 3;
    p.formatFirstSection = "No";
    EXPECT_EQ(format(p, "K01;x;y"), "K01\r\nK01x\r\nK01y");
    p.formatFirstSection = "Yes";
    EXPECT_EQ(format(p, "K01;x"), "K01K01\r\nK01x");
}

TEST(FormatText, TextFromBeyondTheLineAddsNothing) {
    auto p = adding(lines(";"), "Start of line", "");
    p.formatAddFromCol = 50;
    EXPECT_EQ(format(p, "a;b"), "a\r\nb");
}

TEST(FormatText, SpacesAroundTheAddedText) {
    auto p = adding(lines(";"), "End of line", "-");
    p.formatOptions = "Add spaces";
    p.formatSpaces = 1;
    EXPECT_EQ(format(p, "a"), "a - ");
    p.formatPlaceSpaces = "Left side";
    EXPECT_EQ(format(p, "a"), "a -");
    p.formatPlaceSpaces = "Right side";
    EXPECT_EQ(format(p, "a"), "a- ");
    p.formatPlaceSpaces = "Nowhere";
    EXPECT_EQ(format(p, "a"), "a-") << "an unknown place adds no spaces";
}

TEST(FormatText, AnyOtherAddTextValueAddsNothing) {
    EXPECT_EQ(format(adding(lines(";"), "Middle", "X"), "a;b"), "a\r\nb");
    EXPECT_EQ(format(adding(lines(";"), "Omit text", "X"), "a;b"), "a\r\nb");
}

TEST(FormatText, LineWithoutDelimiterIsSectionOne) {
    EXPECT_EQ(format(adding(lines(";"), "Start of line", "#"), "abc"), "#abc");
    auto p = adding(lines(";"), "Start of line", "#");
    p.formatFirstSection = "No";
    EXPECT_EQ(format(p, "abc"), "abc");
}

TEST(FormatText, BlankLinesStayBlank) {
    const auto operation = formatOperation(adding(lines(";"), "Start of line", "#"));
    EXPECT_EQ(testing::textResult(operation, "a;b\r\n\r\nc"), "#a\r\n#b\r\n\r\n#c");
}

TEST(FormatText, UnknownCreateValueOrNoDelimiterLeavesTheLine) {
    auto p = columns(";", 1);
    p.formatCreate = "New row";
    EXPECT_EQ(format(p, "a;b"), "a;b");
    EXPECT_EQ(format(lines(""), "a;b"), "a;b");
    std::string out;
    formatLine("a;b", lines(""), out);
    EXPECT_EQ(out, "a;b");
}

TEST(FormatText, AddFromColumnZeroIsAnInvalidArgument) {
    auto p = adding(lines(";"), "Start of line", "");
    p.formatAddFromCol = 0;
    expectInvalidArgument([&] { format(p, "a;b"); });
    p.formatFirstSection = "No";
    EXPECT_EQ(format(p, "a"), "a") << "no section gets text, so nothing fails";
    expectInvalidArgument([&] { format(p, "a;b"); });
}

TEST(FormatText, ParametersFromPanelValues) {
    ParameterValues values = defaultParameterValues();
    values["formatDelimiter"] = "|";
    values["formatCreate"] = "New column";
    values["formatSpacesBetweenCols"] = "3";
    const FormatParameters p = formatParameters(values);
    EXPECT_EQ(p.formatLineStart, "No");
    EXPECT_EQ(p.formatAddText, "Omit text");
    EXPECT_EQ(p.formatFirstSection, "Yes");
    EXPECT_EQ(testing::routineResult(newColumn, "a|b", p), "a   b");
    EXPECT_EQ(testing::routineResult(newLine, "a|b", p), "a\r\nb");
}

} // namespace
} // namespace fieldizer

namespace fieldizer {
namespace {

// A single delimiter with nothing added takes a block-by-block path; it must
// agree with replacing each delimiter one by one at every line length and
// delimiter position, also when lines sit at the end of their buffer and
// with the NUL byte as delimiter.
TEST(FormatText, EveryDelimiterReplacedAtAllLengthsAndPositions) {
    unsigned seed = 12345;
    auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (const char delimiter : {';', '\0'}) {
        for (std::size_t length = 1; length <= 70; ++length) {
            for (int sample = 0; sample < 20; ++sample) {
                std::string line;
                for (std::size_t i = 0; i < length; ++i)
                    line += next() % 5 == 0 ? delimiter : static_cast<char>('a' + next() % 26);
                const std::string delimiterText(1, delimiter);
                for (int spaces : {0, 1, 3}) {
                    std::string expected;
                    for (char c : line)
                        expected += c == delimiter ? std::string(std::size_t(spaces), ' ')
                                                   : std::string(1, c);
                    EXPECT_EQ(format(columns(delimiterText, spaces), line), expected);
                }
                std::string expected;
                for (char c : line)
                    expected += c == delimiter ? std::string("\r\n") : std::string(1, c);
                // The line copied to a buffer of its own size, so that no byte
                // beyond it can be read without the sanitizer noticing.
                const auto exact = std::make_unique<char[]>(line.size());
                std::copy(line.begin(), line.end(), exact.get());
                EXPECT_EQ(format(lines(delimiterText), std::string_view(exact.get(), line.size())),
                          expected);
            }
        }
    }
}

} // namespace
} // namespace fieldizer
