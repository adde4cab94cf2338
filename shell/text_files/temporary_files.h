#pragma once
// The temporary files written beside a target before they are renamed over
// it. Each carries the process id in its name, ".NAME.fieldizer-PID.XXXXXX":
// while it lives it is registered, so that SIGINT, SIGTERM or SIGHUP remove
// it before the program ends; one left by a process killed outright (kill -9,
// a power cut) is removed by the next write of the same target.

#include <csignal>
#include <filesystem>
#include <string>

namespace fieldizer::files {

// The mkstemp template of this process's temporary file beside `target`.
std::string temporaryTemplateBeside(const std::filesystem::path& target);

// Removes the temporary files beside `target` whose process no longer runs;
// errors are ignored (what cannot be removed stays, harmless).
void removeStaleTemporariesBeside(const std::filesystem::path& target);

// Registers a temporary file for removal on a signal while the object lives.
// A path too long to keep, or more temporaries than there are places for, is
// simply not registered.
class TemporaryRegistration {
  public:
    explicit TemporaryRegistration(const std::string& path);
    ~TemporaryRegistration();
    TemporaryRegistration(TemporaryRegistration&& other) noexcept;
    TemporaryRegistration& operator=(TemporaryRegistration&&) = delete;
    TemporaryRegistration(const TemporaryRegistration&) = delete;
    TemporaryRegistration& operator=(const TemporaryRegistration&) = delete;

  private:
    int slot_ = -1; // -1: the path found no free place
};

// Holds back SIGINT, SIGTERM and SIGHUP while it lives: a temporary file is
// created and registered under it, so that no signal falls between the two.
class SignalsHeld {
  public:
    SignalsHeld();
    ~SignalsHeld();
    SignalsHeld(const SignalsHeld&) = delete;
    SignalsHeld& operator=(const SignalsHeld&) = delete;

  private:
    sigset_t previous_;
};

// Installs the handlers of SIGINT, SIGTERM and SIGHUP that remove every
// registered temporary file and then end the program by the same signal.
void removeTemporariesOnSignals();

} // namespace fieldizer::files
