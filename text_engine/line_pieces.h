#pragma once
// Pieces of a line by 1-based column, with the argument rules of the line
// operations: a start column below 1 or a negative length is an invalid
// argument (error 5); a piece that runs past the end of the line is cut
// short there, and one that starts beyond the end is empty.
// Every piece is a view into the line; nothing is allocated.

#include "text_engine/runtime_error.h"

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace fieldizer::pieces {

// A count or length taken from a parameter: negative is an invalid argument.
inline std::size_t count(int n) {
    if (n < 0)
        throw errors::invalidProcedureCall();
    return static_cast<std::size_t>(n);
}

// The first `count` bytes (the whole line when it is shorter).
inline std::string_view left(std::string_view line, std::size_t count) {
    return line.substr(0, std::min(line.size(), count));
}

// The last `count` bytes (the whole line when it is shorter).
inline std::string_view right(std::string_view line, std::size_t count) {
    return count >= line.size() ? line : line.substr(line.size() - count);
}

// From `column` to the end of the line.
inline std::string_view mid(std::string_view line, int column) {
    if (column < 1)
        throw errors::invalidProcedureCall();
    const auto start = static_cast<std::size_t>(column - 1);
    return start >= line.size() ? std::string_view() : line.substr(start);
}

// `length` bytes from `column`.
inline std::string_view mid(std::string_view line, int column, std::size_t length) {
    return mid(line, column).substr(0, length);
}

} // namespace fieldizer::pieces
