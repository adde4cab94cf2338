#pragma once
// Helpers shared by the line operation tests.

#include "runtime_error_checks.h"
#include "text_engine/processing_pass.h"
#include "text_engine/runtime_error.h"

#include <gtest/gtest.h>
#include <optional>
#include <string>
#include <string_view>

namespace fieldizer::testing {

// What the operation makes of one line: the result, or nothing when dropped.
inline std::optional<std::string> lineResult(const LineOperation& operation,
                                             std::string_view line) {
    std::string out;
    if (!operation(line, out))
        return std::nullopt;
    return out;
}

// A whole text through the operation, as the pass joins it.
inline std::string textResult(const LineOperation& operation, std::string_view text) {
    PassObserver observer;
    return runPassInMemory(text, operation, observer).text;
}

// A routine's result for one line, built in a fresh string.
template <class Routine, class Parameters>
std::string routineResult(Routine routine, std::string_view line, const Parameters& parameters) {
    std::string out;
    routine(line, parameters, out);
    return out;
}

// Expects `call` to raise error 5 with its exact description.
template <class Call> void expectInvalidArgument(Call call) {
    EXPECT_RUNTIME_ERROR(call(), errors::invalidCall, "Invalid procedure call or argument");
}

} // namespace fieldizer::testing
