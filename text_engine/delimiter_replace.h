#pragma once
// The hot loop of Format Text's common case: one delimiter character, nothing
// added, every delimiter replaced by a separator (CR LF for new lines, spaces
// for new columns). Kept apart because it is written for speed, with SIMD
// where the processor has it and a plain loop everywhere else.

#include <string>
#include <string_view>

namespace fieldizer {

// Appends `line` to `out` with every `delimiter` replaced by `separator`.
void replaceEachDelimiter(std::string_view line, char delimiter, std::string_view separator,
                          std::string& out);

} // namespace fieldizer
