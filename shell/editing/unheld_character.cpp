#include "shell/editing/unheld_character.h"

#include <cstdio>

namespace fieldizer {

std::string unheldCharacterText(char32_t character) {
    char codePoint[16];
    std::snprintf(codePoint, sizeof codePoint, "U+%04X", static_cast<unsigned>(character));
    return std::string("The character ") + codePoint +
           " cannot be typed here: Windows-1252, the program's character set, cannot hold it. "
           "The program holds Western European text.";
}

} // namespace fieldizer
