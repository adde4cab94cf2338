#pragma once
// A text that Fieldize has laid out: it begins with the heading line of the
// column specifications, and each column now sits where Fieldize put it,
// not where the specifications take it from.

#include "columns/column_spec.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace fieldizer {

struct LaidOutText {
    std::string_view lines; // the text after the heading line
    ColumnSpecs specs;      // the specifications, each starting where Fieldize put its column
};

// When the first line of `text` is the heading line `specs` make (with any
// start-column prefix), the lines after it and the specifications at their
// laid-out positions; otherwise nothing. Specifications that cannot lay out
// a line, or whose heading line is empty, never match.
std::optional<LaidOutText> asLaidOut(std::string_view text, const ColumnSpecs& specs);

// The specifications, each starting where Fieldize puts its column in a
// line that begins with `prefix` spaces and whose pieces are all whole: after
// the prefix and the columns and spaces before it. Specs must pass
// checkLayoutSpec.
ColumnSpecs laidOutPositions(ColumnSpecs specs, std::size_t prefix);

} // namespace fieldizer
