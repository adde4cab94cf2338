#pragma once
// Texts from this platform end their lines with LF alone, which the
// operations read as one long line. The Manipulator offers to convert them.

#include <string>
#include <string_view>

namespace fieldizer {

inline constexpr const char* loneLfNotice =
    "The lines of this text end with LF only; the operations will see it as one line.";
inline constexpr const char* convertToCrLfCaption = "Convert to CR LF";

// True when some LF is not preceded by CR.
bool hasLoneLf(std::string_view text);

// Every LF not preceded by CR becomes CR LF; everything else stays.
std::string convertLoneLfToCrLf(std::string_view text);

} // namespace fieldizer
