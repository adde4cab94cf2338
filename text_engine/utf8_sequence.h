#pragma once
// One UTF-8 sequence: the one reading of UTF-8 that the argument conversion
// and the file encodings share, so that both agree on what is valid.

#include <cstddef>

namespace fieldizer {

// Decodes the sequence at bytes[pos] (pos < size) into `c`; returns its
// length, 0 when it is no valid UTF-8: a stray continuation byte, a lead byte
// that UTF-8 never uses (0xC0, 0xC1, 0xF5 and up), a sequence cut short by
// the end or by a byte that does not continue it, an overlong form, a
// surrogate or a character beyond U+10FFFF.
inline std::size_t decodeUtf8Sequence(const char* bytes, std::size_t size, std::size_t pos,
                                      char32_t& c) {
    auto byte = [&](std::size_t i) { return static_cast<unsigned char>(bytes[pos + i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0xC2   ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || length > size - pos)
        return 0;
    c = lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    const bool overlong = (length == 3 && c < 0x800) || (length == 4 && c < 0x10000);
    const bool invalid = c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF);
    return overlong || invalid ? 0 : length;
}

} // namespace fieldizer
