#include "shell/text_files/temporary_files.h"

#include <array>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <unistd.h>
#include <utility>

namespace fieldizer::files {
namespace {

constexpr std::string_view processMark = ".fieldizer-";

// The places a signal handler reads: plain bytes and an atomic state, nothing
// that allocates or locks. A place is taken (free -> filling) before its path
// is written, and the handler reads only a place that is ready.
enum PlaceState { freePlace, filling, ready };
struct Place {
    std::atomic<int> state{freePlace};
    char path[4096] = {};
};
std::array<Place, 32> places;

std::string prefixBeside(const std::filesystem::path& target) {
    return "." + target.filename().string() + std::string(processMark);
}

std::filesystem::path folderOf(const std::filesystem::path& target) {
    return target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
}

// The process id in "PREFIX<pid>.XXXXXX", or 0 when the name is not of that form.
pid_t processOf(const std::string& name, const std::string& prefix) {
    if (name.compare(0, prefix.size(), prefix) != 0)
        return 0;
    pid_t process = 0;
    std::size_t at = prefix.size();
    for (; at < name.size() && name[at] >= '0' && name[at] <= '9'; ++at)
        process = process * 10 + (name[at] - '0');
    return at < name.size() && name[at] == '.' ? process : 0;
}

bool processIsGone(pid_t process) {
    return ::kill(process, 0) != 0 && errno == ESRCH;
}

void removeRegisteredAndEnd(int signalNumber) {
    const int savedErrno = errno;
    for (Place& place : places)
        if (place.state.load(std::memory_order_acquire) == ready)
            ::unlink(place.path);
    errno = savedErrno;
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

} // namespace

std::string temporaryTemplateBeside(const std::filesystem::path& target) {
    return (folderOf(target) / (prefixBeside(target) + std::to_string(::getpid()) + ".XXXXXX"))
        .string();
}

void removeStaleTemporariesBeside(const std::filesystem::path& target) {
    const std::string prefix = prefixBeside(target);
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folderOf(target), error)) {
        const pid_t process = processOf(entry.path().filename().string(), prefix);
        if (process > 0 && process != ::getpid() && processIsGone(process))
            std::filesystem::remove(entry.path(), error);
    }
}

TemporaryRegistration::TemporaryRegistration(const std::string& path) {
    if (path.size() >= sizeof(Place::path))
        return;
    for (std::size_t i = 0; i < places.size(); ++i) {
        Place& place = places[i];
        int expected = freePlace;
        if (!place.state.compare_exchange_strong(expected, filling, std::memory_order_acquire))
            continue;
        std::memcpy(place.path, path.c_str(), path.size() + 1);
        place.state.store(ready, std::memory_order_release);
        slot_ = static_cast<int>(i);
        return;
    }
}

TemporaryRegistration::~TemporaryRegistration() {
    if (slot_ < 0)
        return;
    places[static_cast<std::size_t>(slot_)].state.store(freePlace, std::memory_order_release);
}

TemporaryRegistration::TemporaryRegistration(TemporaryRegistration&& other) noexcept
    : slot_(std::exchange(other.slot_, -1)) {}

SignalsHeld::SignalsHeld() {
    sigset_t held;
    sigemptyset(&held);
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP})
        sigaddset(&held, signalNumber);
    ::pthread_sigmask(SIG_BLOCK, &held, &previous_);
}

SignalsHeld::~SignalsHeld() {
    ::pthread_sigmask(SIG_SETMASK, &previous_, nullptr);
}

void removeTemporariesOnSignals() {
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction action {};
        action.sa_handler = removeRegisteredAndEnd;
        sigemptyset(&action.sa_mask);
        ::sigaction(signalNumber, &action, nullptr);
    }
}

} // namespace fieldizer::files
