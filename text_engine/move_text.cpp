#include "text_engine/move_text.h"

#include "text_engine/line_pieces.h"
#include "text_engine/padding.h"

namespace fieldizer {
namespace {

using MoveRoutine = void (*)(std::string_view, const MoveParameters&, std::string&);

MoveRoutine moveRoutine(std::string_view textToMove) {
    if (textToMove == generalMoveMode)
        return generalMove;
    if (textToMove == specificMoveMode)
        return specificMove;
    return enteredMove;
}

// The move step for `piece`, found at 1-based `from` (beyond the end of the
// line for an empty piece): the padded copy goes into the unchanged line at
// the target, then the piece is removed from where it now stands.
// Everything is built in place in `out`.
void movePiece(std::string_view line, std::size_t from, std::string_view piece,
               const MoveParameters& p, std::string& out) {
    const SpacePlace place = spacePlace(p.moveOptions, p.movePlaceSpaces);
    std::size_t insertAt = line.size();
    if (!p.moveEndOfLine) {
        if (p.moveToCol < 1)
            throw errors::invalidProcedureCall();
        insertAt = std::min(line.size(), static_cast<std::size_t>(p.moveToCol - 1));
    }
    const std::size_t base = out.size();
    out.append(line.substr(0, insertAt));
    appendPadded(out, place, p.moveSpaces, piece);
    out.append(line.substr(insertAt));

    // A copy inserted in front of the source piece pushed it right.
    std::size_t removeAt = from;
    if (!p.moveEndOfLine && from >= static_cast<std::size_t>(p.moveToCol))
        removeAt += paddedLength(place, p.moveSpaces, piece.size());
    const std::size_t lineSize = out.size() - base;
    out.erase(base + std::min(removeAt - 1, lineSize), piece.size());
}

} // namespace

MoveParameters moveParameters(const ParameterValues& v) {
    MoveParameters p;
    p.textToMove = textValue(v, "textToMove");
    p.moveSpecificText = textValue(v, "moveSpecificText");
    p.moveFromCol = numberValue(v, "moveFromCol");
    p.moveNumOfChars = numberValue(v, "moveNumOfChars");
    p.moveToCol = numberValue(v, "moveToCol");
    p.moveEndOfLine = flagValue(v, "moveEndOfLine");
    p.moveOptions = textValue(v, "moveOptions");
    p.moveSpaces = numberValue(v, "moveSpaces");
    p.movePlaceSpaces = textValue(v, "movePlaceSpaces");
    p.moveAfterProcess = flagValue(v, "moveAfterProcess");
    p.moveAfterProcessShow = flagValue(v, "moveAfterProcessShow");
    return p;
}

void enteredMove(std::string_view line, const MoveParameters& p, std::string& out) {
    const std::size_t found = p.textToMove.empty() ? line.npos : line.find(p.textToMove);
    if (found == line.npos) {
        out.append(line);
        return;
    }
    movePiece(line, found + 1, line.substr(found, p.textToMove.size()), p, out);
}

void generalMove(std::string_view line, const MoveParameters& p, std::string& out) {
    const std::string_view piece =
        pieces::mid(line, p.moveFromCol, pieces::count(p.moveNumOfChars));
    if (piece.empty()) {
        out.append(line);
        return;
    }
    movePiece(line, static_cast<std::size_t>(p.moveFromCol), piece, p, out);
}

void specificMove(std::string_view line, const MoveParameters& p, std::string& out) {
    const std::string_view specific = p.moveSpecificText;
    const std::string_view piece = pieces::mid(line, p.moveFromCol, specific.size());
    const SpacePlace place = spacePlace(p.moveOptions, p.movePlaceSpaces);
    if (piece != specific || paddedLength(place, p.moveSpaces, piece.size()) == 0) {
        out.append(line);
        return;
    }
    movePiece(line, static_cast<std::size_t>(p.moveFromCol), piece, p, out);
}

void moveLine(std::string_view line, const MoveParameters& p, std::string& out) {
    if (!line.empty())
        moveRoutine(p.textToMove)(line, p, out);
}

LineOperation moveOperation(MoveParameters parameters) {
    const MoveRoutine routine = moveRoutine(parameters.textToMove);
    return [p = std::move(parameters), routine](std::string_view line, std::string& out) {
        if (!line.empty())
            routine(line, p, out);
        return true;
    };
}

} // namespace fieldizer
