#pragma once
// Column specifications compared field by field, and written out one a line
// (as `settings show` prints them) for a failing check to show.

#include "columns/column_spec.h"

#include <algorithm>
#include <string>
#include <tuple>

namespace fieldizer::testing {

inline bool sameSpecs(const ColumnSpecs& a, const ColumnSpecs& b) {
    const auto tie = [](const ColumnSpec& s) {
        return std::tie(s.columnHeading, s.getDataFromColumn, s.numberOfCharacters,
                        s.spacesB4NextColumn, s.fieldWidth);
    };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](const ColumnSpec& x, const ColumnSpec& y) { return tie(x) == tie(y); });
}

inline std::string describeSpecs(const ColumnSpecs& specs) {
    std::string text;
    for (const ColumnSpec& spec : specs)
        text += formatColumnOption(spec) + "\n";
    return text;
}

} // namespace fieldizer::testing
