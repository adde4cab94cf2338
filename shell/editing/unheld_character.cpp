#include "shell/editing/unheld_character.h"

#include "text_engine/text_encoding.h"

#include <cstdio>

namespace fieldizer {

std::string unheldCharacterText(char32_t character) {
    char codePoint[16];
    std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(character));
    return std::string("The character ") + codePoint +
           " cannot be typed here: Windows-1252, the program's character set, cannot hold it. "
           "The program holds Western European text.";
}

std::optional<Message> unheldPasteRefusal(std::string_view pastedUtf8) {
    const std::string place = unheldCharacterPlace(pastedUtf8);
    if (place.empty())
        return std::nullopt;
    Message refusal = notice(unheldPasteMessage,
                             "The text to paste: " + place +
                                 ", which Windows-1252 cannot hold. The program holds Western "
                                 "European text; nothing was pasted.");
    refusal.textIsUtf8 = true;
    return refusal;
}

} // namespace fieldizer
