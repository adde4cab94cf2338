#pragma once
// Guess Columns: column specifications proposed from lines of fixed-width
// text, as fixed-width readers infer them: columns are divided where a
// position is blank in every line, or in almost every line: one line in
// fifty may hold a character there (a total wider than the values below
// it), and the column its word runs out of widens over it. A
// blank is a space, a tab (one position: positions count characters, as
// the Fieldize pass does), a form feed or a vertical tab; a line shorter
// than a position is blank there. Columns that touch, with no blank between
// them in any line, stay one column.
// Pure functions on the program's Windows-1252 bytes.

#include "columns/column_spec.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace fieldizer {

// The columns of `lines`, left to right: each starts at the first position
// where some line has a character, takes every position up to its last one
// (number_of_characters, and field_width, so that no value is too long for
// its field) and is followed by one space. Headings come from
// `headingLine` when given (the words above a column, made a valid field
// name, each name once), else "Column1", "Column2", ...; a column no word
// stands above is "Column" and its number too. Empty and blank lines take no
// part; no lines with characters give no columns.
ColumnSpecs guessColumns(std::span<const std::string_view> lines,
                         std::optional<std::string_view> headingLine = std::nullopt);

// The lines Guess Columns looks at when the user selected none: the first
// `count` lines that hold more than blanks.
std::vector<std::string_view> firstFilledLines(std::span<const std::string_view> lines,
                                               std::size_t count = 200);

} // namespace fieldizer
