#include "workbench/access/access_text.h"

#include <cstdint>
#include <vector>

namespace fieldizer::access {
namespace {

void appendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xC0 | (c >> 6));
        out += char(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += char(0xE0 | (c >> 12));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    } else {
        out += char(0xF0 | (c >> 18));
        out += char(0x80 | ((c >> 12) & 0x3F));
        out += char(0x80 | ((c >> 6) & 0x3F));
        out += char(0x80 | (c & 0x3F));
    }
}

// The UTF-16 units of the stored bytes, compressed runs widened.
std::optional<std::vector<std::uint16_t>> units(std::string_view stored) {
    auto byte = [&](std::size_t i) { return std::uint16_t(static_cast<unsigned char>(stored[i])); };
    std::vector<std::uint16_t> out;
    bool compressed = stored.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE;
    std::size_t i = compressed ? 2 : 0;
    while (i < stored.size()) {
        if (compressed && byte(i) == 0) {
            compressed = false; // 0x00 switches between the two modes
            ++i;
        } else if (compressed) {
            out.push_back(byte(i++));
        } else if (i + 1 < stored.size()) {
            std::uint16_t unit = std::uint16_t(byte(i) | (byte(i + 1) << 8));
            i += 2;
            if (unit == 0 && stored.size() >= 2 && byte(0) == 0xFF && byte(1) == 0xFE)
                compressed = true;
            else
                out.push_back(unit);
        } else {
            return std::nullopt;
        }
    }
    return out;
}

} // namespace

std::optional<std::string> decodeStoredText(std::string_view stored) {
    auto utf16 = units(stored);
    if (!utf16)
        return std::nullopt;
    std::string out;
    for (std::size_t i = 0; i < utf16->size(); ++i) {
        std::uint32_t unit = (*utf16)[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < utf16->size() &&
            (*utf16)[i + 1] >= 0xDC00 && (*utf16)[i + 1] <= 0xDFFF) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + ((*utf16)[++i] - 0xDC00);
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            return std::nullopt;
        }
        appendUtf8(out, unit);
    }
    return out;
}

std::string textOfStored(std::string_view stored, const std::string& libmdbText) {
    auto decoded = decodeStoredText(stored);
    if (!decoded)
        return libmdbText;
    std::string asLibmdbReadsIt;
    for (std::size_t i = 0; i < decoded->size(); ++i) {
        bool fourBytes = (static_cast<unsigned char>((*decoded)[i]) & 0xF8) == 0xF0;
        asLibmdbReadsIt += fourBytes ? std::string("??") : std::string(1, (*decoded)[i]);
        i += fourBytes ? 3 : 0;
    }
    return asLibmdbReadsIt == libmdbText ? *decoded : libmdbText;
}

} // namespace fieldizer::access
