// The table browsers inside the frame: Form13 for a table, Form12 for the
// rows of a query, each one window reused for every source shown in it.

#include "shell/dialogs/error_report.h"
#include "ui/main_window/main_window.h"
#include "ui/main_window/print_messages.h"
#include "ui/manipulator/manipulator.h"
#include "ui/table_browser/print_image.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTableView>

namespace fieldizer::ui {
namespace {

std::size_t slot(TableBrowser::Kind kind) {
    return kind == TableBrowser::Kind::Table ? 0 : 1;
}

} // namespace

// The database group's commands reach the browsers through these: a table
// chosen in Form3 or copied opens in Form13; a table about to be deleted,
// or a database about to be left, takes its browsers with it.
void MainWindow::connectBrowsers() {
    connect(this, &MainWindow::tableOpenRequested, this,
            [this](const std::string& table, const std::string& caption) {
                showBrowser(TableBrowser::Kind::Table, {table, {}, {}, caption});
            });
    connect(this, &MainWindow::tableAboutToBeDeleted, this, &MainWindow::closeBrowsersOf);
    connect(this, &MainWindow::databaseAboutToChange, this, &MainWindow::closeBrowsers);
    setTableBrowserVisible([this] { return browserVisible(TableBrowser::Kind::Table); });
}

TableBrowser* MainWindow::browser(TableBrowser::Kind kind) const {
    return browsers_[slot(kind)];
}

bool MainWindow::browserVisible(TableBrowser::Kind kind) const {
    const QMdiSubWindow* frame = browserWindows_[slot(kind)];
    return frame && frame->isVisible();
}

TableBrowser* MainWindow::createBrowser(TableBrowser::Kind kind) {
    auto* browser = new TableBrowser(kind, state_, dialogs_, files_);
    browser->printImage = [this](QWidget& window) { printWindowImage(window); };
    // An export runs in the Manipulator's run scope: its progress bar and
    // Stop, every other command waiting.
    browser->runLongWork = [this](const TableBrowser::LongWork& work) {
        manipulator_->runWithProgress(work);
    };
    QMdiSubWindow* frame = addSubWindow(browser);
    // Activated when another window gave way to it; not again when the frame
    // gets the focus back from a message box (a failing refresh would
    // otherwise report itself over and over).
    connect(mdi_, &QMdiArea::subWindowActivated, browser,
            [browser, frame,
             last = static_cast<QMdiSubWindow*>(nullptr)](QMdiSubWindow* window) mutable {
                if (!window)
                    return;
                if (window == frame && last != frame)
                    browser->activated();
                last = window;
            });
    browsers_[slot(kind)] = browser;
    browserWindows_[slot(kind)] = frame;
    return browser;
}

bool MainWindow::showBrowser(TableBrowser::Kind kind, const BrowserSource& source) {
    try {
        openBrowser(kind, source);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
        return false;
    }
    return true;
}

void MainWindow::openBrowser(TableBrowser::Kind kind, const BrowserSource& source) {
    TableBrowser* browser = browsers_[slot(kind)];
    if (!browser)
        browser = createBrowser(kind);
    browser->showSource(source);
    QMdiSubWindow* frame = browserWindows_[slot(kind)];
    if (!frame->isVisible())
        placeBrowser(kind);
    showSubWindow(frame);
    mdi_->setActiveSubWindow(frame);
    browser->grid().setFocus();
}

// Centred in the frame, unless the program is putting the window up for
// its own work; the query result a little left and up from the table's.
void MainWindow::placeBrowser(TableBrowser::Kind kind) {
    QMdiSubWindow* frame = browserWindows_[slot(kind)];
    const QSize area = mdi_->viewport()->size();
    frame->resize(std::min(twips(9000), area.width()), std::min(twips(6000), area.height()));
    if (state_.textSetByProgram)
        return;
    QPoint place((area.width() - frame->width()) / 2, (area.height() - frame->height()) / 2);
    if (kind == TableBrowser::Kind::QueryResult)
        place -= QPoint(twips(100), twips(400));
    frame->move(std::max(place.x(), 0), std::max(place.y(), 0));
}

void MainWindow::closeBrowsersOf(const std::string& table) {
    for (std::size_t i = 0; i < 2; ++i)
        if (browsers_[i] && browserWindows_[i]->isVisible() &&
            sourceShowsTable(browsers_[i]->source(), table))
            browserWindows_[i]->close();
}

void MainWindow::closeBrowsers() {
    for (QMdiSubWindow* frame : browserWindows_)
        if (frame && frame->isVisible())
            frame->close();
}

void MainWindow::printWindowImage(QWidget& window) {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    if (!printWidgetImage(*printer_, window))
        dialogs_.tell(notice(printFailed, printProblem));
}

} // namespace fieldizer::ui
