// Start-up's emptying of the working column specifications, which every
// window running on the same database shares.
#include "program_database_fixture.h"
#include "shell/program_state/running_windows.h"
#include "workbench/workspace.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fieldizer::testing {
namespace {

const ColumnSpecs entered{{"DAY", 1, 2, 1, 2}};

class RunningWindows : public ::testing::Test {
  protected:
    // A window's start on the test's database, as start-up makes it.
    ProgramState started() {
        ProgramState state;
        state.homeDbPath = state.dbPath = database_.path();
        state.database = db::Workspace().openDatabase(database_.path(), db::ownConnectString);
        emptyWorkingSpecsAtStartUp(state);
        return state;
    }
    std::filesystem::path folder() const {
        return std::filesystem::path(database_.path()).parent_path();
    }

    ProgramDatabase database_;
};

TEST_F(RunningWindows, onlyAStartWithNoOtherWindowRunningEmptiesTheSpecifications) {
    database_.setWorking(entered);
    ProgramState first = started();
    EXPECT_TRUE(database_.working().empty()) << "left from an earlier run";

    database_.setWorking(entered); // typed in the first window
    ProgramState second = started();
    EXPECT_EQ(database_.working().size(), 1u) << "the first window still uses them";
    first = {};
    ProgramState third = started();
    EXPECT_EQ(database_.working().size(), 1u) << "the second window still uses them";

    second = {};
    third = {};
    ProgramState alone = started();
    EXPECT_TRUE(database_.working().empty());
}

TEST_F(RunningWindows, aKilledWindowLeavesNoMarkBehind) {
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t window = ::fork();
    ASSERT_GE(window, 0);
    if (window == 0) {
        RunningWindowMark mark(folder());
        const char started = 's';
        (void)!::write(ready[1], &started, 1);
        ::pause();
        ::_exit(0);
    }
    char started = 0;
    ASSERT_EQ(::read(ready[0], &started, 1), 1);
    EXPECT_TRUE(RunningWindowMark(folder()).othersWereRunning());
    ::kill(window, SIGKILL);
    ::waitpid(window, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);
    EXPECT_FALSE(RunningWindowMark(folder()).othersWereRunning());
}

} // namespace
} // namespace fieldizer::testing
