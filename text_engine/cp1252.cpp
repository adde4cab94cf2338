#include "text_engine/cp1252.h"

#include "text_engine/utf8_sequence.h"

#include <array>
#include <cstdint>

namespace fieldizer {
namespace {

// Code points of the bytes 0x80 to 0x9F; the rest of the byte range is the
// same number in Unicode.
constexpr std::array<char32_t, 32> high{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

char toByte(char32_t c) {
    const int byte = cp1252ByteOf(c);
    return byte < 0 ? '?' : char(byte);
}

} // namespace

char32_t cp1252CodePoint(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? high[byte - 0x80] : char32_t(byte);
}

int cp1252ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return int(c);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == c)
            return int(0x80 + i);
    return -1;
}

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80)
            out += ch;
        else
            appendUtf8(out, cp1252CodePoint(byte));
    }
    return out;
}

std::string utf8ToCp1252(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            out += text[pos++];
            continue;
        }
        char32_t c = 0;
        std::size_t length = decodeUtf8Sequence(text.data(), text.size(), pos, c);
        // A byte that is not part of valid UTF-8 was meant as a single-byte
        // character already: it stays itself, so two such names never merge.
        out += length == 0 ? text[pos] : toByte(c);
        pos += length == 0 ? 1 : length;
    }
    return out;
}

bool heldInCp1252(char32_t c) {
    return c == U'?' || toByte(c) != '?';
}

} // namespace fieldizer
