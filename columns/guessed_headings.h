#pragma once
// The headings Guess Columns gives its columns: the words of a heading line
// standing above each column, made names a table's fields can take.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace fieldizer {

// A column's span of 0-based character positions, first and last included.
using ColumnSpan = std::pair<std::size_t, std::size_t>;

// One heading per span. Each word of `headingLine` goes to the span it
// overlaps most (the nearest one when it overlaps none; the right one of two
// as near, since headings of right-aligned numbers stand further left). A
// span's words are joined by one space; characters a field name cannot hold
// are left out and the name is cut to 64 characters. A span without words,
// or whose name is taken already (in any letter case), is "Column" and its
// 1-based number.
std::vector<std::string> headingsFromLine(std::string_view headingLine,
                                          const std::vector<ColumnSpan>& spans);

// "Column1", "Column2", ... for `count` columns.
std::vector<std::string> numberedHeadings(std::size_t count);

} // namespace fieldizer
