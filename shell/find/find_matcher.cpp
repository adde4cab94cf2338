#include "shell/find/find_matcher.h"

#include <algorithm>
#include <array>
#include <functional>

namespace fieldizer {
namespace {

// Lower case of Windows-1252: the ASCII letters, the accented capitals
// 0xC0-0xDE (but the multiplication sign 0xD7) and the four capitals
// placed among 0x80-0x9F.
constexpr std::array<unsigned char, 256> makeLowerTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[c] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        table[c] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7)
            table[c] = static_cast<unsigned char>(c + 32);
    table[0x8A] = 0x9A;
    table[0x8C] = 0x9C;
    table[0x8E] = 0x9E;
    table[0x9F] = 0xFF;
    return table;
}
constexpr auto lowerTable = makeLowerTable();

char lower(char c) {
    return static_cast<char>(lowerTable[static_cast<unsigned char>(c)]);
}

} // namespace

bool isWordCharacter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

FindMatcher::FindMatcher(std::string_view searchText, FindOptions options)
    : searchText_(searchText), options_(options) {
    if (options_.ignoreCase)
        std::transform(searchText_.begin(), searchText_.end(), searchText_.begin(), lower);
}

std::size_t FindMatcher::findRaw(std::string_view text, std::size_t from) const {
    if (searchText_.empty() || from > text.size())
        return std::string_view::npos;
    if (!options_.ignoreCase)
        return text.find(searchText_, from);
    const auto hash = [](char c) { return std::hash<char>{}(lower(c)); };
    const auto equal = [](char a, char b) { return lower(a) == lower(b); };
    const std::boyer_moore_horspool_searcher searcher(searchText_.begin(), searchText_.end(), hash,
                                                      equal);
    const auto found =
        std::search(text.begin() + static_cast<std::ptrdiff_t>(from), text.end(), searcher);
    return found == text.end() ? std::string_view::npos
                               : static_cast<std::size_t>(found - text.begin());
}

bool FindMatcher::isWholeWord(std::string_view text, std::size_t at) const {
    const std::size_t end = at + searchText_.size();
    const bool startsWord = at == 0 || !isWordCharacter(text[at - 1]);
    const bool endsWord = end >= text.size() || !isWordCharacter(text[end]);
    return startsWord && endsWord;
}

std::size_t FindMatcher::find(std::string_view text, std::size_t from) const {
    for (std::size_t at = findRaw(text, from); at != std::string_view::npos;
         at = findRaw(text, at + 1)) {
        if (!options_.wholeWord || isWholeWord(text, at))
            return at;
    }
    return std::string_view::npos;
}

std::vector<std::size_t> FindMatcher::findAll(std::string_view text) const {
    std::vector<std::size_t> found;
    for (std::size_t at = find(text, 0); at != std::string_view::npos; at = find(text, at + 1))
        found.push_back(at);
    return found;
}

} // namespace fieldizer
