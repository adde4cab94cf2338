#pragma once
// Access's Format function, for the formats queries commonly use: named
// formats ("Short Date", "Fixed", "Yes/No" ...), date and time patterns
// (yyyy mm dd hh nn ss AM/PM ...) and number patterns (0 # . , %).

#include <optional>
#include <string>
#include <string_view>

namespace fieldizer::db::access_format {

// A number or a stored date ("YYYY-MM-DD HH:MM:SS") formatted by `pattern`;
// nothing when the pattern does not apply to the value.
std::optional<std::string> formatNumber(double value, std::string_view pattern);
std::optional<std::string> formatDate(std::string_view storedDate, std::string_view pattern);

} // namespace fieldizer::db::access_format
