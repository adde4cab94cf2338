#pragma once
// The Fieldize pass: every line laid out in fixed-width columns by the
// column specifications, under a heading line.

#include "columns/column_spec.h"
#include "text_engine/processing_pass.h"
#include "text_engine/user_dialogs.h"

#include <functional>
#include <string>
#include <string_view>

namespace fieldizer {

// Appends the laid-out line: for each spec, the piece of `line` from its
// start column, `numberOfCharacters` long (shorter where the line ends, not
// padded), then its spaces; (startLineAt - 1) spaces in front when
// startLineAt > 1. Trailing spaces stay. Specs must pass checkLayoutSpec.
void layOutLine(const ColumnSpecs& specs, std::string_view line, int startLineAt, std::string& out);

// The heading line with its CR LF: each heading padded to its column's
// width plus spaces, the whole trimmed, then the start-column prefix.
std::string headingLine(const ColumnSpecs& specs, int startLineAt);

// Where the pass gets the specifications. They are asked for before every
// line, so a change made in the grid during a pass counts from the next line
// on; a window's source re-reads its table only when the grid has changed.
using ColumnSpecSource = std::function<const ColumnSpecs&()>;

inline constexpr MessageId noColumnSpecsId{"fieldize.noColumnSpecs"};
inline constexpr const char* noColumnSpecsMessage =
    "Please enter column specifications on the Fieldize Text tab, or select saved Settings.";

// Where the pass gets "New lines start at column:". A window's source reads
// its box, so that a change during a pass counts from the next line on.
using StartColumnSource = std::function<int()>;

// The Fieldize line operation for the processing pass: the heading line
// before the first line, then each line laid out; an empty line stays empty.
// Throws RuntimeError for an unusable spec.
LineOperation fieldizeOperation(ColumnSpecSource specs, StartColumnSource startLineAt);
LineOperation fieldizeOperation(ColumnSpecSource specs, int startLineAt);

} // namespace fieldizer
