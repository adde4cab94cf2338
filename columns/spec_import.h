#pragma once
// Column specifications read from the layouts other tools keep. Each
// imported column gets one space after it and a field as wide as it is.
// A layout that cannot be used throws RuntimeError 3274 whose description
// names the line of the file and what is wrong with it.

#include "columns/column_spec.h"

#include <optional>
#include <string_view>

namespace fieldizer {

enum class SpecFormat { Csvkit, FieldWidths, ColumnLines, CreateTable };

// "csvkit", "fieldwidths", "columns", "create-table"; nothing for any other.
std::optional<SpecFormat> specFormatNamed(std::string_view name);

// The layout a file holds, by its name's ending, then its text: ".csv" is
// a csvkit schema, ".columns" or a text beginning with "--column" is
// `--column` lines, anything else a FIELDWIDTHS value.
SpecFormat specFormatOfFile(std::string_view fileName, std::string_view text);

// A csvkit schema CSV: a header row naming (at least) column, start and
// length in any order, other columns ignored, then one row a column, kept in
// file order. Starts count from 0 unless the first row's start is 1, as
// csvkit decides. Refused: no such header, a start or length that is no
// whole number, a negative start, a length below 1, two columns that share
// a position, no rows.
ColumnSpecs importCsvkitSchema(std::string_view text);

// An awk FIELDWIDTHS value, "2 4 1:3" (a width, or skip:width), with or
// without `FIELDWIDTHS =` and quotes around it; columns are "Column1", ...
// A "*" (the rest of the line) has no width to give and is refused.
ColumnSpecs importFieldWidths(std::string_view text);

// The lines `settings show` and `columns guess` print: `--column=SPEC`,
// `--column SPEC` or SPEC alone, one a line; blank lines are skipped.
ColumnSpecs importColumnLines(std::string_view text);

// The layout in `text` read as `format` (not CreateTable, which is only
// written).
ColumnSpecs importSpecs(std::string_view text, SpecFormat format);

} // namespace fieldizer
