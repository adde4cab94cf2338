#pragma once
// A column specification: one row of the working table fieldize_settings
// (or of a saved fieldize_<name> copy). Numbers may be missing (Null) in the
// table; a missing or negative number stops any pass that uses the row.

#include <optional>
#include <string>
#include <vector>

namespace fieldizer {

struct ColumnSpec {
    std::string columnHeading;
    std::optional<long> getDataFromColumn;
    std::optional<long> numberOfCharacters;
    std::optional<long> spacesB4NextColumn;
    std::optional<long> fieldWidth;
};

using ColumnSpecs = std::vector<ColumnSpec>;

// Throws RuntimeError when a row cannot be used to lay out lines: a number
// missing (94, "Invalid use of Null"), negative, or a start below 1
// (5, "Invalid procedure call or argument").
void checkLayoutSpec(const ColumnSpec& spec);

// Reads "HEADING:START:CHARS:SPACES:WIDTH"; the heading is everything before
// the last four colons. Returns nullopt when the text has not that form.
std::optional<ColumnSpec> parseColumnOption(const std::string& text);

// The form parseColumnOption reads back; a missing number is left empty.
std::string formatColumnOption(const ColumnSpec& spec);

} // namespace fieldizer
