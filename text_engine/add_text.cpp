#include "text_engine/add_text.h"

#include "text_engine/line_pieces.h"
#include "text_engine/padding.h"
#include "text_engine/text_lines.h"

namespace fieldizer {

AddParameters addParameters(const ParameterValues& v) {
    AddParameters p;
    p.addText = textValue(v, "addText");
    p.addIfContains = textValue(v, "addIfContains");
    p.addAtCol = numberValue(v, "addAtCol");
    p.addEndOfLine = flagValue(v, "addEndOfLine");
    p.addOptions = textValue(v, "addOptions");
    p.addSpaces = numberValue(v, "addSpaces");
    p.addPlaceSpaces = textValue(v, "addPlaceSpaces");
    p.addAfterProcess = flagValue(v, "addAfterProcess");
    p.addAfterProcessShow = flagValue(v, "addAfterProcessShow");
    return p;
}

bool addSelectsLine(std::string_view line, const AddParameters& p) {
    if (line.empty())
        return p.addIfContains == crlf;
    return p.addIfContains.empty() || line.find(p.addIfContains) != line.npos;
}

void addText(std::string_view line, const AddParameters& p, std::string& out) {
    const SpacePlace place = spacePlace(p.addOptions, p.addPlaceSpaces);
    if (p.addEndOfLine) {
        out.append(line);
        appendPadded(out, place, p.addSpaces, p.addText);
        return;
    }
    if (paddedLength(place, p.addSpaces, p.addText.size()) == 0) {
        out.append(line);
        return;
    }
    if (p.addAtCol < 1)
        throw errors::invalidProcedureCall();
    const std::string_view head = pieces::left(line, static_cast<std::size_t>(p.addAtCol - 1));
    out.append(head);
    appendPadded(out, place, p.addSpaces, p.addText);
    out.append(line.substr(head.size()));
}

LineOperation addOperation(AddParameters parameters) {
    return [p = std::move(parameters)](std::string_view line, std::string& out) {
        if (addSelectsLine(line, p))
            addText(line, p, out);
        else
            out.append(line);
        return true;
    };
}

} // namespace fieldizer
