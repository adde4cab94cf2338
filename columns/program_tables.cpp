#include "columns/program_tables.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace fieldizer {
namespace {

constexpr std::array<std::string_view, 3> reservedPrefixes{"fieldize_", "MSys", "sqlite_"};
constexpr std::string_view hiddenPrefix = "MSys";

bool beginsIgnoringCase(std::string_view name, std::string_view prefix) {
    return name.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), name.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

} // namespace

bool isProgramTable(std::string_view name) {
    return std::any_of(
        reservedPrefixes.begin(), reservedPrefixes.end(),
        [name](std::string_view prefix) { return beginsIgnoringCase(name, prefix); });
}

bool isListedTable(std::string_view name) {
    // SQLite sees "msysData" and "MSysData" as one table, so a save refuses
    // both; the lists have always offered the first and still do.
    const bool hiddenInOtherCase =
        beginsIgnoringCase(name, hiddenPrefix) && !name.starts_with(hiddenPrefix);
    return !isProgramTable(name) || hiddenInOtherCase;
}

} // namespace fieldizer
