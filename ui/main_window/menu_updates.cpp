// Each menu recomputes its items as it opens, from the rules in shell/menus.
#include "shell/databases/table_list.h"
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_viewer/text_viewer.h"

#include <QAction>
#include <QMenu>
#include <QTabWidget>

namespace fieldizer::ui {
namespace {

void apply(QAction* action, ItemEnabled enabled) {
    if (enabled)
        action->setEnabled(*enabled);
}

} // namespace

WindowsSnapshot MainWindow::snapshot() const {
    WindowsSnapshot windows;
    windows.manipulatorVisible = manipulatorVisible();
    windows.manipulatorHasText = !manipulator_->textBox()->isEmpty();
    windows.manipulatorOnTextTab = manipulator_->tabs()->currentIndex() == 0;
    windows.viewerVisible = viewerVisible();
    windows.viewerHasText = !viewer_->textBox()->isEmpty();
    windows.passRunning = manipulator_->passRunning();
    windows.browserVisible = tableBrowserVisible_ && tableBrowserVisible_();
    windows.dbPath = state_.dbPath;
    windows.homeDbPath = state_.homeDbPath;
    windows.activeFormName = state_.activeFormName;
    return windows;
}

void MainWindow::updateFileMenu() {
    state_.textSetByProgram = true;
    reopenClosedDatabase();
    WindowsSnapshot windows = snapshot();
    try {
        if (state_.database)
            windows.anyListedTable = !listedTableNames(*state_.database).empty();
    } catch (const RuntimeError&) {
        // A table list that cannot be read leaves the table commands off.
    }
    const FileMenuState state = fileMenuState(windows);
    apply(menus_.openFile, state.openFile);
    apply(menus_.saveFile, state.saveFile);
    apply(menus_.saveFileAs, state.saveFileAs);
    apply(menus_.closeFile, state.closeFile);
    menus_.reopen->menuAction()->setEnabled(!manipulator_->fileName().empty() &&
                                            !manipulator_->passRunning());
    menus_.useOrig->setEnabled(state.useOriginalDatabase);
    menus_.openTable->setEnabled(state.openTable);
    menus_.deleteTable->setEnabled(state.deleteTable);
    menus_.saveTableAs->setEnabled(state.saveTableAs);
    menus_.print->setEnabled(state.print);
    state_.textSetByProgram = false;
}

void MainWindow::updateEditMenu() {
    const EditMenuState state = editMenuState(snapshot());
    apply(menus_.undo, state.undo);
    apply(menus_.cut, state.cut);
    apply(menus_.copy, state.copy);
    apply(menus_.paste, state.paste);
    apply(menus_.selectAll, state.selectAll);
    apply(menus_.deleteAll, state.deleteAll);
}

void MainWindow::updateViewMenu() {
    const ViewMenuState state = viewMenuState(snapshot());
    menus_.viewFieldize->setEnabled(state.manipulator);
    menus_.viewTextViewer->setEnabled(state.textViewer);
}

void MainWindow::updateSearchMenu() {
    menus_.find->setEnabled(findEnabled(snapshot()));
}

} // namespace fieldizer::ui
