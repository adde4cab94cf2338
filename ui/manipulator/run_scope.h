#pragma once
// One run of the Manipulator's pass frame as a scope: while it lives the
// text and every command but Stop wait; it ends on every way out, however
// the work inside it ends (a result, Stop, an error, a failure of memory).
// `end()` ends it early, where the window goes on after the work.

#include <new>
#include <utility>

namespace fieldizer::ui {

template <class Owner> class RunScope {
  public:
    explicit RunScope(Owner& owner) : owner_(&owner) { owner.beginRun(); }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;
    ~RunScope() { end(); }

    void end() noexcept {
        if (Owner* owner = std::exchange(owner_, nullptr))
            owner->endRun();
    }

  private:
    Owner* owner_;
};

} // namespace fieldizer::ui
