#pragma once
// Shared by the database benchmarks: the generated records and a clock.

#include <chrono>
#include <string>
#include <vector>

namespace fieldizer::bench {

// Record `i` of the benchmark: five short text fields, as a report line
// split into columns would give them.
inline std::vector<std::string> benchRecord(long i) {
    static const char* const cities[] = {"Ames", "Boone", "Cedar Falls", "Des Moines", "Eldora"};
    return {"N" + std::to_string(100000 + i), "Station " + std::to_string(i % 977), cities[i % 5],
            std::to_string((i * 37) % 1000), i % 2 ? "ok" : "check"};
}

inline double secondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace fieldizer::bench
