// The menus' enabled states as functions of the windows' state.
#include "shell/menus/form_names.h"
#include "shell/menus/menu_rules.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

WindowsSnapshot manipulatorWithText() {
    WindowsSnapshot windows;
    windows.manipulatorVisible = windows.manipulatorHasText = windows.manipulatorOnTextTab = true;
    windows.dbPath = windows.homeDbPath = "/home/u/fieldizer.mdb";
    return windows;
}

TEST(MenuRules, fileMenuTextCommandsFollowTheTextWindows) {
    WindowsSnapshot windows = manipulatorWithText();
    FileMenuState state = fileMenuState(windows);
    EXPECT_EQ(state.openFile, true);
    EXPECT_FALSE(state.saveFile.has_value()); // left to the file's own state

    windows.manipulatorVisible = false; // the Manipulator closed, no viewer
    state = fileMenuState(windows);
    EXPECT_EQ(state.openFile, false);
    EXPECT_EQ(state.saveFile, false);
    EXPECT_EQ(state.saveFileAs, false);
    EXPECT_EQ(state.closeFile, false);

    windows.viewerVisible = true; // only the viewer: untouched
    state = fileMenuState(windows);
    EXPECT_FALSE(state.openFile.has_value());
    EXPECT_FALSE(state.closeFile.has_value());
}

TEST(MenuRules, fileMenuDatabaseAndPrintItems) {
    WindowsSnapshot windows = manipulatorWithText();
    EXPECT_FALSE(fileMenuState(windows).useOriginalDatabase);
    windows.dbPath = "/HOME/U/Fieldizer.MDB"; // differs in case only
    EXPECT_FALSE(fileMenuState(windows).useOriginalDatabase);
    windows.dbPath = "/home/u/other.mdb";
    EXPECT_TRUE(fileMenuState(windows).useOriginalDatabase);

    EXPECT_FALSE(fileMenuState(windows).openTable);
    windows.anyListedTable = true;
    EXPECT_TRUE(fileMenuState(windows).openTable);
    EXPECT_TRUE(fileMenuState(windows).deleteTable);
    EXPECT_FALSE(fileMenuState(windows).saveTableAs);
    windows.browserVisible = true;
    EXPECT_TRUE(fileMenuState(windows).saveTableAs);

    EXPECT_FALSE(fileMenuState(windows).print);
    windows.activeFormName = formNames::manipulator;
    EXPECT_TRUE(fileMenuState(windows).print);
    windows.manipulatorHasText = false;
    EXPECT_FALSE(fileMenuState(windows).print);
}

TEST(MenuRules, editMenuFollowsTabTextAndViewer) {
    WindowsSnapshot windows = manipulatorWithText();
    EditMenuState state = editMenuState(windows);
    EXPECT_EQ(state.cut, true);
    EXPECT_EQ(state.deleteAll, true);
    EXPECT_EQ(state.paste, true);
    EXPECT_FALSE(state.undo.has_value());

    windows.manipulatorOnTextTab = false;
    state = editMenuState(windows);
    EXPECT_EQ(state.copy, false);
    EXPECT_EQ(state.paste, false);

    windows.viewerVisible = true; // the viewer decides once it is shown
    windows.viewerHasText = false;
    state = editMenuState(windows);
    EXPECT_EQ(state.selectAll, false);
    EXPECT_EQ(state.paste, true);

    windows.manipulatorVisible = windows.viewerVisible = false;
    state = editMenuState(windows);
    EXPECT_FALSE(state.cut.has_value());
}

TEST(MenuRules, aRunningPassLocksTheCommandsThatChangeTheText) {
    WindowsSnapshot windows = manipulatorWithText();
    windows.passRunning = true;
    const EditMenuState edit = editMenuState(windows);
    EXPECT_EQ(edit.undo, false);
    EXPECT_EQ(edit.cut, false);
    EXPECT_EQ(edit.paste, false);
    EXPECT_EQ(edit.deleteAll, false);
    EXPECT_EQ(edit.copy, true); // looking stays possible
    EXPECT_EQ(edit.selectAll, true);
    const FileMenuState file = fileMenuState(windows);
    EXPECT_EQ(file.openFile, false);
    EXPECT_EQ(file.closeFile, false);
}

TEST(MenuRules, viewAndSearchMenus) {
    WindowsSnapshot windows = manipulatorWithText();
    EXPECT_FALSE(viewMenuState(windows).manipulator);
    EXPECT_TRUE(viewMenuState(windows).textViewer);
    EXPECT_TRUE(findEnabled(windows));

    windows.viewerVisible = true;
    EXPECT_TRUE(viewMenuState(windows).manipulator);
    EXPECT_FALSE(viewMenuState(windows).textViewer);

    windows = {};
    EXPECT_TRUE(viewMenuState(windows).manipulator);
    EXPECT_FALSE(findEnabled(windows));
    windows.viewerVisible = windows.viewerHasText = true;
    EXPECT_TRUE(findEnabled(windows));
}

} // namespace
} // namespace fieldizer
