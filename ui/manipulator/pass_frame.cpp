#include "ui/manipulator/pass_frame.h"

#include <QCoreApplication>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>
#include <climits>

namespace fieldizer::ui {
namespace {

// The bar counts in int; a text beyond 2 GiB is shown to scale.
int barValue(std::uint64_t value, std::uint64_t total) {
    if (total <= INT_MAX)
        return static_cast<int>(value);
    return static_cast<int>(value * static_cast<std::uint64_t>(INT_MAX) / total);
}

} // namespace

PassFrame::PassFrame(QProgressBar* progressBar, QPushButton* stopButton)
    : progressBar_(progressBar), stopButton_(stopButton) {}

void PassFrame::begin() {
    stopRequested_ = false;
    stopButton_->setEnabled(true);
}

void PassFrame::stop() {
    stopRequested_ = true;
    stopButton_->setEnabled(false);
}

void PassFrame::end() {
    stopButton_->setEnabled(false);
    progressBar_->setVisible(false);
}

void PassFrame::started(std::uint64_t totalBytes) {
    total_ = std::max<std::uint64_t>(totalBytes, 1);
    progressBar_->setRange(1, barValue(total_, total_));
    progressBar_->setValue(1);
    progressBar_->setVisible(true);
}

void PassFrame::yield(std::uint64_t bytesRead) {
    progressBar_->setValue(barValue(std::clamp<std::uint64_t>(bytesRead, 1, total_), total_));
    QCoreApplication::processEvents();
}

} // namespace fieldizer::ui
