#pragma once
// The messages an Access function fails a statement with. The functions
// raise them; a statement that fails with one, whether SQLite reports it
// while preparing or while the rows are read, is the run-time error of that
// message (5, 94, 93, 13 and 6). They live here, below the functions, the
// translator and the engine, so none needs the others for them.

#include "text_engine/runtime_error.h"

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

// A value a statement stores that its field cannot hold fails the statement
// with the engine's own error (3421 naming the field, 3349 ...), carried in
// the message as this prefix, the number, a colon and the description.
inline constexpr std::string_view fieldValuePrefix = "fieldValue:";

inline std::string fieldValueFailure(const RuntimeError& error) {
    return std::string(fieldValuePrefix) + std::to_string(error.number()) + ":" +
           error.description();
}

inline std::optional<RuntimeError> fieldValueError(std::string_view message) {
    if (!message.starts_with(fieldValuePrefix))
        return std::nullopt;
    message.remove_prefix(fieldValuePrefix.size());
    const std::size_t colon = message.find(':');
    if (colon == 0 || colon > 5 || colon == std::string_view::npos)
        return std::nullopt;
    int number = 0;
    for (char digit : message.substr(0, colon)) {
        if (digit < '0' || digit > '9')
            return std::nullopt;
        number = number * 10 + (digit - '0');
    }
    return RuntimeError(number, std::string(message.substr(colon + 1)));
}

// The run-time error a function failed with, when `message` is one of the
// texts above (or a field's refusal of a value).
inline std::optional<RuntimeError> functionFailure(std::string_view message) {
    if (auto refused = fieldValueError(message))
        return refused;
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
