#include "cli/signal_stop.h"

namespace fieldizer::cli {
namespace {

constexpr int stopSignals[3] = {SIGINT, SIGTERM, SIGHUP};
volatile std::sig_atomic_t signalReceived = 0;

extern "C" void noteStopSignal(int signal) {
    signalReceived = signal;
}

} // namespace

SignalStop::SignalStop() {
    signalReceived = 0;
    struct sigaction noting {};
    noting.sa_handler = noteStopSignal;
    sigemptyset(&noting.sa_mask);
    for (int i = 0; i < 3; ++i) {
        ::sigaction(stopSignals[i], nullptr, &previous_[i]);
        // A signal ignored from the start (nohup) stays ignored.
        if (previous_[i].sa_handler != SIG_IGN)
            ::sigaction(stopSignals[i], &noting, nullptr);
    }
}

SignalStop::~SignalStop() {
    restore();
}

bool SignalStop::stopRequested() const {
    return signalReceived != 0;
}

void SignalStop::restore() {
    if (restored_)
        return;
    restored_ = true;
    for (int i = 0; i < 3; ++i)
        ::sigaction(stopSignals[i], &previous_[i], nullptr);
}

void SignalStop::endBySignal() {
    restore();
    if (int signal = signalReceived; signal != 0) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
    }
}

} // namespace fieldizer::cli
