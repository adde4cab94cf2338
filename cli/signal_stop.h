#pragma once
// Stop for long work on the command line: while a SignalStop lives, SIGINT
// (Ctrl-C), SIGTERM and SIGHUP do not end the program at once but ask the
// work to stop, so that it can take back what it made (a child process, a
// passing folder). Once the work has stopped, endBySignal() ends the program
// by that signal, as it would have ended without the handler, so that a
// calling shell sees the interruption.

#include "text_engine/processing_pass.h"

#include <csignal>

namespace fieldizer::cli {

class SignalStop final : public PassObserver {
  public:
    SignalStop();
    ~SignalStop() override;
    SignalStop(const SignalStop&) = delete;
    SignalStop& operator=(const SignalStop&) = delete;

    bool stopRequested() const override;
    // Restores the former handlers and, when a signal came, raises it again.
    void endBySignal();

  private:
    void restore();
    struct sigaction previous_[3];
    bool restored_ = false;
};

} // namespace fieldizer::cli
