#include "columns/laid_out_text.h"

#include "columns/fieldize.h"
#include "text_engine/runtime_error.h"
#include "text_engine/text_lines.h"

namespace fieldizer {
namespace {

// The heading line without its prefix and line break; empty when there is
// none to recognise.
std::string bareHeading(const ColumnSpecs& specs) {
    try {
        std::string heading = headingLine(specs, 1);
        heading.resize(heading.size() - crlf.size());
        return heading;
    } catch (const RuntimeError&) {
        return {}; // the save reports an unusable specification itself
    }
}

} // namespace

ColumnSpecs laidOutPositions(ColumnSpecs specs, std::size_t prefix) {
    long start = static_cast<long>(prefix) + 1;
    for (ColumnSpec& spec : specs) {
        spec.getDataFromColumn = start;
        start += *spec.numberOfCharacters + *spec.spacesB4NextColumn;
    }
    return specs;
}

std::optional<LaidOutText> asLaidOut(std::string_view text, const ColumnSpecs& specs) {
    const std::string heading = bareHeading(specs);
    if (heading.empty() || text.empty())
        return std::nullopt;
    LineCursor cursor(text);
    const std::string_view first = cursor.next();
    const std::size_t prefix = first.find_first_not_of(' ');
    if (prefix == std::string_view::npos || first.substr(prefix) != heading)
        return std::nullopt;
    return LaidOutText{text.substr(cursor.position()), laidOutPositions(specs, prefix)};
}

} // namespace fieldizer
