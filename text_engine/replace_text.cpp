#include "text_engine/replace_text.h"

#include "text_engine/line_pieces.h"

namespace fieldizer {
namespace {

using ReplaceRoutine = void (*)(std::string_view, const ReplaceParameters&, std::string&);

ReplaceRoutine replaceRoutine(std::string_view replaceText) {
    if (replaceText == generalReplaceMode)
        return generalReplace;
    if (replaceText == specificReplaceMode)
        return specificReplace;
    return enteredReplace;
}

// The line with its bytes from 1-based `column` on, `length` of them, taken
// out and `with` put in their place.
void appendReplaced(std::string_view line, int column, std::size_t length, std::string_view with,
                    std::string& out) {
    const std::string_view head = pieces::left(line, static_cast<std::size_t>(column - 1));
    out.append(head);
    out.append(with);
    const std::size_t restAt = head.size() + length;
    if (restAt < line.size())
        out.append(line.substr(restAt));
}

} // namespace

ReplaceParameters replaceParameters(const ParameterValues& v) {
    ReplaceParameters p;
    p.replaceText = textValue(v, "replaceText");
    p.replaceSpecificText = textValue(v, "replaceSpecificText");
    p.replaceAtCol = numberValue(v, "replaceAtCol");
    p.replaceNumOfChars = numberValue(v, "replaceNumOfChars");
    p.replaceWith = textValue(v, "replaceWith");
    p.replaceEndOfLine = flagValue(v, "replaceEndOfLine");
    p.replaceAfterProcess = flagValue(v, "replaceAfterProcess");
    p.replaceAfterProcessShow = flagValue(v, "replaceAfterProcessShow");
    return p;
}

void enteredReplace(std::string_view line, const ReplaceParameters& p, std::string& out) {
    const std::string_view find = p.replaceText;
    if (find.empty()) {
        out.append(line);
        return;
    }
    std::size_t from = 0;
    for (std::size_t at = line.find(find); at != line.npos; at = line.find(find, from)) {
        out.append(line.substr(from, at - from));
        out.append(p.replaceWith);
        from = at + find.size();
    }
    out.append(line.substr(from));
}

void specificReplace(std::string_view line, const ReplaceParameters& p, std::string& out) {
    const std::string_view specific = p.replaceSpecificText;
    if (p.replaceEndOfLine) {
        if (pieces::right(line, specific.size()) != specific) {
            out.append(line);
            return;
        }
        out.append(line.substr(0, line.size() - specific.size()));
        out.append(p.replaceWith);
        return;
    }
    if (pieces::mid(line, p.replaceAtCol, specific.size()) != specific) {
        out.append(line);
        return;
    }
    appendReplaced(line, p.replaceAtCol, specific.size(), p.replaceWith, out);
}

void generalReplace(std::string_view line, const ReplaceParameters& p, std::string& out) {
    const std::size_t count = pieces::count(p.replaceNumOfChars);
    if (p.replaceEndOfLine) {
        if (line.size() > count)
            out.append(line.substr(0, line.size() - count));
        out.append(p.replaceWith);
        return;
    }
    // The rest starts at column c + n; a column of 0 is accepted while
    // c + n is still a column.
    const long long restColumn = static_cast<long long>(p.replaceAtCol) + p.replaceNumOfChars;
    if (restColumn < 1)
        throw errors::invalidProcedureCall();
    const std::string_view rest = restColumn > static_cast<long long>(line.size())
                                      ? std::string_view()
                                      : line.substr(static_cast<std::size_t>(restColumn - 1));
    if (p.replaceAtCol > 1)
        out.append(pieces::left(line, static_cast<std::size_t>(p.replaceAtCol - 1)));
    out.append(p.replaceWith);
    out.append(rest);
}

void replaceLine(std::string_view line, const ReplaceParameters& p, std::string& out) {
    if (line.empty())
        return;
    replaceRoutine(p.replaceText)(line, p, out);
}

LineOperation replaceOperation(ReplaceParameters parameters) {
    const ReplaceRoutine routine = replaceRoutine(parameters.replaceText);
    return [p = std::move(parameters), routine](std::string_view line, std::string& out) {
        if (!line.empty())
            routine(line, p, out);
        return true;
    };
}

} // namespace fieldizer
