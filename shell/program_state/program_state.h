#pragma once
// The state every window shares: which database is current, which text
// window is active, and the flags that tell a change made by the user from
// one made by the program. One instance, owned by the main window and handed
// to each window that needs it; nothing reaches it as a global.

#include "workbench/database_engine/database.h"

#include <filesystem>
#include <memory>
#include <string>

namespace fieldizer {

class RunningWindowMark;

// The text window whose box the Edit commands act on.
enum class ActiveTextForm { None, Manipulator, TextViewer };

struct ProgramState {
    // Paths are the file system's bytes, never the program's text
    // (text_engine/display_path.h).
    std::filesystem::path dbPath;     // the current database; every window uses it
    std::filesystem::path homeDbPath; // the program's own fieldizer.mdb, fixed at start-up
    std::shared_ptr<db::Database> database;
    // The database path that was current when an open-database dialog
    // started; put back on Cancel.
    std::filesystem::path previousDbName;
    // The table the table browser shows; "Save TABLE As" copies it.
    std::string openTableName;
    bool tableCopyRunning = false; // Save TABLE As is copying the open table
    // Held while the window runs: tells windows started later on the same
    // database that this one uses its working specifications.
    std::shared_ptr<RunningWindowMark> runningWindow;

    bool textModified = false;     // changes not yet saved to the text's file
    bool textSetByProgram = false; // the program replaces a text: no user reaction, once
    bool textJustLoaded = false;   // the next change is the load itself, not an edit
    bool closingText = false;      // closing the text empties it: not an edit

    ActiveTextForm activeTextForm = ActiveTextForm::None;
    std::string activeFormName; // the form activated last that records its name (formNames)
};

} // namespace fieldizer
