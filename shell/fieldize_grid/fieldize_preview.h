#pragma once
// The preview under the column specifications grid: the start of the text laid out
// as the Fieldize pass would lay it out, so the user sees the columns before
// pressing "&Process". It reads only the lines it shows, whatever the size
// of the text.

#include "columns/column_spec.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer {

inline constexpr std::size_t previewLineCount = 20;

struct FieldizePreview {
    // The heading line, then the first lines laid out, without line breaks;
    // empty when no spec can be used.
    std::vector<std::string> lines;
    // Grid rows (0-based) left out because the pass could not use them yet
    // (a number missing or negative, a start below 1).
    std::vector<std::size_t> unusableRows;
};

FieldizePreview fieldizePreview(std::string_view text, const ColumnSpecs& specs, int startLineAt,
                                std::size_t lineCount = previewLineCount);

} // namespace fieldizer
