#pragma once
// How Save to Database cuts one line into field values.

#include "columns/column_spec.h"

#include <string_view>
#include <vector>

namespace fieldizer {

// The values of a line split at `delimiter` (compared case-sensitively), at
// most `fieldCount` of them. Two delimiters in a row give an empty value; a
// one-character delimiter ending the line adds no empty last value, a longer
// one does; spaces stay. Fields beyond the values stay unset.
void valuesByDelimiter(std::string_view line, std::string_view delimiter, std::size_t fieldCount,
                       std::vector<std::string_view>& values);
std::vector<std::string_view> valuesByDelimiter(std::string_view line, std::string_view delimiter,
                                                std::size_t fieldCount);

// The values of a line cut by the column specifications: field i takes the
// piece of spec i (from its start column, its number of characters long,
// shorter or empty where the line ends), for as many fields as both the
// table and the specifications have. An empty line gives no values. Throws
// RuntimeError for a spec without a start or length, or with a start below 1.
void valuesByColumnSpecs(std::string_view line, const ColumnSpecs& specs, std::size_t fieldCount,
                         std::vector<std::string_view>& values);
std::vector<std::string_view> valuesByColumnSpecs(std::string_view line, const ColumnSpecs& specs,
                                                  std::size_t fieldCount);

// The forms above that fill `values` (emptied first) write a line after
// line into one vector, with no allocation once it has grown.

} // namespace fieldizer
