// The menu tree with its captions, access keys, shortcuts and starting states.
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace fieldizer::ui {
namespace {

QMenu* menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* result = bar->addMenu(QString::fromLatin1(caption));
    result->setObjectName(QLatin1String(name));
    result->menuAction()->setObjectName(QLatin1String(name));
    return result;
}

QAction* item(QMenu* menu, const char* name, const char* caption, bool enabled,
              QKeySequence shortcut = {}) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QLatin1String(name));
    action->setEnabled(enabled);
    action->setShortcut(shortcut);
    return action;
}

void separator(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

void MainWindow::buildMenus() {
    QMenuBar* bar = menuBar();
    MainMenus& m = menus_;
    m.file = menu(bar, "menuFile", "&File");
    m.openFile = item(m.file, "menuFileOpenFile", "&Open File...", true, QKeySequence::Open);
    m.saveFile = item(m.file, "menuFileSaveFile", "&Save File", false, QKeySequence::Save);
    m.saveFileAs = item(m.file, "menuFileSaveFileAs", "Save File &As...", false);
    m.closeFile = item(m.file, "menuFileCloseFile", "C&lose File", false);
    // For a file whose encoding the rule guessed wrong; offered while a file is open.
    m.reopen = m.file->addMenu(QStringLiteral("Reopen with &Encoding"));
    m.reopen->setObjectName(QStringLiteral("menuFileReopen"));
    m.reopen->menuAction()->setObjectName(QStringLiteral("menuFileReopen"));
    m.reopenUtf8 = item(m.reopen, "menuFileReopenUtf8", "UTF-8", true);
    m.reopenWindows1252 = item(m.reopen, "menuFileReopenWindows1252", "Windows-1252", true);
    separator(m.file, "spacer0");
    m.useOrig = item(m.file, "menuFileUseOrig", "Use O&riginal Database", false);
    m.openDB = item(m.file, "menuFileOpenDB", "Open Access Database...", true);
    separator(m.file, "spacer01");
    m.openTable = item(m.file, "menuFileOpenTable", "Open &Table...", false);
    m.saveTableAs = item(m.file, "menuFileSaveTableAs", "Save TABLE &As...", false);
    m.deleteTable = item(m.file, "menuFileDeleteTable", "&Delete Table...", false);
    separator(m.file, "spacer1");
    m.printerSetup = item(m.file, "menuFilePrinterSetup", "Printer Set&up...", true);
    m.print = item(m.file, "menuFilePrint", "&Print...", false);
    separator(m.file, "spacer2");
    m.exit = item(m.file, "menuExit", "E&xit", true);

    m.edit = menu(bar, "menuEdit", "&Edit");
    m.undo = item(m.edit, "menuEditUndo", "&Undo", false, QKeySequence::Undo);
    m.cut = item(m.edit, "menuEditCut", "Cu&t", false, QKeySequence::Cut);
    m.copy = item(m.edit, "menuEditCopy", "&Copy", false, QKeySequence::Copy);
    m.paste = item(m.edit, "menuEditPaste", "&Paste", true, QKeySequence::Paste);
    m.selectAll = item(m.edit, "menuEditSelectAll", "&Select All", false, QKeySequence::SelectAll);
    m.deleteAll = item(m.edit, "menuEditDeleteAll", "&Delete All", false);

    m.view = menu(bar, "menuView", "&View");
    m.viewFieldize = item(m.view, "menuViewFieldize", "&Manipulator", true);
    m.viewTextViewer = item(m.view, "menuViewTextViewer", "&Text Viewer", true);

    m.search = menu(bar, "menuSearch", "&Search");
    m.find = item(m.search, "menuSearchFind", "&Find...", false, QKeySequence::Find);

    m.queries = menu(bar, "menuQueries", "&Queries");
    m.queriesSelect = item(m.queries, "menuQueriesSelect", "&Select and Run...", true);
    m.queriesDefine = item(m.queries, "menuQueriesDefine", "&Define and Run...", true);

    m.help = menu(bar, "menuHelp", "&Help");
    m.about = item(m.help, "menuAbout", "&About Fieldizer", true);
}

void MainWindow::connectMenus() {
    MainMenus& m = menus_;
    connect(m.file, &QMenu::aboutToShow, this, &MainWindow::updateFileMenu);
    connect(m.edit, &QMenu::aboutToShow, this, &MainWindow::updateEditMenu);
    connect(m.view, &QMenu::aboutToShow, this, &MainWindow::updateViewMenu);
    connect(m.search, &QMenu::aboutToShow, this, &MainWindow::updateSearchMenu);
    connect(m.openFile, &QAction::triggered, this, [this] { openFileCommand(); });
    connect(m.saveFile, &QAction::triggered, this, [this] {
        showManipulator();
        manipulator_->saveFile();
    });
    connect(m.saveFileAs, &QAction::triggered, this, [this] {
        showManipulator();
        manipulator_->saveFileAs();
    });
    connect(m.closeFile, &QAction::triggered, this, &MainWindow::closeFileCommand);
    connect(m.reopenUtf8, &QAction::triggered, this,
            [this] { reopenCommand(EncodingChoice::Utf8); });
    connect(m.reopenWindows1252, &QAction::triggered, this,
            [this] { reopenCommand(EncodingChoice::Windows1252); });
    connect(m.printerSetup, &QAction::triggered, this, &MainWindow::printerSetupCommand);
    connect(m.print, &QAction::triggered, this, &MainWindow::printCommand);
    connect(m.exit, &QAction::triggered, this, &QWidget::close);
    connect(m.undo, &QAction::triggered, this, &MainWindow::undoCommand);
    connect(m.cut, &QAction::triggered, this, &MainWindow::cutCommand);
    connect(m.copy, &QAction::triggered, this, &MainWindow::copyCommand);
    connect(m.paste, &QAction::triggered, this, &MainWindow::pasteCommand);
    connect(m.selectAll, &QAction::triggered, this, &MainWindow::selectAllCommand);
    connect(m.deleteAll, &QAction::triggered, this, &MainWindow::deleteAllCommand);
    connect(m.viewFieldize, &QAction::triggered, this, &MainWindow::showManipulator);
    connect(m.viewTextViewer, &QAction::triggered, this, &MainWindow::showTextViewer);
    connect(m.find, &QAction::triggered, this, &MainWindow::showFind);
    connect(m.about, &QAction::triggered, this, &MainWindow::showAbout);
    connectQueriesMenu();
}

} // namespace fieldizer::ui
