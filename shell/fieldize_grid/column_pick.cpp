#include "shell/fieldize_grid/column_pick.h"

#include "workbench/database_engine/field_type.h"
#include "workbench/database_engine/table_def.h"

#include <algorithm>

namespace fieldizer {
namespace {

constexpr std::size_t guessedLineCount = 200;

// Where the line holding `position` starts: after a CR (alone or before LF);
// a lone LF belongs to the line.
std::size_t lineStartOf(std::string_view text, std::size_t position) {
    std::size_t start = std::min(position, text.size());
    while (start > 0) {
        const char before = text[start - 1];
        if (before == '\r' || (before == '\n' && start >= 2 && text[start - 2] == '\r'))
            break;
        --start;
    }
    return start;
}

std::size_t lineEndOf(std::string_view text, std::size_t start) {
    const std::size_t end = text.find('\r', start);
    return end == std::string_view::npos ? text.size() : end;
}

// The start of the line after the one ending at `end`, or nothing at the
// text's end.
std::optional<std::size_t> nextLineStart(std::string_view text, std::size_t end) {
    if (end >= text.size())
        return std::nullopt;
    return end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
}

// A selection end as a 0-based character position in its line.
std::size_t columnOf(std::string_view text, const SelectionEnd& end) {
    const std::size_t position = std::min(end.position, text.size());
    return position - lineStartOf(text, position) + end.virtualSpace;
}

bool headingTaken(const ColumnSpecs& existing, std::string_view name) {
    return std::any_of(existing.begin(), existing.end(), [&](const ColumnSpec& spec) {
        return db::sameName(spec.columnHeading, name);
    });
}

std::string trimmedBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t") - first + 1));
}

std::string pickedHeading(std::string_view firstLine, std::size_t first, std::size_t width,
                          const ColumnSpecs& existing) {
    std::string selected =
        first < firstLine.size() ? trimmedBlanks(firstLine.substr(first, width)) : std::string();
    if (db::isValidObjectName(selected) && !headingTaken(existing, selected))
        return selected;
    for (std::size_t number = existing.size() + 1;; ++number) {
        std::string numbered = "Column" + std::to_string(number);
        if (!headingTaken(existing, numbered))
            return numbered;
    }
}

// Whether some line from `top` to `bottom` (both line starts) reaches past
// position `first`.
bool blockHoldsCharacters(std::string_view text, std::size_t top, std::size_t bottom,
                          std::size_t first) {
    for (std::optional<std::size_t> start = top; start && *start <= bottom;) {
        const std::size_t end = lineEndOf(text, *start);
        if (end - *start > first)
            return true;
        start = nextLineStart(text, end);
    }
    return false;
}

ColumnPick refused(std::string message) {
    return {std::nullopt, std::move(message)};
}

std::string columnRange(std::size_t first, std::size_t last) {
    return first == last ? "column " + std::to_string(first)
                         : "columns " + std::to_string(first) + " to " + std::to_string(last);
}

} // namespace

ColumnPick pickColumn(std::string_view text, const TextSelection& selection,
                      const ColumnSpecs& existing) {
    const auto [upper, lower] = std::minmax(
        selection.anchor, selection.caret,
        [](const SelectionEnd& a, const SelectionEnd& b) { return a.position < b.position; });
    const std::size_t top = lineStartOf(text, upper.position);
    const std::size_t bottom = lineStartOf(text, lower.position);
    if (selection.shape == TextSelection::Shape::Stream && top != bottom)
        return refused(
            "The selection runs across lines. Select the characters of the column "
            "within one line, or hold Alt or Ctrl and drag to select a block over several "
            "lines, then choose Add Column from Selection again.");
    // Values, not references: std::minmax over temporaries would dangle.
    const std::size_t upperColumn = columnOf(text, upper);
    const std::size_t lowerColumn = columnOf(text, lower);
    const std::size_t first = std::min(upperColumn, lowerColumn);
    const std::size_t last = std::max(upperColumn, lowerColumn);
    if (first == last)
        return refused(
            "Nothing is selected. Select the characters of the column in the text "
            "(hold Alt or Ctrl and drag to select a block over several lines), then choose "
            "Add Column from Selection.");
    if (!blockHoldsCharacters(text, top, bottom, first))
        return refused("The selection (" + columnRange(first + 1, last) +
                       ") lies past the end of every line it covers. Select characters of the "
                       "text.");
    const std::size_t width = last - first;
    ColumnSpec spec;
    spec.columnHeading =
        pickedHeading(text.substr(top, lineEndOf(text, top) - top), first, width, existing);
    spec.getDataFromColumn = static_cast<long>(first + 1);
    spec.numberOfCharacters = static_cast<long>(width);
    spec.spacesB4NextColumn = 1;
    spec.fieldWidth = static_cast<long>(width);
    return {std::move(spec), {}};
}

namespace {

bool isBlankLine(std::string_view line) {
    return line.find_first_not_of(" \t\f\v") == std::string_view::npos;
}

// The lines from the line of `from` to that of `to`, both included.
std::vector<std::string_view> linesBetween(std::string_view text, std::size_t from,
                                           std::size_t to) {
    std::vector<std::string_view> lines;
    const std::size_t last = lineStartOf(text, to);
    for (std::optional<std::size_t> start = lineStartOf(text, from); start && *start <= last;) {
        const std::size_t end = lineEndOf(text, *start);
        lines.push_back(text.substr(*start, end - *start));
        start = nextLineStart(text, end);
    }
    return lines;
}

// The first `count` lines holding more than blanks, read no further.
std::vector<std::string_view> firstFilled(std::string_view text, std::size_t count) {
    std::vector<std::string_view> lines;
    for (std::optional<std::size_t> start = 0; start && lines.size() < count;) {
        const std::size_t end = lineEndOf(text, *start);
        if (const std::string_view line = text.substr(*start, end - *start); !isBlankLine(line))
            lines.push_back(line);
        start = nextLineStart(text, end);
    }
    return lines;
}

} // namespace

GuessSource guessSourceOf(std::string_view text, const TextSelection& selection,
                          bool firstLineHoldsHeadings) {
    const auto [from, to] = std::minmax(selection.anchor.position, selection.caret.position);
    const bool selected =
        from != to || selection.anchor.virtualSpace != selection.caret.virtualSpace;
    GuessSource source;
    if (!selected) {
        source.lines = firstFilled(text, guessedLineCount + (firstLineHoldsHeadings ? 1 : 0));
    } else {
        // A stream that ends where a line starts took only the line end
        // before it.
        const bool endsAtLineStart = selection.shape == TextSelection::Shape::Stream && to > from &&
                                     lineStartOf(text, to) == to;
        const std::size_t lineBreak = text.substr(0, to).ends_with("\r\n") ? 2 : 1;
        source.lines = linesBetween(text, from, endsAtLineStart ? to - lineBreak : to);
    }
    if (firstLineHoldsHeadings && !source.lines.empty()) {
        source.headingLine = source.lines.front();
        source.lines.erase(source.lines.begin());
    }
    return source;
}

} // namespace fieldizer
