#pragma once
// Paces the yields of a long operation to the user interface: the first step
// always yields, then a yield comes only when the observer's interval has
// passed. The clock is read only every `stepsPerCheck` steps or 64 KiB of
// progress, so a million short steps cost next to nothing.

#include "text_engine/processing_pass.h"

#include <chrono>
#include <cstdint>

namespace fieldizer {

class ProgressPacer {
  public:
    explicit ProgressPacer(PassObserver& observer, unsigned stepsPerCheck = 128)
        : observer_(observer), interval_(observer.yieldInterval()), stepsPerCheck_(stepsPerCheck) {}

    // Called before each step; `position` is the progress reached so far.
    void beforeStep(std::uint64_t position) {
        if (++stepsSinceCheck_ < stepsPerCheck_ && position - positionAtCheck_ < 64 * 1024 &&
            started_)
            return;
        stepsSinceCheck_ = 0;
        positionAtCheck_ = position;
        const auto now = Clock::now();
        if (started_ && now - lastYield_ < interval_)
            return;
        started_ = true;
        lastYield_ = now;
        observer_.yield(position);
    }

  private:
    using Clock = std::chrono::steady_clock;
    PassObserver& observer_;
    std::chrono::milliseconds interval_;
    unsigned stepsPerCheck_;
    Clock::time_point lastYield_{};
    std::uint64_t positionAtCheck_ = 0;
    unsigned stepsSinceCheck_ = 0;
    bool started_ = false;
};

} // namespace fieldizer
