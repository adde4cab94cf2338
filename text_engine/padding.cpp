#include "text_engine/padding.h"

#include "text_engine/runtime_error.h"

namespace fieldizer {
namespace {

bool padsLeft(SpacePlace place) {
    return place == SpacePlace::Left || place == SpacePlace::BothSides;
}

bool padsRight(SpacePlace place) {
    return place == SpacePlace::Right || place == SpacePlace::BothSides;
}

std::string padded(SpacePlace place, int n, std::string_view t) {
    std::string out;
    out.reserve(paddedLength(place, n, t.size()));
    appendPadded(out, place, n, t);
    return out;
}

} // namespace

SpacePlace spacePlace(std::string_view placeSpaces) {
    if (placeSpaces == bothSidesPlace)
        return SpacePlace::BothSides;
    if (placeSpaces == leftSidePlace)
        return SpacePlace::Left;
    if (placeSpaces == rightSidePlace)
        return SpacePlace::Right;
    return SpacePlace::None;
}

SpacePlace spacePlace(std::string_view spacesOption, std::string_view placeSpaces) {
    return spacesOption == addSpacesOption ? spacePlace(placeSpaces) : SpacePlace::None;
}

std::string spacesLeft(int n, std::string_view t) {
    return padded(SpacePlace::Left, n, t);
}

std::string spacesRight(int n, std::string_view t) {
    return padded(SpacePlace::Right, n, t);
}

std::string spacesBothSides(int n, std::string_view t) {
    return padded(SpacePlace::BothSides, n, t);
}

std::string spacesByPlace(std::string_view placeSpaces, int n, std::string_view t) {
    return padded(spacePlace(placeSpaces), n, t);
}

void appendPadded(std::string& out, SpacePlace place, int n, std::string_view t) {
    if (n < 0 && place != SpacePlace::None)
        throw errors::invalidProcedureCall();
    if (padsLeft(place))
        out.append(static_cast<std::size_t>(n), ' ');
    out.append(t);
    if (padsRight(place))
        out.append(static_cast<std::size_t>(n), ' ');
}

std::size_t paddedLength(SpacePlace place, int n, std::size_t length) {
    const auto spaces = static_cast<std::size_t>(n < 0 ? 0 : n);
    return length + (padsLeft(place) ? spaces : 0) + (padsRight(place) ? spaces : 0);
}

void appendSpaces(std::string& out, int n) {
    if (n < 0)
        throw errors::invalidProcedureCall();
    out.append(static_cast<std::size_t>(n), ' ');
}

} // namespace fieldizer
