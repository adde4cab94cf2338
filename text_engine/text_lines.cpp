#include "text_engine/text_lines.h"

namespace fieldizer {

std::vector<std::string_view> splitLines(std::string_view text) {
    std::vector<std::string_view> lines;
    LineCursor cursor(text);
    while (!cursor.atEnd())
        lines.push_back(cursor.next());
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines)
        size += line.size() + crlf.size();
    std::string text;
    text.reserve(size);
    for (const auto& line : lines) {
        text += line;
        text += crlf;
    }
    if (!text.empty())
        text.resize(text.size() - crlf.size());
    return text;
}

} // namespace fieldizer
