#pragma once
// The program's text is single-byte Windows-1252; the database files hold
// UTF-8. These two conversions are the boundary between them.

#include <string>
#include <string_view>

namespace fieldizer {

// Every byte maps to one character, so any text survives a round trip. The
// five bytes Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// map to the control characters U+0081 etc., as Windows itself does.
std::string cp1252ToUtf8(std::string_view text);

// Characters outside Windows-1252 become "?" (one per character): nothing
// outside the program's character set is invented. A byte that is not part
// of valid UTF-8 stays the same byte, taken as a Windows-1252 character, so
// text typed in the program's own character set (a name in a terminal that
// is not UTF-8) keeps every character and never breaks the conversion.
std::string utf8ToCp1252(std::string_view text);

// Whether Windows-1252 has a byte for the character (the five undefined bytes
// count, as their control characters).
bool heldInCp1252(char32_t c);

// The character of one byte, and the byte of a character (-1 when
// Windows-1252 has none): the conversions of a single character, for the
// file encodings (text_encoding.h).
char32_t cp1252CodePoint(unsigned char byte);
int cp1252ByteOf(char32_t c);

} // namespace fieldizer
