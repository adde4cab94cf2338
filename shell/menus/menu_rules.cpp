#include "shell/menus/menu_rules.h"

#include "shell/menus/form_names.h"

#include <algorithm>

namespace fieldizer {
namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

bool samePathIgnoringCase(const std::filesystem::path& first, const std::filesystem::path& second) {
    const std::string& a = first.native();
    const std::string& b = second.native();
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char x, char y) { return lowerAscii(x) == lowerAscii(y); });
}

FileMenuState fileMenuState(const WindowsSnapshot& windows) {
    FileMenuState state;
    if (windows.manipulatorVisible) {
        state.openFile = true;
    } else if (!windows.viewerVisible) {
        state.openFile = state.saveFile = state.saveFileAs = state.closeFile = false;
    }
    // Opening or closing a file would replace the text a pass is working on.
    if (windows.passRunning)
        state.openFile = state.closeFile = false;
    state.openTable = state.deleteTable = windows.anyListedTable;
    state.saveTableAs = windows.browserVisible;
    state.useOriginalDatabase = !samePathIgnoringCase(windows.dbPath, windows.homeDbPath);
    state.print = windows.activeFormName == formNames::manipulator && windows.manipulatorHasText;
    return state;
}

EditMenuState editMenuState(const WindowsSnapshot& windows) {
    EditMenuState state;
    if (windows.manipulatorVisible) {
        const bool textTab = windows.manipulatorOnTextTab;
        state.cut = state.copy = state.selectAll = state.deleteAll =
            textTab && windows.manipulatorHasText;
        state.paste = textTab;
    }
    if (windows.viewerVisible) {
        state.cut = state.copy = state.selectAll = state.deleteAll = windows.viewerHasText;
        state.paste = true;
    }
    // The commands that change the text wait for the running pass.
    if (windows.passRunning)
        state.undo = state.cut = state.paste = state.deleteAll = false;
    return state;
}

ViewMenuState viewMenuState(const WindowsSnapshot& windows) {
    return {windows.viewerVisible || !windows.manipulatorVisible, !windows.viewerVisible};
}

bool findEnabled(const WindowsSnapshot& windows) {
    return (windows.manipulatorVisible && windows.manipulatorHasText) ||
           (windows.viewerVisible && windows.viewerHasText);
}

} // namespace fieldizer
