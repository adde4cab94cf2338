// Columns pointed at in the text: the row a selected block becomes, the
// selections refused, and the lines Guess Columns reads from a selection.
#include "shell/fieldize_grid/column_pick.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

// Where `column` (0-based) of line `line` stands: a byte position, with the
// positions past the line's end (lines end at CR LF or a lone CR).
SelectionEnd at(std::string_view text, std::size_t line, std::size_t column) {
    std::size_t start = 0;
    for (std::size_t skipped = 0; skipped < line; ++skipped) {
        start = text.find('\r', start) + 1;
        if (start < text.size() && text[start] == '\n')
            ++start;
    }
    const std::size_t end = std::min(text.find('\r', start), text.size());
    const std::size_t length = end - start;
    return {start + std::min(column, length), column > length ? column - length : 0};
}

TextSelection block(SelectionEnd anchor, SelectionEnd caret) {
    return {TextSelection::Shape::Rectangle, anchor, caret};
}
TextSelection stream(SelectionEnd anchor, SelectionEnd caret) {
    return {TextSelection::Shape::Stream, anchor, caret};
}

void expectColumn(const ColumnPick& pick, const std::string& heading, long start, long width) {
    ASSERT_TRUE(pick.spec) << pick.refusal;
    EXPECT_EQ(pick.spec->columnHeading, heading);
    EXPECT_EQ(pick.spec->getDataFromColumn, start);
    EXPECT_EQ(pick.spec->numberOfCharacters, width);
    EXPECT_EQ(pick.spec->spacesB4NextColumn, 1);
    EXPECT_EQ(pick.spec->fieldWidth, width);
}

// A report whose lines end at different lengths, the last one without a
// line end.
constexpr std::string_view ragged = "NAME   AGE  TOWN\r\n"
                                    "Al     31   Bern\r\n"
                                    "Bob\r\n"
                                    "Carla  7";

TEST(ColumnPick, aBlockOverRaggedLinesKeepsItsWidthAndTakesItsHeading) {
    // From the top left corner down to the bottom right, which stands past
    // the end of the last line.
    expectColumn(pickColumn(ragged, block(at(ragged, 0, 7), at(ragged, 3, 10)), {}), "AGE", 8, 3);
    // The same block dragged from its bottom left corner to its top right.
    expectColumn(pickColumn(ragged, block(at(ragged, 3, 7), at(ragged, 0, 10)), {}), "AGE", 8, 3);
    // A block that starts past the end of its first line still picks the
    // column of the lines below; the heading falls back to its number.
    const std::string_view shortTop = "ID\r\n1  alpha\r\n2  beta";
    expectColumn(pickColumn(shortTop, block(at(shortTop, 0, 3), at(shortTop, 2, 8)), {}), "Column1",
                 4, 5);
}

TEST(ColumnPick, aSelectionWithinOneLineCountsPositionsAsTheFieldizePassDoes) {
    expectColumn(pickColumn(ragged, stream(at(ragged, 0, 12), at(ragged, 0, 16)), {}), "TOWN", 13,
                 4);
    // Dragged from right to left.
    expectColumn(pickColumn(ragged, stream(at(ragged, 1, 16), at(ragged, 1, 12)), {}), "Bern", 13,
                 4);
    // A tab is one position; a lone LF belongs to the line.
    const std::string_view tabs = "a\tb\tcode";
    expectColumn(pickColumn(tabs, stream(at(tabs, 0, 4), at(tabs, 0, 8)), {}), "code", 5, 4);
    const std::string_view lf = "ab\ncd\r\nxy";
    expectColumn(pickColumn(lf, stream({3, 0}, {5, 0}), {}), "cd", 4, 2);
    // Blanks around the heading go; blanks inside a name stay. Windows-1252
    // letters count one position each.
    const std::string_view spaced = "   Max Temp   Gr\xF6\xDF"
                                    "e";
    expectColumn(pickColumn(spaced, stream(at(spaced, 0, 1), at(spaced, 0, 13)), {}), "Max Temp", 2,
                 12);
    expectColumn(pickColumn(spaced, stream(at(spaced, 0, 13), at(spaced, 0, 19)), {}),
                 "Gr\xF6\xDF"
                 "e",
                 14, 6);
}

TEST(ColumnPick, aHeadingThatIsNoFieldNameOrIsTakenGivesTheRowsNumber) {
    const std::string_view text = "a.b  x[1]  AGE\r\n12   3     44";
    const ColumnSpecs twoRows = {{"Day", 1, 2, 1, 2}, {"Max", 4, 2, 1, 2}};
    // A point, brackets, blanks alone: no field name.
    expectColumn(pickColumn(text, stream(at(text, 0, 0), at(text, 0, 3)), {}), "Column1", 1, 3);
    expectColumn(pickColumn(text, stream(at(text, 0, 5), at(text, 0, 9)), twoRows), "Column3", 6,
                 4);
    expectColumn(pickColumn(text, block(at(text, 0, 3), at(text, 1, 5)), {}), "Column1", 4, 2);
    // A heading a row holds already, in any letter case, and a numbered
    // name that is taken: the next number free.
    const ColumnSpecs taken = {{"age", 1, 2, 1, 2}, {"COLUMN3", 4, 2, 1, 2}};
    expectColumn(pickColumn(text, stream(at(text, 0, 11), at(text, 0, 14)), taken), "Column4", 12,
                 3);
}

TEST(ColumnPick, selectionsThatMarkNoColumnAreRefusedWithTheirReason) {
    const auto refusal = [](const ColumnPick& pick) {
        EXPECT_FALSE(pick.spec);
        return pick.refusal;
    };
    // Across lines, as an ordinary selection.
    EXPECT_NE(refusal(pickColumn(ragged, stream(at(ragged, 0, 7), at(ragged, 1, 9)), {}))
                  .find("runs across lines"),
              std::string::npos);
    // Nothing selected: a caret alone, a block of no width.
    for (const TextSelection& empty :
         {stream(at(ragged, 1, 3), at(ragged, 1, 3)), block(at(ragged, 0, 4), at(ragged, 3, 4)),
          stream(at(ragged, 2, 3), at(ragged, 2, 3))})
        EXPECT_NE(refusal(pickColumn(ragged, empty, {})).find("Nothing is selected"),
                  std::string::npos);
    EXPECT_NE(refusal(pickColumn("", stream({}, {}), {})).find("Nothing is selected"),
              std::string::npos);
    // A block wholly past the end of every line it covers.
    EXPECT_EQ(refusal(pickColumn(ragged, block(at(ragged, 2, 20), at(ragged, 3, 24)), {})),
              "The selection (columns 21 to 24) lies past the end of every line it covers. "
              "Select characters of the text.");
}

TEST(GuessSource, aSelectionGivesTheLinesItTouches) {
    const std::string_view text = "H1  H2\r\na   b\r\ncc  dd\r\neee fff";
    // An ordinary selection from inside line 2 to inside line 3.
    GuessSource source = guessSourceOf(text, stream(at(text, 1, 2), at(text, 2, 1)), false);
    EXPECT_EQ(source.lines, (std::vector<std::string_view>{"a   b", "cc  dd"}));
    EXPECT_FALSE(source.headingLine);
    // Whole lines dragged over end where the next line starts: it is left out.
    source = guessSourceOf(text, stream(at(text, 0, 0), at(text, 2, 0)), true);
    EXPECT_EQ(source.headingLine, "H1  H2");
    EXPECT_EQ(source.lines, (std::vector<std::string_view>{"a   b"}));
    // A block takes its lines whole.
    source = guessSourceOf(text, block(at(text, 3, 4), at(text, 1, 0)), false);
    EXPECT_EQ(source.lines, (std::vector<std::string_view>{"a   b", "cc  dd", "eee fff"}));
}

TEST(GuessSource, withoutASelectionTheFirst200FilledLinesAreRead) {
    std::string text = "  \r\nHEAD\r\n";
    for (int line = 1; line <= 250; ++line)
        text += "row " + std::to_string(line) + (line % 10 == 0 ? "\r\n\t\r\n" : "\r\n");
    const TextSelection caret = stream(at(text, 5, 1), at(text, 5, 1));
    GuessSource source = guessSourceOf(text, caret, false);
    ASSERT_EQ(source.lines.size(), 200U);
    EXPECT_EQ(source.lines.front(), "HEAD");
    EXPECT_EQ(source.lines.back(), "row 199");
    source = guessSourceOf(text, caret, true);
    EXPECT_EQ(source.headingLine, "HEAD");
    ASSERT_EQ(source.lines.size(), 200U);
    EXPECT_EQ(source.lines.front(), "row 1");
    EXPECT_EQ(source.lines.back(), "row 200");
}

} // namespace
} // namespace fieldizer
