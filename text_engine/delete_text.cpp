#include "text_engine/delete_text.h"

#include "text_engine/line_pieces.h"
#include "text_engine/padding.h"
#include "text_engine/text_lines.h"

namespace fieldizer {
namespace {

using DeleteRoutine = void (*)(std::string_view, const DeleteParameters&, std::string&);

DeleteRoutine deleteRoutine(std::string_view deleteText) {
    if (deleteText == generalDeleteMode)
        return generalDelete;
    if (deleteText == specificDeleteMode)
        return specificDelete;
    return enteredDelete;
}

// How many spaces take the place of deleted text.
int spacesPutIn(const DeleteParameters& p) {
    return p.deleteOptions == addSpacesOption ? p.deleteSpaces : 0;
}

// The spaces put in can never be part of an occurrence, so one scan of the
// line from left to right finds exactly what the repeated search would.
void deleteEverywhere(std::string_view line, std::string_view text, int spaces, std::string& out) {
    std::size_t from = 0;
    for (std::size_t at = line.find(text); at != line.npos; at = line.find(text, from)) {
        out.append(line.substr(from, at - from));
        appendSpaces(out, spaces);
        from = at + text.size();
    }
    out.append(line.substr(from));
}

// The search goes on where the deleted text began, so the spaces put in are
// searched again; the count of deletions keeps that from going on forever.
void deleteSearchingSpaces(std::string_view line, std::string_view text, int spaces,
                           std::string& out) {
    const std::size_t base = out.size();
    out.append(line);
    const auto spaceCount = pieces::count(spaces);
    std::size_t from = base;
    for (std::size_t made = 0; made < line.size(); ++made) {
        const std::size_t at = out.find(text, from);
        if (at == out.npos)
            break;
        out.replace(at, text.size(), spaceCount, ' ');
        from = at;
    }
}

// The line, from `column` on `length` bytes replaced by the spaces.
void deleteAt(std::string_view line, std::size_t column, std::size_t length, int spaces,
              std::string& out) {
    const std::string_view head = pieces::left(line, column - 1);
    out.append(head);
    appendSpaces(out, spaces);
    const std::size_t restAt = column - 1 + length;
    if (restAt < line.size())
        out.append(line.substr(restAt));
}

// The line without its last `length` bytes, then the spaces.
void deleteAtEnd(std::string_view line, std::size_t length, int spaces, std::string& out) {
    if (line.size() > length)
        out.append(line.substr(0, line.size() - length));
    appendSpaces(out, spaces);
}

// The blank-line rule around a routine: empty lines reach the routine only
// while the rule holds, and then every line it leaves empty is dropped.
bool applyDelete(DeleteRoutine routine, bool dropBlank, std::string_view line,
                 const DeleteParameters& p, std::string& out) {
    if (line.empty() && !dropBlank)
        return true;
    const std::size_t base = out.size();
    routine(line, p, out);
    return !(dropBlank && out.size() == base);
}

} // namespace

DeleteParameters deleteParameters(const ParameterValues& v) {
    DeleteParameters p;
    p.deleteText = textValue(v, "deleteText");
    p.deleteSpecificText = textValue(v, "deleteSpecificText");
    p.deleteFromCol = numberValue(v, "deleteFromCol");
    p.deleteNumOfChars = numberValue(v, "deleteNumOfChars");
    p.deleteEndOfLine = flagValue(v, "deleteEndOfLine");
    p.deleteOptions = textValue(v, "deleteOptions");
    p.deleteSpaces = numberValue(v, "deleteSpaces");
    p.deleteAfterProcess = flagValue(v, "deleteAfterProcess");
    p.deleteAfterProcessShow = flagValue(v, "deleteAfterProcessShow");
    return p;
}

bool deleteDropsBlankLines(const DeleteParameters& p) {
    return p.deleteSpecificText == crlf;
}

void enteredDelete(std::string_view line, const DeleteParameters& p, std::string& out) {
    const std::string_view text = p.deleteText;
    const int spaces = spacesPutIn(p);
    if (text.empty())
        out.append(line);
    else if (spaces == 0 || text.find(' ') == text.npos)
        deleteEverywhere(line, text, spaces, out);
    else
        deleteSearchingSpaces(line, text, spaces, out);
}

void specificDelete(std::string_view line, const DeleteParameters& p, std::string& out) {
    const std::string_view specific = p.deleteSpecificText;
    const bool blankLine = line.empty() && specific == crlf;
    if (p.deleteEndOfLine) {
        const std::string_view piece = pieces::right(line, specific.size());
        if (piece == specific || blankLine)
            deleteAtEnd(line, piece.size(), spacesPutIn(p), out);
        else
            out.append(line);
        return;
    }
    const std::string_view piece = pieces::mid(line, p.deleteFromCol, specific.size());
    if (piece == specific || blankLine)
        deleteAt(line, static_cast<std::size_t>(p.deleteFromCol), piece.size(), spacesPutIn(p),
                 out);
    else
        out.append(line);
}

void generalDelete(std::string_view line, const DeleteParameters& p, std::string& out) {
    const std::size_t count = pieces::count(p.deleteNumOfChars);
    if (p.deleteEndOfLine) {
        deleteAtEnd(line, count, spacesPutIn(p), out);
        return;
    }
    const std::string_view piece = pieces::mid(line, p.deleteFromCol, count);
    if (piece.empty())
        out.append(line);
    else
        deleteAt(line, static_cast<std::size_t>(p.deleteFromCol), piece.size(), spacesPutIn(p),
                 out);
}

bool deleteLine(std::string_view line, const DeleteParameters& p, std::string& out) {
    return applyDelete(deleteRoutine(p.deleteText), deleteDropsBlankLines(p), line, p, out);
}

LineOperation deleteOperation(DeleteParameters parameters) {
    const DeleteRoutine routine = deleteRoutine(parameters.deleteText);
    const bool dropBlank = deleteDropsBlankLines(parameters);
    return
        [p = std::move(parameters), routine, dropBlank](std::string_view line, std::string& out) {
            return applyDelete(routine, dropBlank, line, p, out);
        };
}

} // namespace fieldizer
