#pragma once
// The message for a character typed or pasted into a field that the
// program's character set, Windows-1252, has no byte for. The field refuses
// it: stored, it would silently become "?".

#include "text_engine/user_dialogs.h"

#include <optional>
#include <string>
#include <string_view>

namespace fieldizer {

inline constexpr MessageId unheldCharacterMessage{"unheldCharacter"};

// The character by its code point ("U+0416"), since the message itself is
// text of the program's character set and cannot show it.
std::string unheldCharacterText(char32_t character);

// A paste into a text box whose UTF-8 text holds a character Windows-1252
// cannot hold is refused as such a file is: the message, in UTF-8 (it shows
// the character), or nothing when the text may be pasted.
inline constexpr MessageId unheldPasteMessage{"unheldPaste"};
std::optional<Message> unheldPasteRefusal(std::string_view pastedUtf8);

} // namespace fieldizer
