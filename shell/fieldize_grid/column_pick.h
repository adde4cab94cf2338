#pragma once
// Columns pointed at in the text: a block the user selected becomes a
// column specification, and the lines a selection covers are those Guess
// Columns reads. Pure functions on the program's Windows-1252 bytes, where
// a line ends at CR LF or a lone CR and positions count characters as the
// Fieldize pass does (a tab is one position).

#include "columns/column_spec.h"
#include "text_engine/user_dialogs.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer {

// One end of a selection: a byte position in the text, and how many
// positions past its line's end it stands (a rectangular block may reach
// beyond a short line).
struct SelectionEnd {
    std::size_t position = 0;
    std::size_t virtualSpace = 0;
};

// A selection as the text box holds it: an ordinary run of characters, or a
// rectangular block (Alt+drag) whose corners are the anchor and the caret.
struct TextSelection {
    enum class Shape { Stream, Rectangle };
    Shape shape = Shape::Stream;
    SelectionEnd anchor;
    SelectionEnd caret;
};

inline constexpr MessageId columnPickRefusedId{"fieldizeGrid.columnPickRefused"};

// A picked column, or the message that refuses the selection.
struct ColumnPick {
    std::optional<ColumnSpec> spec;
    std::string refusal;
};

// The column a selection marks: it starts at the selection's first position
// (get_data_from_column, from 1) and is as wide as the selection
// (number_of_characters and field_width), with one space after it. A block
// keeps its whole width where it reaches past the end of a line, since
// longer lines fill it. The heading is the first line's selected
// characters without the blanks around them when they make a field name no
// row of `existing` holds (in any letter case), else "Column" and the new
// row's number, or the next number no row holds as a heading.
// Refused: nothing selected, a selection across lines that is no block,
// a block past the end of every line it covers.
ColumnPick pickColumn(std::string_view text, const TextSelection& selection,
                      const ColumnSpecs& existing);

// The lines Guess Columns reads, and the heading line it takes names from.
struct GuessSource {
    std::vector<std::string_view> lines;
    std::optional<std::string_view> headingLine;
};

// With a selection, the lines it touches (a selection that ends at the
// start of a line leaves that line out); with none, the first 200 lines
// that hold more than blanks. When `firstLineHoldsHeadings`, the first of
// those lines gives the headings and is not guessed from.
GuessSource guessSourceOf(std::string_view text, const TextSelection& selection,
                          bool firstLineHoldsHeadings);

} // namespace fieldizer
