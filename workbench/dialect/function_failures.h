#pragma once
// The messages an Access function fails a statement with. The functions
// raise them; a statement that fails with one, whether SQLite reports it
// while preparing or while the rows are read, is the run-time error of that
// message (5, 94, 93, 13 and 6). They live here, below the functions, the
// translator and the engine, so none needs the others for them.

#include "engine/runtime_error.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace fieldizer::db::access_values {

inline constexpr const char* invalidCall = "Invalid procedure call or argument";
inline constexpr const char* invalidNull = "Invalid use of Null";
inline constexpr const char* invalidPattern = "Invalid pattern string";
inline constexpr const char* typeMismatch = "Type mismatch";
inline constexpr const char* overflow = "Overflow";

// The run-time error a function failed with, when `message` is one of the
// texts above.
inline std::optional<RuntimeError> functionFailure(std::string_view message) {
    namespace number = fieldizer::errors;
    constexpr std::array<std::pair<const char*, int>, 5> failures{{
        {invalidCall, number::invalidCall},
        {invalidNull, number::invalidUseOfNull},
        {invalidPattern, number::invalidPatternString},
        {typeMismatch, number::typeMismatch},
        {overflow, number::overflow},
    }};
    for (const auto& [text, code] : failures)
        if (message == text)
            return RuntimeError(code, std::string(message));
    return std::nullopt;
}

} // namespace fieldizer::db::access_values
