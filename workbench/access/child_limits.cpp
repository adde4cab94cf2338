#include "workbench/access/child_limits.h"

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace fieldizer::access {
namespace {

constexpr std::uint64_t mebibyte = 1024 * 1024;
// A real file converts at some 40 MiB a processor second and holds little
// of itself in memory at once (a batch of rows, one page of each table);
// these leave a margin of a hundred times and more.
constexpr std::uint64_t baseCpuSeconds = 10;
constexpr std::uint64_t bytesPerCpuSecond = mebibyte;
constexpr std::uint64_t baseMemory = 256 * mebibyte;
constexpr std::uint64_t memoryPerFileByte = 8;
// Between SIGXCPU, which a stuck library may block, and SIGKILL.
constexpr rlim_t killAfterSeconds = 5;

// The address space the process holds already (a forked child holds its
// parent's): the memory bound is counted from there.
std::uint64_t addressSpaceInUse() {
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    unsigned long pages = 0;
    if (statm) {
        if (std::fscanf(statm, "%lu", &pages) != 1)
            pages = 0;
        std::fclose(statm);
    }
    return std::uint64_t(pages) * std::uint64_t(::sysconf(_SC_PAGESIZE));
}

// Sets `resource` to at most `soft` and `hard`, never above the bound the
// process was given already (which only a privileged process could raise).
void lowerLimit(int resource, rlim_t soft, rlim_t hard) {
    rlimit given{};
    if (::getrlimit(resource, &given) == 0 && given.rlim_max != RLIM_INFINITY) {
        hard = std::min(hard, given.rlim_max);
        soft = std::min(soft, hard);
    }
    rlimit wanted{soft, hard};
    ::setrlimit(resource, &wanted); // only lowers: cannot be refused
}

} // namespace

ChildLimits limitsForFile(std::uint64_t fileBytes) {
    return {baseCpuSeconds + fileBytes / bytesPerCpuSecond,
            baseMemory + memoryPerFileByte * fileBytes};
}

void applyLimits(const ChildLimits& limits) {
    if (limits.cpuSeconds > 0)
        lowerLimit(RLIMIT_CPU, rlim_t(limits.cpuSeconds),
                   rlim_t(limits.cpuSeconds) + killAfterSeconds);
    if (limits.memoryBytes > 0) {
        rlim_t bound = rlim_t(addressSpaceInUse() + limits.memoryBytes);
        lowerLimit(RLIMIT_AS, bound, bound);
    }
}

} // namespace fieldizer::access
