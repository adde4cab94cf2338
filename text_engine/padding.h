#pragma once
// The spaces options shared by the operations that put spaces around a piece
// of text, and the padding routines. Option values are compared as exact
// strings.

#include <string>
#include <string_view>

namespace fieldizer {

// The spaces option (moveOptions, addOptions, deleteOptions, formatOptions).
inline constexpr std::string_view addSpacesOption = "Add spaces";
inline constexpr std::string_view omitSpacesOption = "Omit spaces";

// The place of spaces (movePlaceSpaces, addPlaceSpaces, formatPlaceSpaces).
inline constexpr std::string_view bothSidesPlace = "Both sides";
inline constexpr std::string_view leftSidePlace = "Left side";
inline constexpr std::string_view rightSidePlace = "Right side";

enum class SpacePlace { None, Left, Right, BothSides };

// The place a place-of-spaces value names; any value other than the three
// list items puts no spaces anywhere.
SpacePlace spacePlace(std::string_view placeSpaces);

// The place that applies for a spaces option and a place value: None unless
// the option is exactly "Add spaces".
SpacePlace spacePlace(std::string_view spacesOption, std::string_view placeSpaces);

// n spaces, then t. A negative n is an invalid argument (error 5).
std::string spacesLeft(int n, std::string_view t);
// t, then n spaces.
std::string spacesRight(int n, std::string_view t);
// n spaces, t, n spaces.
std::string spacesBothSides(int n, std::string_view t);

// The routine that the place value names ("Left side" spacesLeft, ...);
// t unchanged for any other value.
std::string spacesByPlace(std::string_view placeSpaces, int n, std::string_view t);

// Appends t padded as `place` says, without building a temporary string.
void appendPadded(std::string& out, SpacePlace place, int n, std::string_view t);

// The length appendPadded would append.
std::size_t paddedLength(SpacePlace place, int n, std::size_t length);

// Appends n spaces; a negative n is an invalid argument (error 5).
void appendSpaces(std::string& out, int n);

} // namespace fieldizer
