#include "shell/program_state/running_windows.h"

#include "columns/spec_table.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace fieldizer {
namespace {

int lockRetrying(int descriptor, int operation) {
    int result;
    do {
        result = ::flock(descriptor, operation);
    } while (result != 0 && errno == EINTR);
    return result;
}

} // namespace

RunningWindowMark::RunningWindowMark(const std::filesystem::path& folder) {
    const std::filesystem::path marked = folder.empty() ? "." : folder;
    descriptor_ = ::open(marked.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor_ < 0)
        return;
    // The exclusive lock is granted only while no window holds the shared
    // one; a window starting at the same moment holds it for an instant,
    // and then converts it to the shared one every window keeps.
    if (lockRetrying(descriptor_, LOCK_EX | LOCK_NB) != 0)
        othersWereRunning_ = errno == EWOULDBLOCK;
    lockRetrying(descriptor_, LOCK_SH);
}

RunningWindowMark::~RunningWindowMark() {
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

void emptyWorkingSpecsAtStartUp(ProgramState& state) {
    const std::filesystem::path& database = state.homeDbPath;
    state.runningWindow.reset(); // a window started again is no other window
    state.runningWindow = std::make_shared<RunningWindowMark>(database.parent_path());
    if (!state.database || state.runningWindow->othersWereRunning())
        return;
    try {
        state.database->execute(clearWorkingSpecsSql);
    } catch (const RuntimeError&) {
        // A database without the working table still lets the text work.
    }
}

} // namespace fieldizer
