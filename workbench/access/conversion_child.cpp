#include "workbench/access/conversion_child.h"

#include "workbench/access/report_wire.h"
#include "workbench/engine/engine_errors.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <optional>
#include <poll.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fieldizer::access {
namespace {

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

[[noreturn]] void runChild(int fd, pid_t parent,
                           const std::function<ConversionReport(PassObserver&)>& work) {
    // A child stuck in libmdb must not outlive the program that waits for it.
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    if (::getppid() != parent) // the parent ended before the line above
        ::_exit(1);
    // libmdb speaks of damaged files on standard error; the outcome says it.
    if (int devNull = ::open("/dev/null", O_WRONLY); devNull >= 0)
        ::dup2(devNull, STDERR_FILENO);
    PipeObserver observer(fd);
    int status = 0;
    std::string outcome;
    try {
        outcome = wire::message(wire::Tag::Report, wire::encode(work(observer)));
    } catch (const RuntimeError& error) {
        outcome = wire::message(wire::Tag::Error,
                                std::to_string(error.number()) + "\n" + error.description());
        status = 1;
    } catch (const std::exception&) {
        status = 1; // no outcome: the parent reports the file
    }
    writeAll(fd, outcome);
    ::_exit(status); // nothing of the parent's (buffers, handlers) runs here
}

struct ChildRun {
    pid_t pid;
    int fd;
    std::string buffer;
    std::optional<ConversionReport> report;
    std::optional<RuntimeError> error;
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
        }
    }
}

// Reads until the child closes its end; false when Stop came first.
bool follow(ChildRun& run, PassObserver& observer) {
    const int interval = int(observer.yieldInterval().count());
    for (;;) {
        pollfd ready{run.fd, POLLIN, 0};
        int polled = ::poll(&ready, 1, interval > 0 ? interval : 40);
        if (observer.stopRequested())
            return false;
        if (polled == 0) {
            observer.yield(run.done); // keep the window alive while the child works
            continue;
        }
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

} // namespace

ConversionReport runConversionInChild(const std::function<ConversionReport(PassObserver&)>& work,
                                      PassObserver& observer, const std::string& source) {
    int fds[2];
    if (::pipe(fds) != 0)
        throw RuntimeError(errors::outOfMemory, "Out of memory");
    const pid_t parent = ::getpid();
    pid_t pid = ::fork();
    if (pid < 0) {
        ::close(fds[0]);
        ::close(fds[1]);
        throw RuntimeError(errors::outOfMemory, "Out of memory");
    }
    if (pid == 0) {
        ::close(fds[0]);
        runChild(fds[1], parent, work);
    }
    ::close(fds[1]);
    ChildRun run{pid, fds[0], {}, {}, {}, 0};
    bool finished = follow(run, observer);
    if (!finished)
        ::kill(pid, SIGKILL);
    ::close(run.fd);
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    if (!finished)
        return ConversionReport{{}, {}, {}, true};
    if (run.error)
        throw *run.error;
    if (!run.report) {
        throw db::errors::unrecognizedDatabaseFormat(source);
    }
    return *run.report;
}

} // namespace fieldizer::access
