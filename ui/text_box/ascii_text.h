#pragma once
// Whether a text holds ASCII alone, which the text box keeps without any
// conversion. Asked of whole reports, so it looks at 64 bytes at a time (a
// loop the compiler turns into vector instructions) instead of byte by byte.

#include <cstddef>
#include <string_view>

namespace fieldizer::ui {

inline bool isAscii(std::string_view text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    constexpr std::size_t block = 64;
    std::size_t i = 0;
    for (; i + block <= text.size(); i += block) {
        unsigned char seen = 0;
        for (std::size_t j = 0; j < block; ++j)
            seen |= bytes[i + j];
        if ((seen & 0x80) != 0)
            return false;
    }
    unsigned char seen = 0;
    for (; i < text.size(); ++i)
        seen |= bytes[i];
    return (seen & 0x80) == 0;
}

} // namespace fieldizer::ui
