#pragma once
// Text and lines. A text is single-byte characters with CR LF line breaks.
// A line ends at CR LF or at a lone CR; a lone LF is an ordinary character.
// A break at the very end of the text starts no further, empty line.
// Columns count from 1.

#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer {

inline constexpr std::string_view crlf = "\r\n";

// Splits a text held in memory into lines. The views point into `text`.
std::vector<std::string_view> splitLines(std::string_view text);

// Every line followed by CR LF, then the very last CR LF removed.
std::string joinLines(const std::vector<std::string>& lines);

// Reads lines one at a time from a text held in memory, without copying.
class LineCursor {
  public:
    explicit LineCursor(std::string_view text) : text_(text) {}

    bool atEnd() const noexcept { return position_ >= text_.size(); }
    // The next line; only call while !atEnd(). Inline: it runs once per line
    // of every pass.
    std::string_view next() {
        const char* start = text_.data() + position_;
        const std::size_t available = text_.size() - position_;
        const void* found = std::memchr(start, '\r', available);
        if (found == nullptr) {
            position_ = text_.size();
            return {start, available};
        }
        const auto* cr = static_cast<const char*>(found);
        const auto length = static_cast<std::size_t>(cr - start);
        const bool followedByLf = length + 1 < available && cr[1] == '\n';
        position_ += length + (followedByLf ? 2 : 1);
        return {start, length};
    }
    // Bytes consumed so far, line breaks included.
    std::size_t position() const noexcept { return position_; }

  private:
    std::string_view text_;
    std::size_t position_ = 0;
};

} // namespace fieldizer
