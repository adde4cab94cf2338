#include "engine/format_text.h"

#include "engine/line_pieces.h"
#include "engine/padding.h"
#include "engine/text_lines.h"

#include <algorithm>
#include <cstring>
#include <memory>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Copies the bytes [from, to) of a 16-byte block. With room enough on both
// sides one unaligned 16-byte copy does it (bytes beyond `to` are written but
// overwritten later); otherwise two overlapping copies of a fixed size, which
// the compiler does inline instead of calling memmove for a few bytes.
inline char* copyWithin16(const char* from, const char* to, const char* sourceEnd, char* target) {
    const auto length = static_cast<std::size_t>(to - from);
    if (from + 16 <= sourceEnd) {
        std::memcpy(target, from, 16);
    } else if (length >= 8) {
        std::memcpy(target, from, 8);
        std::memcpy(target + length - 8, to - 8, 8);
    } else if (length >= 4) {
        std::memcpy(target, from, 4);
        std::memcpy(target + length - 4, to - 4, 4);
    } else {
        for (std::size_t i = 0; i < length; ++i)
            target[i] = from[i];
    }
    return target + length;
}

#if defined(__SSE2__)
// The separator, padded to a whole block when it is short enough, so that
// writing it is one fixed-size copy instead of a call to memmove.
struct BlockSeparator {
    explicit BlockSeparator(std::string_view text) : text(text) {
        if (text.size() <= sizeof padded)
            std::copy(text.begin(), text.end(), padded);
    }
    char* write(char* target) const {
        if (text.size() > sizeof padded)
            return std::copy(text.begin(), text.end(), target);
        std::memcpy(target, padded, sizeof padded);
        return target + text.size();
    }
    std::string_view text;
    char padded[16] = {};
};

// The set bits of a 16-bit mask, without the library call that a popcount
// becomes on processors the build does not assume to have the instruction.
inline std::size_t bitCount16(unsigned bits) {
    bits = bits - ((bits >> 1) & 0x5555u);
    bits = (bits & 0x3333u) + ((bits >> 2) & 0x3333u);
    bits = (bits + (bits >> 4)) & 0x0F0Fu;
    return (bits + (bits >> 8)) & 0x1Fu;
}

// How often `delimiter` stands in the line, counted a block at a time: each
// byte lane counts its hits (a match is -1, so subtracting adds one) and the
// lanes are summed before any of them could overflow. std::count would widen
// every byte to a 64-bit counter.
std::size_t countDelimiters(std::string_view line, __m128i delimiters, char delimiter) {
    std::size_t count = 0;
    const char* at = line.data();
    const char* const end = at + line.size();
    while (at + 16 <= end) {
        __m128i lanes = _mm_setzero_si128();
        for (int blocks = 0; blocks < 255 && at + 16 <= end; ++blocks, at += 16) {
            const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(at));
            lanes = _mm_sub_epi8(lanes, _mm_cmpeq_epi8(bytes, delimiters));
        }
        const __m128i sums = _mm_sad_epu8(lanes, _mm_setzero_si128());
        count += static_cast<std::size_t>(_mm_cvtsi128_si32(sums)) +
                 static_cast<std::size_t>(_mm_extract_epi16(sums, 4));
    }
    if (at != end && line.size() >= 16) {
        // The last few bytes: the line's last whole block, counted from
        // where the blocks before it ended.
        const char* last = end - 16;
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(last));
        const auto found =
            static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, delimiters)));
        return count + bitCount16(found & (0xFFFFu << (at - last)));
    }
    for (; at != end; ++at)
        count += *at == delimiter ? 1 : 0;
    return count;
}

// The 16 bytes at `block` from offset `start` on: copied whole when they hold
// no delimiter, else run by run with each delimiter replaced. `readableEnd`
// bounds what may be read beyond them.
[[gnu::always_inline]] inline char* replaceInBlock(const char* block, unsigned start,
                                                   const char* readableEnd, __m128i delimiters,
                                                   const BlockSeparator& separator, char* target) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, delimiters))) &
                 (0xFFFFu << start);
    if (found == 0 && start == 0) {
        _mm_storeu_si128(reinterpret_cast<__m128i*>(target), bytes);
        return target + 16;
    }
    const char* run = block + start;
    for (; found != 0; found &= found - 1) {
        const char* hit = block + __builtin_ctz(found);
        target = copyWithin16(run, hit, readableEnd, target);
        target = separator.write(target);
        run = hit + 1;
    }
    return copyWithin16(run, block + 16, readableEnd, target);
}
#endif

// The common case, one delimiter character and nothing added: every
// delimiter becomes the separator. The line is scanned 16 bytes at a time
// and copied in blocks; only the delimiters found cost a step of their own.
void replaceEachDelimiter(std::string_view line, char delimiter, std::string_view separator,
                          std::string& out) {
#if defined(__SSE2__)
    const __m128i delimiters = _mm_set1_epi8(delimiter);
    const std::size_t count = countDelimiters(line, delimiters, delimiter);
#else
    const auto count = static_cast<std::size_t>(std::count(line.begin(), line.end(), delimiter));
#endif
    const std::size_t base = out.size();
    const std::size_t size = base + line.size() - count + count * separator.size();
    out.resize(size + 16); // room for whole-block copies that run past the end
    char* target = out.data() + base;
    const char* at = line.data();
    const char* const end = line.data() + line.size();
#if defined(__SSE2__)
    const BlockSeparator blockSeparator(separator);
    for (; at + 16 <= end; at += 16)
        target = replaceInBlock(at, 0, end, delimiters, blockSeparator, target);
    if (at != end && line.size() >= 16) {
        // The last few bytes: the last whole block of the line, from where
        // the blocks before it ended.
        const char* last = end - 16;
        replaceInBlock(last, static_cast<unsigned>(at - last), end, delimiters, blockSeparator,
                       target);
        at = end;
    }
    for (; at != end; ++at) { // a line shorter than one block
        if (*at != delimiter)
            *target++ = *at;
        else
            target = blockSeparator.write(target);
    }
#else
    for (; at != end; ++at) {
        if (*at != delimiter)
            *target++ = *at;
        else
            target = std::copy(separator.begin(), separator.end(), target);
    }
#endif
    out.resize(size);
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
