#include "text_engine/format_text.h"

#include "text_engine/delimiter_replace.h"
#include "text_engine/line_pieces.h"
#include "text_engine/padding.h"
#include "text_engine/text_lines.h"

#include <algorithm>
#include <memory>

namespace fieldizer {
namespace {

enum class DelimiterKind { Spaces, Single, Sequence };

struct Delimiter {
    DelimiterKind kind;
    std::string_view text; // the whole value, the one character, or the sequence
};

Delimiter delimiterOf(std::string_view value) {
    const std::size_t first = value.find_first_not_of(' ');
    if (first == value.npos)
        return {DelimiterKind::Spaces, value};
    const std::string_view trimmed = value.substr(first, value.find_last_not_of(' ') + 1 - first);
    return {trimmed.size() == 1 ? DelimiterKind::Single : DelimiterKind::Sequence, trimmed};
}

// Where section k (from 1) that starts at `from` ends, or npos when it runs
// to the end of the line.
std::size_t sectionEnd(std::string_view line, const Delimiter& d, std::size_t k, std::size_t from) {
    switch (d.kind) {
    case DelimiterKind::Spaces:
        return line.find(d.text, from);
    case DelimiterKind::Single:
        return line.find(d.text.front(), from);
    case DelimiterKind::Sequence:
        return k <= d.text.size() ? line.find(d.text[k - 1], from) : line.npos;
    }
    return line.npos;
}

// How the sections of a line get their added text, decided once per line.
struct AddedText {
    bool any;       // formatAddText is not "Omit text"
    bool skipFirst; // section 1 gets nothing
    bool atStart;
    bool atEnd;
    SpacePlace place;
};

AddedText addedTextOf(const FormatParameters& p) {
    return {p.formatAddText != omitTextAdd, p.formatFirstSection == "No",
            p.formatAddText == startOfLineAdd || p.formatAddText == startOfColumnAdd,
            p.formatAddText == endOfLineAdd || p.formatAddText == endOfColumnAdd,
            spacePlace(p.formatOptions, p.formatPlaceSpaces)};
}

// The piece for section k: the section, with the text to add when it gets one.
void appendPiece(std::string_view line, std::string_view section, std::size_t k,
                 const FormatParameters& p, const AddedText& added, std::string& out) {
    if (!added.any || section.empty() || (k == 1 && added.skipFirst)) {
        out.append(section);
        return;
    }
    const std::string_view text =
        !p.formatTextToAdd.empty()
            ? std::string_view(p.formatTextToAdd)
            : pieces::mid(line, p.formatAddFromCol, pieces::count(p.formatNumOfChars));
    const bool adds = (added.atStart || added.atEnd) &&
                      paddedLength(added.place, p.formatSpaces, text.size()) > 0;
    if (adds && added.atStart)
        appendPadded(out, added.place, p.formatSpaces, text);
    out.append(section);
    if (adds && added.atEnd)
        appendPadded(out, added.place, p.formatSpaces, text);
}

// What the parameters decide for every line alike, worked out once per pass
// rather than once per line. Views point into the parameters it was made of.
struct Prepared {
    Delimiter delimiter;
    std::size_t delimiterLength;
    AddedText added;
    std::size_t firstColumn;     // where section 1 starts, 0-based
    std::string columnSeparator; // New column: the spaces between columns
};

Prepared prepare(const FormatParameters& p) {
    const Delimiter delimiter = delimiterOf(p.formatDelimiter);
    return {delimiter, delimiter.kind == DelimiterKind::Spaces ? delimiter.text.size() : 1,
            addedTextOf(p), p.formatLineStart == "Yes" ? std::size_t{1} : 0,
            std::string(pieces::count(p.formatSpacesBetweenCols), ' ')};
}

// Cuts the line into sections; every section that ends at a delimiter is
// followed by `separator`.
void formatSections(std::string_view line, const FormatParameters& p, const Prepared& prepared,
                    std::string_view separator, std::string& out) {
    if (!prepared.added.any && prepared.delimiter.kind == DelimiterKind::Single) {
        replaceEachDelimiter(line.substr(prepared.firstColumn), prepared.delimiter.text.front(),
                             separator, out);
        return;
    }
    std::size_t from = prepared.firstColumn;
    for (std::size_t k = 1;; ++k) {
        const std::size_t end = sectionEnd(line, prepared.delimiter, k, from);
        if (end == line.npos) {
            appendPiece(line, line.substr(from), k, p, prepared.added, out);
            return;
        }
        appendPiece(line, line.substr(from, end - from), k, p, prepared.added, out);
        out.append(separator);
        from = end + prepared.delimiterLength;
    }
}

void newColumnPrepared(std::string_view line, const FormatParameters& p, const Prepared& prepared,
                       std::string& out) {
    formatSections(line, p, prepared, prepared.columnSeparator, out);
}

void newLinePrepared(std::string_view line, const FormatParameters& p, const Prepared& prepared,
                     std::string& out) {
    formatSections(line, p, prepared, crlf, out);
}

} // namespace

FormatParameters formatParameters(const ParameterValues& v) {
    FormatParameters p;
    p.formatCreate = textValue(v, "formatCreate");
    p.formatDelimiter = textValue(v, "formatDelimiter");
    p.formatLineStart = textValue(v, "formatLineStart");
    p.formatSpacesBetweenCols = numberValue(v, "formatSpacesBetweenCols");
    p.formatAddText = textValue(v, "formatAddText");
    p.formatTextToAdd = textValue(v, "formatTextToAdd");
    p.formatAddFromCol = numberValue(v, "formatAddFromCol");
    p.formatNumOfChars = numberValue(v, "formatNumOfChars");
    p.formatFirstSection = textValue(v, "formatFirstSection");
    p.formatOptions = textValue(v, "formatOptions");
    p.formatPlaceSpaces = textValue(v, "formatPlaceSpaces");
    p.formatSpaces = numberValue(v, "formatSpaces");
    p.formatAfterProcess = flagValue(v, "formatAfterProcess");
    p.formatAfterProcessShow = flagValue(v, "formatAfterProcessShow");
    return p;
}

void newColumn(std::string_view line, const FormatParameters& p, std::string& out) {
    newColumnPrepared(line, p, prepare(p), out);
}

void newLine(std::string_view line, const FormatParameters& p, std::string& out) {
    newLinePrepared(line, p, prepare(p), out);
}

void formatLine(std::string_view line, const FormatParameters& p, std::string& out) {
    // Nothing to format and a mode that makes nothing both pass the line
    // through; two rules, kept apart.
    // NOLINTNEXTLINE(bugprone-branch-clone)
    if (line.empty() || p.formatDelimiter.empty())
        out.append(line);
    else if (p.formatCreate == newColumnCreate)
        newColumn(line, p, out);
    else if (p.formatCreate == newLineCreate)
        newLine(line, p, out);
    else
        out.append(line);
}

LineOperation formatOperation(FormatParameters parameters) {
    using Routine =
        void (*)(std::string_view, const FormatParameters&, const Prepared&, std::string&);
    Routine routine = nullptr;
    if (!parameters.formatDelimiter.empty() && parameters.formatCreate == newColumnCreate)
        routine = newColumnPrepared;
    else if (!parameters.formatDelimiter.empty() && parameters.formatCreate == newLineCreate)
        routine = newLinePrepared;
    // The prepared views point into the parameters, so both live together at
    // one address for the whole pass.
    struct Job {
        FormatParameters parameters;
        Prepared prepared;
    };
    auto job = std::make_shared<Job>(Job{std::move(parameters), {}});
    job->prepared = prepare(job->parameters);
    return [job, routine](std::string_view line, std::string& out) {
        if (routine == nullptr || line.empty())
            out.append(line);
        else
            routine(line, job->parameters, job->prepared, out);
        return true;
    };
}

} // namespace fieldizer
