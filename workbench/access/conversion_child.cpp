#include "workbench/access/conversion_child.h"

#include "text_engine/memory_failure.h"
#include "workbench/access/report_wire.h"
#include "workbench/database_engine/engine_errors.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <optional>
#include <poll.h>
#include <sstream>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fieldizer::access {
namespace {

// Of what the child prints, the start and the end are kept: a damaged file
// can make libmdb repeat one complaint for every page, and the last line may
// say why the child ended (GLib's "failed to allocate").
constexpr std::size_t keptMessageBytes = 4096;
constexpr std::size_t keptEndBytes = 1024;
constexpr std::size_t shownMessageLines = 3;

void writeAll(int fd, const std::string& bytes) {
    for (std::size_t done = 0; done < bytes.size();) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // the parent is gone: nobody to tell
        done += std::size_t(n);
    }
}

// The child's observer: progress into the pipe.
class PipeObserver final : public PassObserver {
  public:
    explicit PipeObserver(int fd) : fd_(fd) {}
    void started(std::uint64_t total) override {
        writeAll(fd_, wire::message(wire::Tag::Total, std::to_string(total)));
    }
    void yield(std::uint64_t done) override {
        writeAll(fd_, wire::message(wire::Tag::Progress, std::to_string(done)));
    }

  private:
    int fd_;
};

// The child's two pipes, write ends: outcome and progress, and what it prints.
struct ChildEnds {
    int outcome;
    int printed;
};

[[noreturn]] void runChild(ChildEnds ends, pid_t parent, const ChildLimits& limits,
                           const std::function<ConversionReport(PassObserver&)>& work) {
    // A child stuck in libmdb must not outlive the program that waits for it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) // the parent ended before the line above
        ::_exit(1);
    // Ctrl-C reaches the terminal's whole process group: the parent decides
    // whether the conversion stops, and cleans up after it.
    ::signal(SIGINT, SIG_IGN);
    // Whatever libmdb prints is about the file: the parent reads it.
    ::dup2(ends.printed, STDOUT_FILENO);
    ::dup2(ends.printed, STDERR_FILENO);
    ::close(ends.printed);
    // libmdb's options (debugging, index use) print warnings of their own.
    ::unsetenv("MDBOPTS");
    applyLimits(limits);
    PipeObserver observer(ends.outcome);
    int status = 0;
    std::string outcome;
    try {
        outcome = wire::message(wire::Tag::Report, wire::encode(work(observer)));
    } catch (const RuntimeError& error) {
        outcome = wire::message(wire::Tag::Error,
                                std::to_string(error.number()) + "\n" + error.description());
        status = 1;
    } catch (const std::bad_alloc&) {
        outcome = wire::message(wire::Tag::OutOfMemory, {});
        status = 1;
    } catch (const std::exception&) {
        status = 1; // no outcome: the parent reports the file
    }
    std::fflush(stdout); // what the reader printed, the parent's own flushed before the fork
    writeAll(ends.outcome, outcome);
    ::_exit(status); // nothing of the parent's (buffers, handlers) runs here
}

struct ChildRun {
    pid_t pid;
    int fd;        // outcome and progress
    int printedFd; // what the child prints
    std::string buffer;
    std::string printed;    // its start
    std::string printedEnd; // its last bytes, once the start is full
    std::optional<ConversionReport> report;
    std::optional<RuntimeError> error;
    bool outOfMemory = false;
    std::uint64_t done = 0; // the progress the child last reported
};

void handle(ChildRun& run, PassObserver& observer) {
    while (auto message = wire::takeMessage(run.buffer)) {
        auto& [tag, payload] = *message;
        if (tag == wire::Tag::Total) {
            observer.started(std::stoull(payload));
        } else if (tag == wire::Tag::Progress) {
            run.done = std::stoull(payload);
            observer.yield(run.done);
        } else if (tag == wire::Tag::Report) {
            run.report = wire::decode(payload);
        } else if (tag == wire::Tag::Error) {
            std::size_t line = payload.find('\n');
            run.error = RuntimeError(std::stoi(payload.substr(0, line)), payload.substr(line + 1));
        } else if (tag == wire::Tag::OutOfMemory) {
            run.outOfMemory = true;
        }
    }
}

// Reads what the child printed; false at the end of it.
bool readPrinted(ChildRun& run) {
    char chunk[4096];
    ssize_t n = ::read(run.printedFd, chunk, sizeof chunk);
    if (n < 0 && errno == EINTR)
        return true;
    if (n <= 0)
        return false;
    std::size_t room = keptMessageBytes - std::min(keptMessageBytes, run.printed.size());
    std::size_t kept = std::min(room, std::size_t(n));
    run.printed.append(chunk, kept);
    run.printedEnd.append(chunk + kept, std::size_t(n) - kept);
    if (run.printedEnd.size() > keptEndBytes)
        run.printedEnd.erase(0, run.printedEnd.size() - keptEndBytes);
    return true;
}

// Reads until the child closes its outcome pipe; false when Stop came first.
bool follow(ChildRun& run, PassObserver& observer) {
    const int interval = int(observer.yieldInterval().count());
    bool printing = true;
    for (;;) {
        pollfd ready[2]{{run.fd, POLLIN, 0}, {printing ? run.printedFd : -1, POLLIN, 0}};
        int polled = ::poll(ready, 2, interval > 0 ? interval : 40);
        if (observer.stopRequested())
            return false;
        if (polled < 0 && errno == EINTR)
            continue;
        if (polled == 0) {
            observer.yield(run.done); // keep the window alive while the child works
            continue;
        }
        if (polled > 0 && ready[1].revents != 0)
            printing = readPrinted(run);
        if (polled > 0 && ready[0].revents == 0)
            continue;
        char chunk[4096];
        ssize_t n = polled < 0 ? -1 : ::read(run.fd, chunk, sizeof chunk);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return true;
        run.buffer.append(chunk, std::size_t(n));
        handle(run, observer);
    }
}

// The whole lines of `text` (one cut where keeping stopped or began is left
// out).
std::vector<std::string> wholeLines(std::string text, bool cutAtStart, bool cutAtEnd) {
    if (cutAtEnd)
        text.erase(std::min(text.size(), text.rfind('\n')));
    if (cutAtStart)
        text.erase(0, std::min(text.size(), text.find('\n') + 1));
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (!line.empty())
            lines.push_back(line);
    return lines;
}

// The first distinct lines the child printed, and its last, for the error.
std::string printedLines(const ChildRun& run) {
    bool cut = !run.printedEnd.empty();
    std::vector<std::string> lines;
    for (const std::string& line : wholeLines(run.printed, false, cut))
        if (lines.size() < shownMessageLines &&
            std::find(lines.begin(), lines.end(), line) == lines.end())
            lines.push_back(line);
    std::vector<std::string> end = wholeLines(run.printedEnd, true, false);
    if (!end.empty() && std::find(lines.begin(), lines.end(), end.back()) == lines.end())
        lines.push_back(end.back());
    std::string joined;
    for (const std::string& line : lines)
        joined += (joined.empty() ? "" : "; ") + line;
    return joined;
}

// Why a child that gave no outcome ended, where it can be told.
std::string whyNoOutcome(int status, const ChildLimits& limits) {
    if (!WIFSIGNALED(status))
        return {};
    int signal = WTERMSIG(status);
    if ((signal == SIGXCPU || signal == SIGKILL) && limits.cpuSeconds > 0)
        return "Reading it took more than " + std::to_string(limits.cpuSeconds) +
               (limits.cpuSeconds == 1 ? " second" : " seconds") + " of processor time.";
    return std::string("The reader ended abnormally (") + ::strsignal(signal) + ").";
}

RuntimeError damaged(const std::filesystem::path& source, std::string why, const ChildRun& run) {
    RuntimeError base = db::errors::unrecognizedDatabaseFormat(source);
    if (!run.printed.empty())
        why += (why.empty() ? "" : " ") + ("The Access reader reported: " + printedLines(run));
    return RuntimeError(base.number(),
                        why.empty() ? base.description() : base.description() + " " + why);
}

} // namespace

ConversionReport runConversionInChild(const std::function<ConversionReport(PassObserver&)>& work,
                                      PassObserver& observer, const std::filesystem::path& source,
                                      const ChildLimits& limits) {
    int outcome[2];
    int printed[2];
    if (::pipe(outcome) != 0)
        throw outOfMemoryError();
    if (::pipe(printed) != 0) {
        ::close(outcome[0]);
        ::close(outcome[1]);
        throw outOfMemoryError();
    }
    const pid_t parent = ::getpid();
    // The child must not write out again what the program itself printed.
    std::fflush(nullptr);
    pid_t pid = ::fork();
    if (pid == 0) {
        ::close(outcome[0]);
        ::close(printed[0]);
        runChild({outcome[1], printed[1]}, parent, limits, work);
    }
    ::close(outcome[1]);
    ::close(printed[1]);
    if (pid < 0) {
        ::close(outcome[0]);
        ::close(printed[0]);
        throw outOfMemoryError();
    }
    ChildRun run{pid, outcome[0], printed[0], {}, {}, {}, {}, {}, false, 0};
    bool finished = follow(run, observer);
    if (!finished)
        ::kill(pid, SIGKILL);
    ::close(run.fd);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    while (finished && readPrinted(run)) {
    } // the child is gone: the rest of what it printed, to its end
    ::close(run.printedFd);
    if (!finished)
        return ConversionReport{{}, {}, {}, true};
    if (run.outOfMemory)
        throw damaged(source,
                      "Reading it needed more than " +
                          std::to_string(limits.memoryBytes / (1024 * 1024)) + " MiB of memory.",
                      run);
    if (run.error && run.printed.empty())
        throw *run.error;
    if (!run.report || !run.printed.empty())
        throw damaged(source, whyNoOutcome(status, limits), run);
    return *run.report;
}

} // namespace fieldizer::access
