#pragma once
// Text as Access 2000 and later store it: UTF-16LE, or "compressed" (the
// marker FF FE, then runs of one byte per character switched with 0x00 to
// runs of two). Decoded here from the stored bytes so that a character
// beyond the first 65,536 (an emoji, stored as two UTF-16 units) stays one
// character, where libmdb's text makes it two "?".

#include <optional>
#include <string>
#include <string_view>

namespace fieldizer::access {

// The UTF-8 of stored text bytes; nothing when they are not sound UTF-16
// (an odd length, a lone surrogate).
std::optional<std::string> decodeStoredText(std::string_view stored);

// The text of a Text value: the stored bytes decoded when that agrees with
// libmdb's reading of them (`libmdbText`, where each character beyond the
// first 65,536 is "??"), else libmdb's reading.
std::string textOfStored(std::string_view stored, const std::string& libmdbText);

} // namespace fieldizer::access
