#include "columns/fieldize.h"
#include "runtime_error_checks.h"
#include "text_engine/text_lines.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

ColumnSpec spec(std::string heading, long start, long chars, long spaces, long width = 10) {
    return ColumnSpec{std::move(heading), start, chars, spaces, width};
}

std::string laidOut(const ColumnSpecs& specs, std::string_view line, int startAt = 1) {
    std::string out;
    layOutLine(specs, line, startAt, out);
    return out;
}

std::string fieldize(const ColumnSpecs& specs, std::string_view text, int startAt = 1) {
    PassObserver quiet;
    const auto operation =
        fieldizeOperation([&]() -> const ColumnSpecs& { return specs; }, startAt);
    return runPassInMemory(text, operation, quiet).text;
}

TEST(LayOutLine, PiecesFollowedByTheirSpaces) {
    const ColumnSpecs specs{spec("A", 1, 5, 2), spec("B", 10, 3, 0)};
    EXPECT_EQ(laidOut(specs, "ABCDEFGHIJKLM"), "ABCDE  JKL");
    EXPECT_EQ(laidOut(specs, "ABCDEFGHIJKLM", 4), "   ABCDE  JKL");
}

TEST(LayOutLine, ShortLinesGiveShortOrEmptyPiecesWithoutPadding) {
    const ColumnSpecs specs{spec("A", 1, 3, 1), spec("B", 20, 3, 1), spec("C", 4, 2, 0)};
    EXPECT_EQ(laidOut(specs, "abcdef"), "abc  de") << "the third column moves left";
    EXPECT_EQ(laidOut(specs, "ab"), "ab  ");
}

TEST(LayOutLine, TrailingSpacesOfTheLastColumnStay) {
    EXPECT_EQ(laidOut({spec("A", 2, 2, 3)}, "xyz"), "yz   ");
}

TEST(HeadingLine, HeadingsPaddedToTheirColumnsAndTrimmed) {
    EXPECT_EQ(headingLine({spec("NAME", 1, 5, 2), spec("X", 1, 1, 0)}, 1), "NAME   X\r\n");
    EXPECT_EQ(headingLine({spec("ELEVENCHARS", 1, 4, 1), spec("Y", 1, 1, 0)}, 1),
              "ELEVENCHARS     Y\r\n");
    EXPECT_EQ(headingLine({spec("  lead", 1, 8, 4)}, 3), "  lead\r\n")
        << "trimmed, then the start-column prefix";
}

TEST(FieldizePass, HeadingFirstBlankLinesStayBlankNoFinalBreak) {
    const ColumnSpecs specs{spec("ID", 1, 2, 1), spec("NAME", 4, 4, 0)};
    EXPECT_EQ(fieldize(specs, "01 John\r\n\r\n02 Mary\r\n", 2),
              " ID NAME\r\n 01 John\r\n\r\n 02 Mary");
}

TEST(FieldizePass, SpecsAreReadAfreshForEveryLine) {
    ColumnSpecs specs{spec("H", 1, 1, 0)};
    int calls = 0;
    PassObserver quiet;
    const auto operation = fieldizeOperation(
        [&]() -> const ColumnSpecs& {
            if (++calls == 2)
                specs[0].numberOfCharacters = 2;
            return specs;
        },
        1);
    EXPECT_EQ(runPassInMemory("abc\r\nabc\r\nabc", operation, quiet).text, "H\r\na\r\nab\r\nab");
}

TEST(FieldizePass, UnusableSpecIsARuntimeError) {
    ColumnSpec missing = spec("A", 1, 1, 0);
    missing.spacesB4NextColumn.reset();
    EXPECT_RUNTIME_ERROR(fieldize({missing}, "x"), 94, "Invalid use of Null");
    EXPECT_RUNTIME_ERROR_NUMBER(fieldize({spec("A", 0, 1, 0)}, "x"), errors::invalidCall);
    EXPECT_RUNTIME_ERROR_NUMBER(fieldize({spec("A", 1, -1, 0)}, "x"), errors::invalidCall);
}

TEST(ColumnOption, HeadingIsEverythingBeforeTheLastFourColons) {
    auto parsed = parseColumnOption("Time: local:3:4:1:10");
    ASSERT_TRUE(parsed);
    EXPECT_EQ(parsed->columnHeading, "Time: local");
    EXPECT_EQ(parsed->getDataFromColumn, 3);
    EXPECT_EQ(parsed->fieldWidth, 10);
    EXPECT_FALSE(parseColumnOption("A:1:2:3"));
    EXPECT_FALSE(parseColumnOption("A:1:x:3:4"));
    EXPECT_TRUE(parseColumnOption(":1:2:3:4"));
}

} // namespace
} // namespace fieldizer
