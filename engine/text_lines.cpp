#include "engine/text_lines.h"

#include <cstring>

namespace fieldizer {

std::string_view LineCursor::next() {
    const char* start = text_.data() + position_;
    const std::size_t available = text_.size() - position_;
    const void* found = std::memchr(start, '\r', available);
    if (found == nullptr) {
        position_ = text_.size();
        return {start, available};
    }
    const auto* cr = static_cast<const char*>(found);
    const std::size_t length = static_cast<std::size_t>(cr - start);
    const bool followedByLf = length + 1 < available && cr[1] == '\n';
    position_ += length + (followedByLf ? 2 : 1);
    return {start, length};
}

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
