#pragma once
// For the Settings routines that go past errors step by step.

#include "text_engine/runtime_error.h"

#include <optional>

namespace fieldizer {

// Runs `step`; a RuntimeError it throws is kept in `first` when that holds
// none yet, and otherwise dropped.
template <typename Step>
void ignoringErrors(Step&& step, std::optional<RuntimeError>* first = nullptr) {
    try {
        step();
    } catch (const RuntimeError& error) {
        if (first && !*first)
            first->emplace(error);
    }
}

} // namespace fieldizer
