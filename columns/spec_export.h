#pragma once
// Column specifications written in the layouts other tools read, and as the
// CREATE TABLE statement Save to Database runs. Texts end with a line break
// (LF). A specification a format cannot express throws RuntimeError 5 naming
// its row (1-based, in table order) and the reason.

#include "columns/column_spec.h"
#include "columns/spec_import.h"

#include <string>

namespace fieldizer {

// column,start,length with 0-based starts, csvkit's own form; headings
// quoted as CSV needs. A first column at position 2 cannot be written: its
// start 1 would make csvkit count every start from 1.
std::string exportCsvkitSchema(const ColumnSpecs& specs);

// One FIELDWIDTHS line: the columns must stand left to right without
// sharing a position; the blanks before a column become its skip ("3:5").
std::string exportFieldWidths(const ColumnSpecs& specs);

// `--column=SPEC` lines, one a column, as `settings show` prints them.
std::string exportColumnLines(const ColumnSpecs& specs);

// The layout in `format`; CreateTable needs `tableName`.
std::string exportSpecs(const ColumnSpecs& specs, SpecFormat format,
                        const std::string& tableName = {});

} // namespace fieldizer
