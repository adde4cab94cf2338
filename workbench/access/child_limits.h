#pragma once
// What a conversion child may spend. libmdb on a damaged file can loop for
// ever, or loop allocating; the child's processor time and memory are
// bounded by the kernel (setrlimit), with room scaled to the Access file's
// size so that no real file comes near either bound.

#include <cstdint>

namespace fieldizer::access {

struct ChildLimits {
    std::uint64_t cpuSeconds = 0;  // processor time, 0 for no bound
    std::uint64_t memoryBytes = 0; // memory beyond what the child starts with, 0 for no bound
};

// The bounds for converting an Access file of `fileBytes` bytes: ten
// seconds of processor time and 256 MiB of memory, and a second and 8 MiB
// more for every MiB of the file.
ChildLimits limitsForFile(std::uint64_t fileBytes);

// In the child, before any work: sets the bounds. A child past its time
// receives SIGXCPU, then SIGKILL; past its memory, allocations fail.
void applyLimits(const ChildLimits& limits);

} // namespace fieldizer::access
