#include "columns/record_values.h"

#include "text_engine/runtime_error.h"

#include <algorithm>

namespace fieldizer {

void valuesByDelimiter(std::string_view line, std::string_view delimiter, std::size_t fieldCount,
                       std::vector<std::string_view>& values) {
    values.clear();
    if (delimiter.empty())
        return;
    // Positions count from 1 as the scan is described to users; `scanPosition`
    // stays on a delimiter found, and moves past the end when none is left.
    std::size_t scanStart = 1;
    std::size_t scanPosition = 0;
    while (values.size() < fieldCount && scanPosition < line.size()) {
        if (scanStart > line.size()) {
            scanPosition = scanStart;
            values.emplace_back();
            continue;
        }
        const std::size_t found = line.find(delimiter, scanStart - 1);
        if (found == std::string_view::npos) {
            values.push_back(line.substr(scanStart - 1));
            scanPosition = line.size() + 1;
        } else {
            values.push_back(line.substr(scanStart - 1, found - (scanStart - 1)));
            scanPosition = found + 1;
            scanStart = found + 1 + delimiter.size();
        }
    }
}

std::vector<std::string_view> valuesByDelimiter(std::string_view line, std::string_view delimiter,
                                                std::size_t fieldCount) {
    std::vector<std::string_view> values;
    valuesByDelimiter(line, delimiter, fieldCount, values);
    return values;
}

void valuesByColumnSpecs(std::string_view line, const ColumnSpecs& specs, std::size_t fieldCount,
                         std::vector<std::string_view>& values) {
    values.clear();
    if (line.empty())
        return;
    const std::size_t count = std::min(fieldCount, specs.size());
    for (std::size_t i = 0; i < count; ++i) {
        const ColumnSpec& spec = specs[i];
        if (!spec.getDataFromColumn || !spec.numberOfCharacters)
            throw errors::invalidNull();
        if (*spec.getDataFromColumn < 1 || *spec.numberOfCharacters < 0)
            throw errors::invalidProcedureCall();
        const auto start = static_cast<std::size_t>(*spec.getDataFromColumn - 1);
        values.push_back(start < line.size() ? line.substr(start, static_cast<std::size_t>(
                                                                      *spec.numberOfCharacters))
                                             : std::string_view());
    }
}

std::vector<std::string_view> valuesByColumnSpecs(std::string_view line, const ColumnSpecs& specs,
                                                  std::size_t fieldCount) {
    std::vector<std::string_view> values;
    valuesByColumnSpecs(line, specs, fieldCount, values);
    return values;
}

} // namespace fieldizer
