// "Save TABLE As" of one table of a database file, as the window runs it:
// one transaction, the progress observer yielded to between chunks. Prints
// the rows copied, the time, and the longest time between two yields (how
// long the window would go without handling its events).
// usage: table_copy_bench DATABASE SOURCE TARGET

#include "shell/databases/table_copy.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <chrono>
#include <iostream>

using namespace fieldizer;
using Clock = std::chrono::steady_clock;

namespace {

// Measures the gaps between yields as the window's event loop would see them.
struct GapObserver final : PassObserver {
    void started(std::uint64_t) override { last = Clock::now(); }
    void yield(std::uint64_t) override {
        const auto now = Clock::now();
        longest = std::max(longest, now - last);
        last = now;
    }
    Clock::time_point last = Clock::now();
    Clock::duration longest{};
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: table_copy_bench DATABASE SOURCE TARGET\n";
        return 2;
    }
    try {
        auto database = db::Workspace().openDatabase(argv[1], db::ownConnectString);
        GapObserver observer;
        const auto start = Clock::now();
        const long rows = saveTableAs(*database, argv[2], argv[3], observer).value_or(0);
        const auto end = Clock::now();
        observer.yield(0); // the time after the last chunk counts as a gap too
        const std::chrono::duration<double> took = end - start;
        const std::chrono::duration<double, std::milli> gap = observer.longest;
        std::cout << rows << " rows " << took.count() << " s, longest gap " << gap.count()
                  << " ms\n";
    } catch (const RuntimeError& error) {
        std::cerr << error.number() << ' ' << error.description() << '\n';
        return 1;
    }
}
