#include "columns/column_spec.h"

#include "text_engine/runtime_error.h"

#include <charconv>

namespace fieldizer {

void checkLayoutSpec(const ColumnSpec& spec) {
    if (!spec.getDataFromColumn || !spec.numberOfCharacters || !spec.spacesB4NextColumn)
        throw errors::invalidNull();
    if (*spec.getDataFromColumn < 1 || *spec.numberOfCharacters < 0 || *spec.spacesB4NextColumn < 0)
        throw errors::invalidProcedureCall();
}

namespace {

std::optional<long> parseNumber(const std::string& text) {
    if (text.empty())
        return std::nullopt;
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        throw std::invalid_argument(text);
    return value;
}

} // namespace

std::optional<ColumnSpec> parseColumnOption(const std::string& text) {
    std::size_t colons[4];
    std::size_t end = text.size();
    for (int i = 3; i >= 0; --i) {
        const std::size_t found = end == 0 ? std::string::npos : text.rfind(':', end - 1);
        if (found == std::string::npos)
            return std::nullopt;
        colons[i] = found;
        end = found;
    }
    try {
        ColumnSpec spec;
        spec.columnHeading = text.substr(0, colons[0]);
        spec.getDataFromColumn = parseNumber(text.substr(colons[0] + 1, colons[1] - colons[0] - 1));
        spec.numberOfCharacters =
            parseNumber(text.substr(colons[1] + 1, colons[2] - colons[1] - 1));
        spec.spacesB4NextColumn =
            parseNumber(text.substr(colons[2] + 1, colons[3] - colons[2] - 1));
        spec.fieldWidth = parseNumber(text.substr(colons[3] + 1));
        return spec;
    } catch (const std::invalid_argument&) {
        return std::nullopt;
    }
}

std::string formatColumnOption(const ColumnSpec& spec) {
    std::string text = spec.columnHeading;
    for (const auto& number : {spec.getDataFromColumn, spec.numberOfCharacters,
                               spec.spacesB4NextColumn, spec.fieldWidth}) {
        text += ':';
        if (number)
            text += std::to_string(*number);
    }
    return text;
}

} // namespace fieldizer
