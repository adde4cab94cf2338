#include "columns/column_guess.h"

#include "columns/guessed_headings.h"

#include <algorithm>
#include <cstdint>

namespace fieldizer {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\f' || c == '\v';
}

bool filledAt(std::string_view line, std::size_t position) {
    return position < line.size() && !isBlank(line[position]);
}

bool holdsCharacters(std::string_view line) {
    return std::any_of(line.begin(), line.end(), [](char c) { return !isBlank(c); });
}

// Whether `line` has a character on both sides of the cut before `cut`.
bool crosses(std::string_view line, std::size_t cut) {
    return cut > 0 && filledAt(line, cut - 1) && filledAt(line, cut);
}

// The cuts (positions a column may start at): on both sides of every
// position that at most `allowance` lines hold a character at; 0 and
// `width` always.
std::vector<std::size_t> boundaryCuts(std::span<const std::string_view> lines, std::size_t width,
                                      std::size_t allowance) {
    std::vector<std::uint32_t> filled(width, 0);
    for (std::string_view line : lines)
        for (std::size_t position = 0; position < line.size(); ++position)
            filled[position] += filledAt(line, position) ? 1 : 0;
    std::vector<std::size_t> cuts{0};
    for (std::size_t cut = 1; cut < width; ++cut)
        if (filled[cut - 1] <= allowance || filled[cut] <= allowance)
            cuts.push_back(cut);
    cuts.push_back(width);
    return cuts;
}

// The positions between two cuts that hold characters of lines crossing
// neither cut: a line that crosses one (one of the few let through) lends
// the column no width of its own.
std::optional<ColumnSpan> occupiedSpan(std::span<const std::string_view> lines, std::size_t from,
                                       std::size_t to) {
    std::optional<ColumnSpan> span;
    for (std::string_view line : lines) {
        if (crosses(line, from) || crosses(line, to))
            continue;
        for (std::size_t position = from; position < to && position < line.size(); ++position) {
            if (!filledAt(line, position))
                continue;
            if (!span)
                span = ColumnSpan{position, position};
            span->first = std::min(span->first, position);
            span->second = std::max(span->second, position);
        }
    }
    return span;
}

// Which way a column's values may run out of it: right-aligned values
// (numbers) to the left, left-aligned ones (text) to the right.
struct Growth {
    bool left = true;
    bool right = true;
};

std::vector<Growth> growthOf(std::span<const std::string_view> lines,
                             const std::vector<ColumnSpan>& spans) {
    std::vector<Growth> growth;
    for (const ColumnSpan& span : spans) {
        std::size_t atFirst = 0, atLast = 0;
        for (std::string_view line : lines) {
            atFirst += filledAt(line, span.first) ? 1 : 0;
            atLast += filledAt(line, span.second) ? 1 : 0;
        }
        growth.push_back({atLast >= atFirst, atFirst >= atLast});
    }
    return growth;
}

// Widens span `index` over a word of a line that overlaps it, up to its
// neighbours and only the way its values run; true when it grew.
bool widenOver(std::vector<ColumnSpan>& spans, std::size_t index, Growth growth, std::size_t first,
               std::size_t last) {
    ColumnSpan& span = spans[index];
    if (last < span.first || first > span.second)
        return false;
    const std::size_t floor = index == 0 ? 0 : spans[index - 1].second + 1;
    const std::size_t ceiling =
        index + 1 == spans.size() ? std::max(last, span.second) : spans[index + 1].first - 1;
    // The outermost columns take whatever runs out past them.
    growth.left = growth.left || index == 0;
    growth.right = growth.right || index + 1 == spans.size();
    const ColumnSpan widened{
        growth.left ? std::max(std::min(span.first, first), floor) : span.first,
        growth.right ? std::min(std::max(span.second, last), ceiling) : span.second};
    const bool grew = widened != span;
    span = widened;
    return grew;
}

// The few lines let across a boundary lose no characters: a word that runs
// out of a column into the blanks beside it (a total wider than the values
// below it) widens the column, up to the next one.
void widenOverOverhangs(std::span<const std::string_view> lines, std::vector<ColumnSpan>& spans) {
    const std::vector<Growth> growth = growthOf(lines, spans);
    for (bool grew = true; grew;) {
        grew = false;
        for (std::string_view line : lines)
            for (std::size_t first = 0; first < line.size(); ++first) {
                if (!filledAt(line, first))
                    continue;
                std::size_t last = first;
                while (filledAt(line, last + 1))
                    ++last;
                for (std::size_t index = 0; index < spans.size(); ++index)
                    grew = widenOver(spans, index, growth[index], first, last) || grew;
                first = last;
            }
    }
}

std::vector<ColumnSpan> columnSpans(std::span<const std::string_view> lines) {
    std::size_t width = 0;
    for (std::string_view line : lines)
        width = std::max(width, line.size());
    // "Almost" every line: one in fifty may run across a boundary.
    const std::vector<std::size_t> cuts = boundaryCuts(lines, width, lines.size() / 50);
    std::vector<ColumnSpan> spans;
    for (std::size_t i = 0; i + 1 < cuts.size(); ++i)
        if (auto span = occupiedSpan(lines, cuts[i], cuts[i + 1]))
            spans.push_back(*span);
    widenOverOverhangs(lines, spans);
    return spans;
}

} // namespace

std::vector<std::string_view> firstFilledLines(std::span<const std::string_view> lines,
                                               std::size_t count) {
    std::vector<std::string_view> filled;
    for (std::string_view line : lines) {
        if (filled.size() == count)
            break;
        if (holdsCharacters(line))
            filled.push_back(line);
    }
    return filled;
}

ColumnSpecs guessColumns(std::span<const std::string_view> lines,
                         std::optional<std::string_view> headingLine) {
    const std::vector<std::string_view> filled = firstFilledLines(lines, lines.size());
    const std::vector<ColumnSpan> spans = columnSpans(filled);
    const std::vector<std::string> headings =
        headingLine ? headingsFromLine(*headingLine, spans) : numberedHeadings(spans.size());
    ColumnSpecs specs;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        const long width = long(spans[i].second - spans[i].first + 1);
        specs.push_back({headings[i], long(spans[i].first + 1), width, 1L, width});
    }
    return specs;
}

} // namespace fieldizer
