#pragma once
// Windows running on one program database. The working column
// specifications live in that database and every window started there shares
// them, so start-up empties them only when no other running window uses the
// database.
//
// A running window holds a shared flock on the database's folder for as long
// as it runs. The kernel lets go of it when the process ends, however it
// ends, so a killed window never keeps a later start from emptying them.

#include "shell/program_state/program_state.h"

#include <filesystem>

namespace fieldizer {

class RunningWindowMark {
  public:
    // Marks a window as running on the database in `folder`, noting whether
    // another one already was. A folder that cannot be marked (gone, or a file
    // system without locks) counts as used by no other window.
    explicit RunningWindowMark(const std::filesystem::path& folder);
    ~RunningWindowMark();
    RunningWindowMark(const RunningWindowMark&) = delete;
    RunningWindowMark& operator=(const RunningWindowMark&) = delete;

    bool othersWereRunning() const { return othersWereRunning_; }

  private:
    int descriptor_ = -1;
    bool othersWereRunning_ = false;
};

// Start-up: marks this window as running on the program's database
// (state.homeDbPath, open as state.database) and empties its working
// specifications unless another running window uses them. Rows without a
// start column stay, as clearing the specifications leaves them.
void emptyWorkingSpecsAtStartUp(ProgramState& state);

} // namespace fieldizer
