#include "cli/argument_text.h"

#include "cli/arguments.h"
#include "text_engine/cp1252.h"

#include <algorithm>

namespace fieldizer::cli {
namespace {

// The length of the UTF-8 sequence that begins at `text[at]`, or 0 when the
// bytes there are not one (overlong forms, surrogates and values beyond
// U+10FFFF included).
std::size_t sequenceLength(std::string_view text, std::size_t at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[at + i]); };
    const unsigned char lead = byte(0);
    const std::size_t length = lead < 0x80   ? 1
                               : lead < 0xC2 ? 0
                               : lead < 0xE0 ? 2
                               : lead < 0xF0 ? 3
                               : lead < 0xF5 ? 4
                                             : 0;
    if (length == 0 || at + length > text.size())
        return 0;
    for (std::size_t i = 1; i < length; ++i)
        if ((byte(i) & 0xC0) != 0x80)
            return 0;
    if ((lead == 0xE0 && byte(1) < 0xA0) || (lead == 0xED && byte(1) > 0x9F) ||
        (lead == 0xF0 && byte(1) < 0x90) || (lead == 0xF4 && byte(1) > 0x8F))
        return 0;
    return length;
}

bool isUtf8(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = sequenceLength(text, at);
        if (length == 0)
            return false;
        at += length;
    }
    return true;
}

} // namespace

std::string textArgument(std::string_view argument, std::string_view whole) {
    if (!isUtf8(argument))
        return std::string(argument);
    std::string converted = utf8ToCp1252(argument);
    // The conversion writes "?" for a character it cannot hold.
    if (std::count(converted.begin(), converted.end(), '?') !=
        std::count(argument.begin(), argument.end(), '?'))
        throw UsageError("'" + std::string(whole) +
                         "' holds a character that Windows-1252, the program's character set, "
                         "cannot hold");
    return converted;
}

std::string terminalText(std::string_view text) {
    return cp1252ToUtf8(text);
}

} // namespace fieldizer::cli
