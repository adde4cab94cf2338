#pragma once
// The menus recompute their items' enabled states each time they open. The
// windows gather what the rules look at into a WindowsSnapshot and apply the
// result; an item left empty keeps its state.

#include <filesystem>
#include <optional>
#include <string>

namespace fieldizer {

using ItemEnabled = std::optional<bool>; // empty: left as it is

struct WindowsSnapshot {
    bool manipulatorVisible = false;
    bool manipulatorHasText = false;
    bool manipulatorOnTextTab = false; // tab 0, "Text/Lines", is the current tab
    bool viewerVisible = false;
    bool viewerHasText = false;
    bool browserVisible = false; // the table browser
    // A pass or a line tool runs: nothing may change the text under it.
    bool passRunning = false;
    bool anyListedTable = false; // the current database has a table the user may open
    std::filesystem::path dbPath;
    std::filesystem::path homeDbPath;
    std::string activeFormName;
};

struct FileMenuState {
    ItemEnabled openFile, saveFile, saveFileAs, closeFile;
    bool useOriginalDatabase = false;
    bool openTable = false, deleteTable = false, saveTableAs = false;
    bool print = false;
};
FileMenuState fileMenuState(const WindowsSnapshot& windows);

struct EditMenuState {
    ItemEnabled undo, cut, copy, paste, selectAll, deleteAll;
};
EditMenuState editMenuState(const WindowsSnapshot& windows);

struct ViewMenuState {
    bool manipulator = false, textViewer = false;
};
ViewMenuState viewMenuState(const WindowsSnapshot& windows);

// "&Find..." of the Search menu.
bool findEnabled(const WindowsSnapshot& windows);

// Paths compared as the program's file system once did: in lower case.
bool samePathIgnoringCase(const std::filesystem::path& a, const std::filesystem::path& b);

} // namespace fieldizer
