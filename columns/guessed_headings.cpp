#include "columns/guessed_headings.h"

#include "workbench/database_engine/table_def.h"

#include <algorithm>
#include <optional>

namespace fieldizer {
namespace {

struct Word {
    std::size_t first;
    std::size_t last;
    std::string_view text;
};

std::vector<Word> wordsOf(std::string_view line) {
    std::vector<Word> words;
    std::size_t position = 0;
    while (position < line.size()) {
        if (line[position] == ' ' || line[position] == '\t') {
            ++position;
            continue;
        }
        const std::size_t first = position;
        while (position < line.size() && line[position] != ' ' && line[position] != '\t')
            ++position;
        words.push_back({first, position - 1, line.substr(first, position - first)});
    }
    return words;
}

// How far a word lies from a span: minus the overlap when they overlap.
long distance(const Word& word, const ColumnSpan& span) {
    const long first = long(std::max(word.first, span.first));
    const long last = long(std::min(word.last, span.second));
    if (first <= last)
        return -(last - first + 1);
    return word.last < span.first ? long(span.first - word.last) : long(word.first - span.second);
}

std::size_t nearestSpan(const Word& word, const std::vector<ColumnSpan>& spans) {
    std::size_t best = 0;
    for (std::size_t i = 1; i < spans.size(); ++i)
        if (distance(word, spans[i]) <= distance(word, spans[best]))
            best = i;
    return best;
}

// The characters a field name may hold: no control characters, none of
// . ! ` [ ], no leading space, at most 64 characters.
std::string fieldNameFrom(std::string_view text) {
    std::string name;
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F || c == '.' || c == '!' || c == '`' || c == '[' ||
            c == ']' || (c == ' ' && name.empty()))
            continue;
        name += c;
    }
    name.resize(std::min<std::size_t>(name.size(), 64));
    while (!name.empty() && name.back() == ' ')
        name.pop_back();
    return name;
}

bool taken(const std::vector<std::string>& names, std::string_view name) {
    return std::any_of(names.begin(), names.end(),
                       [&](const std::string& other) { return db::sameName(other, name); });
}

} // namespace

std::vector<std::string> numberedHeadings(std::size_t count) {
    std::vector<std::string> headings;
    for (std::size_t i = 0; i < count; ++i)
        headings.push_back("Column" + std::to_string(i + 1));
    return headings;
}

std::vector<std::string> headingsFromLine(std::string_view headingLine,
                                          const std::vector<ColumnSpan>& spans) {
    std::vector<std::string> words(spans.size());
    if (!spans.empty())
        for (const Word& word : wordsOf(headingLine)) {
            std::string& joined = words[nearestSpan(word, spans)];
            joined += (joined.empty() ? "" : " ") + std::string(word.text);
        }
    std::vector<std::string> headings;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        std::string name = fieldNameFrom(words[i]);
        if (name.empty() || taken(headings, name))
            name = "Column" + std::to_string(i + 1);
        headings.push_back(name);
    }
    return headings;
}

} // namespace fieldizer
