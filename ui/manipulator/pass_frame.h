#pragma once
// The window side of a pass: the progress bar from 1 to the byte length,
// "&Stop", and the yields that keep them live. The engine's pass calls
// yield() by time, never once per line, so a million-line pass costs the
// event loop next to nothing. Stop is a flag the click sets.

#include "text_engine/processing_pass.h"

#include <cstdint>

class QProgressBar;
class QPushButton;

namespace fieldizer::ui {

class PassFrame final : public PassObserver {
  public:
    PassFrame(QProgressBar* progressBar, QPushButton* stopButton);

    // A run begins: Stop enabled, no Stop requested yet.
    void begin();
    // Stop clicked: the run ends after the line in hand.
    void stop();
    // Every way out: Stop disabled, the progress bar hidden.
    void end();

    void started(std::uint64_t totalBytes) override;
    void yield(std::uint64_t bytesRead) override;
    bool stopRequested() const override { return stopRequested_; }

  private:
    QProgressBar* progressBar_;
    QPushButton* stopButton_;
    std::uint64_t total_ = 0;
    bool stopRequested_ = false;
};

} // namespace fieldizer::ui
