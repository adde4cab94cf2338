// The child process a conversion runs in: bounded in time and memory, and
// failed by anything the Access reader prints, whatever the work returns.
#include "workbench/access/conversion_child.h"
#include "workbench/database_engine/engine_errors.h"

#include <cstdio>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

using namespace fieldizer;
using namespace fieldizer::access;

namespace {

constexpr std::uint64_t mebibyte = 1024 * 1024;

// The error a run in the child ends with; number 0 when it ends well.
RuntimeError failureOf(const std::function<ConversionReport(PassObserver&)>& work,
                       const ChildLimits& limits = {}) {
    PassObserver observer;
    try {
        runConversionInChild(work, observer, "damaged.mdb", limits);
    } catch (const RuntimeError& error) {
        return error;
    }
    return RuntimeError(0, "no error");
}

void expectDamaged(const RuntimeError& error, const std::string& because) {
    EXPECT_EQ(error.number(), db::errors::unrecognizedFormat) << error.description();
    EXPECT_EQ(error.description().rfind("Unrecognized database format 'damaged.mdb'.", 0), 0u)
        << error.description();
    EXPECT_NE(error.description().find(because), std::string::npos) << error.description();
}

} // namespace

TEST(ConversionChild, aChildThatLoopsIsEndedByItsProcessorTime) {
    auto loop = [](PassObserver&) -> ConversionReport {
        volatile std::uint64_t turns = 0;
        for (;;)
            turns = turns + 1;
    };
    expectDamaged(failureOf(loop, {1, 0}), "took more than 1 second of processor time.");
}

TEST(ConversionChild, aChildThatAllocatesWithoutEndIsEndedByItsMemory) {
#ifdef __SANITIZE_ADDRESS__
    // AddressSanitizer maps terabytes for its shadow memory and handles a
    // refused allocation its own way: an address-space limit cannot be
    // watched at work under it.
    GTEST_SKIP() << "address-space limits cannot be tested under AddressSanitizer";
#endif
    auto grow = [](PassObserver&) -> ConversionReport {
        std::vector<std::unique_ptr<char[]>> blocks;
        for (;;) {
            blocks.emplace_back(new char[mebibyte]);
            std::memset(blocks.back().get(), 1, mebibyte);
        }
    };
    expectDamaged(failureOf(grow, {0, 64 * mebibyte}), "needed more than 64 MiB of memory.");
}

TEST(ConversionChild, whatTheReaderPrintsFailsEvenWorkThatEndedWell) {
    auto complains = [](PassObserver&) {
        std::fprintf(stderr, "offset 2879488 is beyond EOF\n");
        return ConversionReport{};
    };
    expectDamaged(failureOf(complains), "The Access reader reported: offset 2879488 is beyond EOF");
    // A reader repeating itself page after page neither blocks the child on
    // a full pipe nor floods the message: its first lines and its last.
    auto repeats = [](PassObserver&) {
        for (int page = 0; page < 100000; ++page)
            std::printf("Warning: page %d from map doesn't match\n", page % 7);
        std::fflush(stdout);
        std::fprintf(stderr, "failed to allocate\n");
        return ConversionReport{};
    };
    RuntimeError repeated = failureOf(repeats);
    expectDamaged(repeated, "page 0 from map doesn't match; Warning: page 1");
    EXPECT_NE(repeated.description().find("; failed to allocate"), std::string::npos);
    EXPECT_LT(repeated.description().size(), 400u);
    EXPECT_EQ(failureOf([](PassObserver&) { return ConversionReport{}; }).number(), 0);
}

TEST(ConversionChild, largerFilesAreGivenMoreTimeAndMemory) {
    ChildLimits small = limitsForFile(100 * 1024);
    ChildLimits large = limitsForFile(1024 * mebibyte);
    EXPECT_GT(small.cpuSeconds, 0u);
    EXPECT_GT(small.memoryBytes, 0u);
    EXPECT_GT(large.cpuSeconds, small.cpuSeconds);
    EXPECT_GT(large.memoryBytes, small.memoryBytes + 1024 * mebibyte);
}
