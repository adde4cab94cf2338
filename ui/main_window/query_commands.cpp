// The Queries menu: the query window in its two modes, and the menu's
// reopening of the program's database.
#include "ui/main_window/main_window.h"
#include "ui/query_window/query_window.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

namespace fieldizer::ui {
namespace {

// The window's width when it opens, in twips; its height is fixed by the
// query rules.
constexpr int queryWindowWidth = 9000;

} // namespace

void MainWindow::connectQueriesMenu() {
    connect(menus_.queries, &QMenu::aboutToShow, this, &MainWindow::updateQueriesMenu);
    connect(menus_.queriesSelect, &QAction::triggered, this,
            [this] { showQueries(queries::QueryMode::Select); });
    connect(menus_.queriesDefine, &QAction::triggered, this,
            [this] { showQueries(queries::QueryMode::Define); });
}

// The Manipulator's closing closed the database: the program's own is
// current again. Otherwise the current one reads its tables anew. Errors
// are gone past: the menu opens whatever happens.
void MainWindow::updateQueriesMenu() {
    if (reopenClosedDatabase())
        return;
    try {
        state_.database->tableDefs().refresh();
    } catch (const RuntimeError&) {
        // A table list that cannot be read is read again next time.
    }
}

void MainWindow::createQueryWindow() {
    queries_ = new QueryWindow(state_, dialogs_, files_);
    queriesWindow_ = addSubWindow(queries_);
    queriesWindow_->setMinimumSize(twips(queries::minimumWidth), twips(queries::minimumHeight));
    // A row-returning query shows its rows in the result browser Form12; an
    // error in reading them goes back to the query window, which reports it.
    queries_->showResult = [this](const queries::QueryResultRequest& request) {
        openBrowser(TableBrowser::Kind::QueryResult,
                    {{}, request.sql, request.parameters, request.caption});
    };
    // Activated when another window gave way to it, not when a message box
    // of its own closes.
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
        if (window && window == queriesWindow_)
            queries_->activated();
    });
}

// A window that is not shown opens afresh: its size and its place centred
// in the frame.
void MainWindow::loadQueryWindow() {
    queriesWindow_->resize(twips(queryWindowWidth), twips(queries::loadHeight));
    queriesWindow_->move((width() - queriesWindow_->width()) / 2 - twips(100),
                         (height() - queriesWindow_->height()) / 2 - twips(400));
}

void MainWindow::showQueries(queries::QueryMode mode) {
    if (!queries_)
        createQueryWindow();
    if (!queriesWindow_->isVisible())
        loadQueryWindow();
    const bool wasActive = mdi_->activeSubWindow() == queriesWindow_;
    queries_->setMode(mode);
    showSubWindow(queriesWindow_);
    queriesWindow_->raise();
    mdi_->setActiveSubWindow(queriesWindow_);
    // Already in front, the window is not activated again; the new mode
    // still takes effect.
    if (wasActive)
        queries_->activated();
}

void MainWindow::refreshQueryWindow() {
    if (queries_ && queriesWindow_->isVisible())
        queries_->refreshQuerys();
}

} // namespace fieldizer::ui
