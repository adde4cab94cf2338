#pragma once
// Work on a large text may run out of memory anywhere. The windows report a
// RuntimeError and keep their text; a std::bad_alloc escaping into the event
// loop would end the program and lose it. Runs `work`, turning a failure of
// memory into the run-time error "Out of memory" (7).

#include "text_engine/runtime_error.h"

#include <new>

namespace fieldizer {

// The one wording of a failure of memory, wherever it is found.
inline RuntimeError outOfMemoryError() {
    return RuntimeError(errors::outOfMemory, "Out of memory");
}

template <class Work> decltype(auto) memoryFailureAsError(Work&& work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        throw outOfMemoryError();
    }
}

} // namespace fieldizer
