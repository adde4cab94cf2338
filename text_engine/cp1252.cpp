#include "text_engine/cp1252.h"

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

char32_t codePoint(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? high[byte - 0x80] : char32_t(byte);
}

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
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return char(c);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] == c)
            return char(0x80 + i);
    return '?';
}

// Decodes one UTF-8 sequence at `pos`; returns its length, 0 for a bad one.
std::size_t decode(std::string_view text, std::size_t pos, char32_t& c) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[pos + i]); };
    unsigned char lead = byte(0);
    std::size_t length = lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || pos + length > text.size())
        return 0;
    c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    bool invalid = c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF);
    return overlong || invalid ? 0 : length;
}

} // namespace

std::string cp1252ToUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char ch : text) {
        auto byte = static_cast<unsigned char>(ch);
        if (byte < 0x80)
            out += ch;
        else
            appendUtf8(out, codePoint(byte));
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
        std::size_t length = decode(text, pos, c);
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
