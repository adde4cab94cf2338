#pragma once
// The message for a character typed or pasted into a field that the
// program's character set, Windows-1252, has no byte for. The field refuses
// it: stored, it would silently become "?".

#include "text_engine/user_dialogs.h"

#include <string>

namespace fieldizer {

inline constexpr MessageId unheldCharacterMessage{"unheldCharacter"};

// The character by its code point ("U+0416"), since the message itself is
// text of the program's character set and cannot show it.
std::string unheldCharacterText(char32_t character);

} // namespace fieldizer
