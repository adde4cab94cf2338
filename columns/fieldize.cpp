#include "columns/fieldize.h"

#include "text_engine/text_lines.h"

#include <memory>

namespace fieldizer {

void layOutLine(const ColumnSpecs& specs, std::string_view line, int startLineAt,
                std::string& out) {
    if (startLineAt > 1)
        out.append(static_cast<std::size_t>(startLineAt - 1), ' ');
    for (const ColumnSpec& spec : specs) {
        const auto start = static_cast<std::size_t>(*spec.getDataFromColumn - 1);
        if (start < line.size())
            out.append(line.substr(start, static_cast<std::size_t>(*spec.numberOfCharacters)));
        out.append(static_cast<std::size_t>(*spec.spacesB4NextColumn), ' ');
    }
}

std::string headingLine(const ColumnSpecs& specs, int startLineAt) {
    std::string heading;
    for (const ColumnSpec& spec : specs) {
        checkLayoutSpec(spec);
        const long room = *spec.numberOfCharacters + *spec.spacesB4NextColumn;
        long pad = room - static_cast<long>(spec.columnHeading.size());
        if (pad < 0)
            pad = room;
        heading += spec.columnHeading;
        heading.append(static_cast<std::size_t>(pad), ' ');
    }
    const auto first = heading.find_first_not_of(' ');
    heading = first == std::string::npos
                  ? std::string()
                  : heading.substr(first, heading.find_last_not_of(' ') - first + 1);
    heading += crlf;
    if (startLineAt > 1)
        heading.insert(0, static_cast<std::size_t>(startLineAt - 1), ' ');
    return heading;
}

LineOperation fieldizeOperation(ColumnSpecSource specs, int startLineAt) {
    return fieldizeOperation(std::move(specs), [startLineAt] { return startLineAt; });
}

LineOperation fieldizeOperation(ColumnSpecSource specs, StartColumnSource startColumn) {
    auto headingPending = std::make_shared<bool>(true);
    return [specs = std::move(specs), startColumn = std::move(startColumn),
            headingPending](std::string_view line, std::string& out) {
        const ColumnSpecs& current = specs();
        const int startLineAt = startColumn();
        for (const ColumnSpec& spec : current)
            checkLayoutSpec(spec);
        if (*headingPending) {
            *headingPending = false;
            if (!current.empty())
                out += headingLine(current, startLineAt);
        }
        if (!line.empty())
            layOutLine(current, line, startLineAt, out);
        return true;
    };
}

} // namespace fieldizer
