// The File menu's database group: opening a database with Form4, going back
// to the program's own, the table list Form3 in its open and delete modes,
// and "Save TABLE As". What they decide lives in shell/databases.
#include "shell/access_import/access_import.h"
#include "shell/databases/database_choice.h"
#include "shell/databases/server_choice.h"
#include "shell/databases/table_copy.h"
#include "shell/databases/table_list.h"
#include "shell/dialogs/error_report.h"
#include "shell/menus/form_names.h"
#include "shell/program_state/database_location.h"
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"
#include "ui/password_access/password_access.h"
#include "ui/table_list/table_list.h"
#include "ui/table_list/table_list_controls.h"
#include "workbench/access/access_file_header.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <memory>
#include <optional>

namespace fieldizer::ui {
void MainWindow::connectDatabaseMenus() {
    connect(menus_.openDB, &QAction::triggered, this, &MainWindow::openUserDatabase);
    connect(menus_.useOrig, &QAction::triggered, this, &MainWindow::useOriginalDatabaseCommand);
    connect(menus_.openTable, &QAction::triggered, this, &MainWindow::openTableCommand);
    connect(menus_.deleteTable, &QAction::triggered, this, &MainWindow::deleteTableCommand);
    connect(menus_.saveTableAs, &QAction::triggered, this, &MainWindow::saveTableAsCommand);
    // A shown query window lists the queries of the database now current.
    connect(this, &MainWindow::databaseChanged, this, &MainWindow::refreshQueryWindow);
}

// Nothing changes the current database under long work.
bool MainWindow::databaseBusy() const {
    return manipulator_->passRunning();
}

// An Access file is offered as a copy in the program's own format; the copy
// is what opens. The conversion runs with the Manipulator's progress bar and
// Stop, and no other database command starts meanwhile.
std::filesystem::path MainWindow::resolveChosenDatabase(const std::filesystem::path& path) {
    if (!access::isAccessDatabaseFile(path))
        return path;
    std::optional<std::filesystem::path> copy;
    manipulator_->runWithProgress(
        [&](PassObserver& observer) { copy = offerAccessCopy(path, dialogs_, observer); });
    return copy.value_or(std::filesystem::path());
}

void MainWindow::openUserDatabase() {
    if (databaseBusy())
        return;
    state_.previousDbName = state_.dbPath;
    // The dialog starts on the current database's file.
    const std::filesystem::path chosen = files_.chooseFile(
        {FileDialogRequest::Mode::Open, selectDatabaseTitle, userDatabaseFilter, state_.dbPath});
    std::filesystem::path path;
    try {
        path = chosen.empty() ? chosen : resolveChosenDatabase(chosen);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
    if (path.empty()) {
        restorePreviousPath(state_);
        return;
    }
    PasswordAccess passwordDialog(
        [this, &path](const std::string& user, const std::string& password) {
            return openChosenFile(path, user, password);
        },
        this);
    if (passwordDialog.exec() != QDialog::Accepted)
        restorePreviousPath(state_);
}

void MainWindow::openServerDatabaseForSave() {
    if (databaseBusy())
        return;
    const std::optional<std::string> address = askServerAddress(files_);
    if (!address)
        return;
    PasswordAccess passwordDialog(
        [this, &address](const std::string& user, const std::string& password) {
            try {
                manipulator_->useServerDatabase(openServerDatabase(*address, user, password));
            } catch (const RuntimeError& error) {
                handleError(dialogs_, error);
                return false;
            }
            return true;
        },
        this);
    passwordDialog.exec();
}

// Form4's OK: the file opened with the connect string becomes current; a
// failure is reported and the previous database stays current.
bool MainWindow::openChosenFile(const std::filesystem::path& path, const std::string& user,
                                const std::string& password) {
    std::shared_ptr<db::Database> database;
    try {
        database = openChosenDatabase(path, userConnectString(user, password));
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
        return false;
    }
    switchDatabase(std::move(database), path);
    return true;
}

void MainWindow::switchDatabase(std::shared_ptr<db::Database> database,
                                const std::filesystem::path& path) {
    if (tableListWindow_)
        tableListWindow_->close();
    Q_EMIT databaseAboutToChange();
    makeCurrent(state_, std::move(database), path);
    Q_EMIT databaseChanged();
}

void MainWindow::useOriginalDatabaseCommand() {
    if (databaseBusy())
        return;
    if (tableListWindow_)
        tableListWindow_->close();
    Q_EMIT databaseAboutToChange();
    try {
        useOriginalDatabase(state_);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
    Q_EMIT databaseChanged();
}

void MainWindow::openTableCommand() {
    showTableList(openTableMode);
}

void MainWindow::deleteTableCommand() {
    showTableList(deleteTableMode);
}

void MainWindow::showTableList(const TableListMode& mode) {
    if (databaseBusy())
        return;
    if (!tableList_) {
        tableList_ = new TableList;
        tableListWindow_ = addSubWindow(tableList_);
        connect(tableList_, &TableList::tableChosen, this, &MainWindow::tableChosen);
        connect(tableList_, &TableList::closed, this, [this] {
            if (state_.activeFormName == formNames::tableList)
                state_.activeFormName.clear();
        });
        connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* window) {
            if (window && window == tableListWindow_)
                state_.activeFormName = formNames::tableList;
        });
    }
    tableList_->setMode(mode);
    createTableList();
    if (tableList_->count() == 0)
        return;
    tableListWindow_->resize(twips(tableListWidth), twips(tableListHeight));
    tableListWindow_->move((width() - tableListWindow_->width()) / 2,
                           (height() - tableListWindow_->height()) / 2);
    showSubWindow(tableListWindow_);
    mdi_->setActiveSubWindow(tableListWindow_);
    tableList_->findChild<QWidget*>(QLatin1String(tableListControls::tableNamesList))->setFocus();
}

// createTableList: the names of the current database; with none left the
// window closes. A list that cannot be read is reported and left empty.
void MainWindow::createTableList() {
    std::vector<std::string> names;
    try {
        if (state_.database)
            names = listedTableNames(*state_.database);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
    tableList_->setNames(names);
    if (names.empty())
        tableListWindow_->close();
}

void MainWindow::tableChosen(const std::string& name, bool deleting) {
    if (databaseBusy())
        return;
    if (deleting) {
        deleteChosenTable(name);
        return;
    }
    state_.openTableName = name;
    Q_EMIT tableOpenRequested(name, "Table - " + name);
    tableListWindow_->close();
}

void MainWindow::deleteChosenTable(const std::string& name) {
    if (dialogs_.ask(deleteTableQuestion(name)) != Answer::Yes)
        return;
    Q_EMIT tableAboutToBeDeleted(name);
    try {
        deleteTable(*state_.database, name);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
    Q_EMIT databaseChanged();
    createTableList();
}

void MainWindow::saveTableAsCommand() {
    if (databaseBusy() || !state_.database)
        return;
    std::optional<std::string> name;
    try {
        name = tableCheck(*state_.database, state_.openTableName, dialogs_, files_);
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
        return;
    }
    if (name)
        copyOpenTable(*name);
}

void MainWindow::copyOpenTable(const std::string& name) {
    const std::string source = state_.openTableName;
    std::optional<long> copied;
    try {
        // The copy runs with the Manipulator's progress bar and Stop, every
        // other command waiting; the open table's browser writes a pending
        // row unasked meanwhile.
        state_.tableCopyRunning = true;
        const std::unique_ptr<ProgramState, void (*)(ProgramState*)> copying(
            &state_, [](ProgramState* state) { state->tableCopyRunning = false; });
        manipulator_->runWithProgress([&](PassObserver& progress) {
            copied = saveTableAs(*state_.database, source, name, progress);
        });
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
        return;
    }
    if (!copied)
        return; // Stop: no new table
    Q_EMIT databaseChanged();
    if (source == exportTableName)
        return;
    state_.openTableName = name;
    Q_EMIT tableOpenRequested(name, "Tables - " + name);
}

} // namespace fieldizer::ui
