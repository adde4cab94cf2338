#include "workbench/functions/sql_functions_text.h"

#include <cmath>
#include <cstdlib>

namespace fieldizer::db::access_text {
namespace {

constexpr char32_t strayByte = 0x110000;

// Length of the UTF-8 sequence at `i` and its code point; 0 if not valid.
std::size_t sequenceAt(std::string_view text, std::size_t i, char32_t& code) {
    auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    unsigned char lead = byte(i);
    std::size_t length = lead < 0x80                    ? 1
                         : lead >= 0xC2 && lead <= 0xDF ? 2
                         : lead >= 0xE0 && lead <= 0xEF ? 3
                         : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                        : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (byte(i + k) & 0x3F);
    }
    bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    bool invalid = code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF);
    return overlong || invalid ? 0 : length;
}

bool isDigit(char32_t c) {
    return c >= '0' && c <= '9';
}

} // namespace

std::vector<char32_t> decode(std::string_view text) {
    std::vector<char32_t> characters;
    characters.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        std::size_t length = sequenceAt(text, i, code);
        if (length == 0) {
            characters.push_back(strayByte + static_cast<unsigned char>(text[i]));
            ++i;
        } else {
            characters.push_back(code);
            i += length;
        }
    }
    return characters;
}

std::string encode(const std::vector<char32_t>& characters) {
    std::string text;
    text.reserve(characters.size());
    for (char32_t c : characters) {
        if (c >= strayByte) {
            text.push_back(static_cast<char>(c - strayByte));
        } else if (c < 0x80) {
            text.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            text.push_back(static_cast<char>(0xC0 | (c >> 6)));
            text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            text.push_back(static_cast<char>(0xE0 | (c >> 12)));
            text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            text.push_back(static_cast<char>(0xF0 | (c >> 18)));
            text.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }
    return text;
}

char32_t toLower(char32_t c) {
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return c + 0x20;
    if (c == 0x160 || c == 0x152 || c == 0x17D) // Š Œ Ž
        return c + 1;
    if (c == 0x178) // Ÿ
        return 0xFF;
    return c;
}

char32_t toUpper(char32_t c) {
    if ((c >= 'a' && c <= 'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7))
        return c - 0x20;
    if (c == 0x161 || c == 0x153 || c == 0x17E)
        return c - 1;
    if (c == 0xFF)
        return 0x178;
    return c;
}

namespace {

// One pattern element at `p`: a literal, ?, #, or a [list]. Sets `next` to
// the element after it; false when a "[" is never closed.
bool elementMatches(const std::vector<char32_t>& pattern, std::size_t p, char32_t c,
                    std::size_t& next, bool& matched) {
    char32_t head = pattern[p];
    next = p + 1;
    if (head == '?') {
        matched = true;
    } else if (head == '#') {
        matched = isDigit(c);
    } else if (head != '[') {
        matched = toLower(head) == toLower(c);
    } else {
        std::size_t i = p + 1;
        bool negate = i < pattern.size() && pattern[i] == '!';
        if (negate)
            ++i;
        bool inList = false;
        for (bool first = true; i < pattern.size() && (first || pattern[i] != ']'); first = false) {
            char32_t low = toLower(pattern[i]);
            char32_t high = low;
            if (i + 2 < pattern.size() && pattern[i + 1] == '-' && pattern[i + 2] != ']') {
                high = toLower(pattern[i + 2]);
                i += 2;
            }
            inList = inList || (toLower(c) >= low && toLower(c) <= high);
            ++i;
        }
        if (i >= pattern.size())
            return false;
        next = i + 1;
        matched = inList != negate;
    }
    return true;
}

bool closedBrackets(const std::vector<char32_t>& pattern) {
    for (std::size_t p = 0; p < pattern.size(); ++p) {
        if (pattern[p] != '[')
            continue;
        std::size_t i = p + 1;
        if (i < pattern.size() && pattern[i] == '!')
            ++i;
        ++i; // the first character of a list may be "]"
        while (i < pattern.size() && pattern[i] != ']')
            ++i;
        if (i >= pattern.size())
            return false;
        p = i;
    }
    return true;
}

} // namespace

std::optional<bool> likeMatches(std::string_view valueText, std::string_view patternText) {
    std::vector<char32_t> value = decode(valueText);
    std::vector<char32_t> pattern = decode(patternText);
    if (!closedBrackets(pattern))
        return std::nullopt;
    // Greedy matching with one saved star: time proportional to value x pattern.
    std::size_t v = 0, p = 0;
    std::size_t starPattern = std::string_view::npos, starValue = 0;
    while (v < value.size()) {
        std::size_t next = 0;
        bool matched = false;
        if (p < pattern.size() && pattern[p] == '*') {
            starPattern = ++p;
            starValue = v;
            continue;
        }
        if (p < pattern.size() && elementMatches(pattern, p, value[v], next, matched) && matched) {
            p = next;
            ++v;
        } else if (starPattern != std::string_view::npos) {
            p = starPattern;
            v = ++starValue;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

long long findText(std::string_view haystackText, std::string_view needleText, long long start,
                   bool binary) {
    std::vector<char32_t> haystack = decode(haystackText);
    std::vector<char32_t> needle = decode(needleText);
    if (start < 1 || static_cast<unsigned long long>(start) > haystack.size() + 1)
        return 0;
    if (needle.empty())
        return static_cast<unsigned long long>(start) > haystack.size() ? 0 : start;
    auto same = [&](char32_t a, char32_t b) { return binary ? a == b : toLower(a) == toLower(b); };
    for (std::size_t i = static_cast<std::size_t>(start - 1); i + needle.size() <= haystack.size();
         ++i) {
        std::size_t k = 0;
        while (k < needle.size() && same(haystack[i + k], needle[k]))
            ++k;
        if (k == needle.size())
            return static_cast<long long>(i + 1);
    }
    return 0;
}

double leadingNumber(std::string_view text) {
    std::string compact;
    for (char c : text) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r')
            compact.push_back(c);
    }
    if (compact.size() > 2 && compact[0] == '&' &&
        (compact[1] == 'H' || compact[1] == 'h' || compact[1] == 'O' || compact[1] == 'o')) {
        int base = (compact[1] == 'H' || compact[1] == 'h') ? 16 : 8;
        std::string digits = compact.substr(2, 16);
        return static_cast<double>(std::strtoll(digits.c_str(), nullptr, base));
    }
    // Sign, digits, one point, digits, then an exponent with E or D.
    std::size_t i = 0;
    if (i < compact.size() && (compact[i] == '+' || compact[i] == '-'))
        ++i;
    std::size_t digitsStart = i;
    while (i < compact.size() && isDigit(static_cast<unsigned char>(compact[i])))
        ++i;
    if (i < compact.size() && compact[i] == '.') {
        ++i;
        while (i < compact.size() && isDigit(static_cast<unsigned char>(compact[i])))
            ++i;
    }
    if (i == digitsStart || (i == digitsStart + 1 && compact[digitsStart] == '.'))
        return 0;
    std::string number = compact.substr(0, i);
    std::size_t e = i;
    if (e < compact.size() &&
        (compact[e] == 'E' || compact[e] == 'e' || compact[e] == 'D' || compact[e] == 'd')) {
        std::size_t k = e + 1;
        if (k < compact.size() && (compact[k] == '+' || compact[k] == '-'))
            ++k;
        std::size_t expStart = k;
        while (k < compact.size() && isDigit(static_cast<unsigned char>(compact[k])) &&
               k - expStart < 5)
            ++k;
        if (k > expStart)
            number += "E" + compact.substr(e + 1, k - e - 1);
    }
    double result = std::strtod(number.c_str(), nullptr);
    return std::isfinite(result) ? result : 0;
}

} // namespace fieldizer::db::access_text
