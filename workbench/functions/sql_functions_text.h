#pragma once
// Text helpers of the Access functions: UTF-8 characters, letter case as the
// engine's text comparison sees it, the LIKE matcher and Val.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db::access_text {

// Code points of UTF-8 text; a byte that starts no valid sequence counts as
// one character of its own (its value plus 0x110000, so it matches only itself).
std::vector<char32_t> decode(std::string_view text);
std::string encode(const std::vector<char32_t>& characters);

// Letter case of ASCII, Latin-1 and the other letters of Windows-1252.
char32_t toLower(char32_t c);
char32_t toUpper(char32_t c);

// Whether `value` matches an Access LIKE pattern: * any run, ? any one
// character, # one digit, [abc], [a-z], [!abc]; letter case is ignored.
// Nothing when the pattern is invalid (an unclosed "[").
std::optional<bool> likeMatches(std::string_view value, std::string_view pattern);

// 1-based position of `needle` in `haystack` from character `start`, 0 when
// absent; letters compare without regard to case unless `binary`.
long long findText(std::string_view haystack, std::string_view needle, long long start,
                   bool binary);

// The number at the start of a text, as Access's Val reads it: blanks
// anywhere are skipped, &H and &O prefixes read hex and octal; 0 when none.
double leadingNumber(std::string_view text);

} // namespace fieldizer::db::access_text
