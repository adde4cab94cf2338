// The File menu's database group in the running program: opening a database
// through Form4, going back to the program's own, the table list Form3 in
// both modes, and "Save TABLE As".
#include "desktop_fixture.h"
#include "shell/databases/table_copy.h"
#include "shell/menus/form_names.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/password_access/password_access.h"
#include "ui/password_access/password_access_controls.h"
#include "ui/table_list/table_list.h"
#include "ui/table_list/table_list_controls.h"
#include "user_tables.h"
#include "workbench/fieldizer_database.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QTimer>

namespace names = fieldizer::ui::manipulatorControls;

using namespace fieldizer;
using namespace fieldizer::testing;

namespace {

constexpr const char* unreadableText =
    "The database you selected has a format that is unrecognizable to Fieldizer.";

class DatabaseWindows : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        home_ = state_.database;
        QObject::connect(window_.get(), &ui::MainWindow::databaseChanged,
                         [this] { ++databaseChanges_; });
        QObject::connect(window_.get(), &ui::MainWindow::tableOpenRequested,
                         [this](const std::string& table, const std::string& caption) {
                             opened_.emplace_back(table, caption);
                         });
    }

    // A database of the user's, holding the table Orders.
    std::string userDatabase(const std::string& name) {
        const std::string path = writeFile(name, "");
        std::filesystem::remove(path);
        auto database = db::Workspace().createDatabase(path);
        makeUserTable(*database, "Orders", 3);
        database->close();
        return path;
    }

    // Chooses `path` in the file dialog; Form4, once shown, gets `answer`.
    void openDatabase(const std::string& path,
                      const std::function<void(ui::PasswordAccess&)>& answer) {
        files_.add(path);
        passwordDialogShown_ = false;
        QTimer::singleShot(0, [this, answer] {
            auto* passwordDialog =
                window_->findChild<ui::PasswordAccess*>(QLatin1String(formNames::passwordAccess));
            ASSERT_NE(passwordDialog, nullptr);
            passwordDialogShown_ = passwordDialog->isVisible();
            answer(*passwordDialog);
        });
        action("menuFileOpenDB")->trigger();
    }
    static void click(ui::PasswordAccess& passwordDialog, const char* button) {
        passwordDialog.findChild<QPushButton*>(QLatin1String(button))->click();
    }
    static void type(ui::PasswordAccess& passwordDialog, const char* box, const char* text) {
        passwordDialog.findChild<QLineEdit*>(QLatin1String(box))
            ->setText(QString::fromLatin1(text));
    }

    void openFileMenu() { Q_EMIT action("menuFile")->menu()->aboutToShow(); }
    QListWidget& list() const { return *find<QListWidget>(ui::tableListControls::tableNamesList); }
    bool tableListShown() const {
        return window_->tableList() && window_->tableList()->parentWidget()->isVisible();
    }
    void doubleClick(int row) { Q_EMIT list().itemDoubleClicked(list().item(row)); }
    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        for (int i = 0; i < list().count(); ++i)
            names.push_back(list().item(i)->text().toStdString());
        return names;
    }
    db::Database& current() { return *state_.database; }

    std::shared_ptr<db::Database> home_;
    int databaseChanges_ = 0;
    bool passwordDialogShown_ = false;
    std::vector<std::pair<std::string, std::string>> opened_;
};

} // namespace

TEST_F(DatabaseWindows, cancelInTheFileDialogChangesNothing) {
    files_.add("");
    action("menuFileOpenDB")->trigger();
    ASSERT_EQ(files_.requests.size(), 1u);
    EXPECT_NE(files_.requests[0].filter.find("|*.mdb|"), std::string::npos);
    EXPECT_NE(files_.requests[0].filter.find("*.db *.sqlite"), std::string::npos);
    EXPECT_EQ(state_.database, home_);
    EXPECT_EQ(state_.dbPath, state_.homeDbPath);
    EXPECT_TRUE(state_.previousDbName.empty());
    EXPECT_EQ(databaseChanges_, 0);
}

TEST_F(DatabaseWindows, cancelInPasswordAccessLeavesThePreviousDatabaseCurrent) {
    const std::string path = userDatabase("sales.db");
    openDatabase(path, [](ui::PasswordAccess& passwordDialog) {
        EXPECT_EQ(passwordDialog.windowTitle(), QStringLiteral("Password Access"));
        EXPECT_EQ(passwordDialog
                      .findChild<QWidget*>(QLatin1String(ui::passwordAccessControls::detailsFrame))
                      ->property("title"),
                  QStringLiteral("If the database is secured, enter details"));
        click(passwordDialog, ui::passwordAccessControls::cancelButton);
    });
    EXPECT_TRUE(passwordDialogShown_);
    EXPECT_EQ(state_.database, home_);
    EXPECT_TRUE(home_->isOpen());
    EXPECT_EQ(state_.dbPath, state_.homeDbPath);
    EXPECT_EQ(databaseChanges_, 0);
}

TEST_F(DatabaseWindows, okOpensWithTheNameAndPasswordTypedAndUseOriginalGoesBack) {
    const std::string path = userDatabase("sales.db");
    openDatabase(path, [](ui::PasswordAccess& passwordDialog) {
        type(passwordDialog, ui::passwordAccessControls::userNameBox, "clerk");
        type(passwordDialog, ui::passwordAccessControls::passwordBox, "secret");
        click(passwordDialog, ui::passwordAccessControls::okButton);
    });
    EXPECT_EQ(state_.dbPath, path);
    EXPECT_EQ(current().connect(), ";UID=clerk;PWD=secret");
    EXPECT_FALSE(home_->isOpen());
    EXPECT_EQ(databaseChanges_, 1);
    openFileMenu();
    EXPECT_TRUE(action("menuFileUseOrig")->isEnabled());
    EXPECT_TRUE(action("menuFileOpenTable")->isEnabled()); // Orders

    action("menuFileUseOrig")->trigger();
    EXPECT_EQ(state_.dbPath, state_.homeDbPath);
    EXPECT_EQ(current().name(), state_.homeDbPath);
    EXPECT_EQ(current().connect(), db::ownConnectString);
    EXPECT_EQ(databaseChanges_, 2);
    openFileMenu();
    EXPECT_FALSE(action("menuFileUseOrig")->isEnabled());
    EXPECT_FALSE(action("menuFileOpenTable")->isEnabled()); // only the program's tables
}

TEST_F(DatabaseWindows, anUnreadableFileIsReportedAndThePreviousDatabaseStays) {
    const std::string path = writeFile("letter.mdb", std::string(4096, 'x'));
    bool stayedOpen = false;
    openDatabase(path, [&stayedOpen](ui::PasswordAccess& passwordDialog) {
        click(passwordDialog, ui::passwordAccessControls::okButton);
        stayedOpen = passwordDialog.isVisible();
        click(passwordDialog, ui::passwordAccessControls::cancelButton);
    });
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, unreadableText);
    EXPECT_EQ(dialogs_.messages[0].title, errorReportTitle);
    EXPECT_EQ(state_.database, home_);
    EXPECT_TRUE(home_->isOpen());
    EXPECT_EQ(state_.dbPath, state_.homeDbPath);
    EXPECT_EQ(databaseChanges_, 0);
}

TEST_F(DatabaseWindows, withNoUserTablesTheTableListDoesNotStayOpen) {
    window_->openTableCommand();
    EXPECT_FALSE(tableListShown());
    makeUserTable(current(), "Orders", 1);
    window_->deleteTableCommand();
    ASSERT_TRUE(tableListShown());
    dialogs_.add(Answer::Yes);
    doubleClick(0); // the last table goes, and the window with it
    EXPECT_FALSE(current().tableDefs().contains("Orders"));
    EXPECT_FALSE(tableListShown());
}

TEST_F(DatabaseWindows, openModeAsksTheBrowserForTheTableAndCloses) {
    makeUserTable(current(), "Orders", 1);
    makeUserTable(current(), "archive", 1);
    window_->openTableCommand();
    ASSERT_TRUE(tableListShown());
    EXPECT_EQ(window_->tableList()->windowTitle(), QStringLiteral("Fieldizer - Open Table"));
    auto* instruction = find<QLabel>(ui::tableListControls::instructionLabel);
    EXPECT_EQ(instruction->text(), QStringLiteral("Double-click on a table name to OPEN it:"));
    EXPECT_EQ(instruction->palette().color(QPalette::WindowText), QColor(0, 0x80, 0));
    EXPECT_EQ(listed(), (std::vector<std::string>{"archive", "Orders"}));
    EXPECT_EQ(state_.activeFormName, formNames::tableList);

    doubleClick(1);
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0], (std::pair<std::string, std::string>{"Orders", "Table - Orders"}));
    EXPECT_EQ(state_.openTableName, "Orders");
    EXPECT_FALSE(tableListShown());
    // The table's browser is the active window now.
    EXPECT_EQ(state_.activeFormName, formNames::tableBrowser);
}

TEST_F(DatabaseWindows, deleteModeDeletesOnlyAfterYesClosingBrowsersFirst) {
    makeUserTable(current(), "Orders", 1);
    makeUserTable(current(), "archive", 1);
    std::vector<std::string> closing;
    QObject::connect(window_.get(), &ui::MainWindow::tableAboutToBeDeleted,
                     [&](const std::string& table) {
                         EXPECT_TRUE(current().tableDefs().contains(table)); // not gone yet
                         closing.push_back(table);
                     });
    window_->deleteTableCommand();
    EXPECT_EQ(window_->tableList()->windowTitle(), QStringLiteral("Fieldizer - Delete Table"));
    EXPECT_EQ(find<QLabel>(ui::tableListControls::instructionLabel)->text(),
              QStringLiteral("Double-click on a table name to DELETE it:"));
    EXPECT_EQ(find<QLabel>(ui::tableListControls::instructionLabel)
                  ->palette()
                  .color(QPalette::WindowText),
              QColor(0xFF, 0, 0));

    dialogs_.add(Answer::No);
    doubleClick(1);
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].text, "Delete this table: Orders?");
    EXPECT_TRUE(current().tableDefs().contains("Orders"));
    EXPECT_TRUE(closing.empty());

    dialogs_.add(Answer::Yes);
    doubleClick(1);
    EXPECT_FALSE(current().tableDefs().contains("Orders"));
    EXPECT_EQ(closing, std::vector<std::string>{"Orders"});
    EXPECT_EQ(listed(), std::vector<std::string>{"archive"});
    EXPECT_TRUE(tableListShown());
    EXPECT_TRUE(opened_.empty());
}

TEST_F(DatabaseWindows, saveTableAsCopiesTheOpenTableAndShowsTheCopy) {
    makeUserTable(current(), "Orders", 500);
    state_.openTableName = "Orders";
    window_->setTableBrowserVisible([] { return true; });
    openFileMenu();
    EXPECT_TRUE(action("menuFileSaveTableAs")->isEnabled());

    files_.addInput("ORDERS"); // differs only in case: another name is asked for
    dialogs_.add(Answer::Yes);
    files_.addInput("Orders Copy");
    bool runningShown = false; // seen at the copy's first yield to the window
    QTimer::singleShot(0, [&] {
        window_->close(); // refused while the copy runs
        runningShown = find<QProgressBar>(names::progressBar)->isVisible() &&
                       state_.tableCopyRunning && manipulator().passRunning() &&
                       !window_->menuBar()->isEnabled() && window_->isVisible();
    });
    action("menuFileSaveTableAs")->trigger();
    EXPECT_TRUE(runningShown);
    ASSERT_EQ(opened_.size(), 1u);
    EXPECT_EQ(opened_[0],
              (std::pair<std::string, std::string>{"Orders Copy", "Tables - Orders Copy"}));
    EXPECT_EQ(state_.openTableName, "Orders Copy");
    EXPECT_EQ(database_.rows("Orders Copy"), database_.rows("Orders"));
    EXPECT_FALSE(find<QProgressBar>(names::progressBar)->isVisible());
    EXPECT_FALSE(state_.tableCopyRunning || manipulator().passRunning());
    EXPECT_TRUE(window_->menuBar()->isEnabled());
    EXPECT_TRUE(action("menuFileOpenFile")->isEnabled());
    EXPECT_EQ(databaseChanges_, 1);

    files_.addInput(std::nullopt); // Cancel copies nothing
    action("menuFileSaveTableAs")->trigger();
    EXPECT_EQ(opened_.size(), 1u);
    EXPECT_EQ(current().tableDefs().count(), 4);
    EXPECT_FALSE(dialogs_.unexpected || files_.unexpected);
}

TEST_F(DatabaseWindows, saveTableAsOffersStopAndEndsWhenItIsClicked) {
    makeUserTable(current(), "Orders", 500);
    state_.openTableName = "Orders";
    files_.addInput("Orders Copy");
    bool stopOffered = false; // at the copy's first yield to the window
    QTimer::singleShot(0, [&] {
        auto* stop = find<QPushButton>(names::stopButton);
        stopOffered = manipulator().passRunning() && stop->isEnabled();
        stop->click();
    });
    window_->saveTableAsCommand();
    EXPECT_TRUE(stopOffered);
    EXPECT_FALSE(current().tableDefs().contains("Orders Copy")) << "all or nothing";
    EXPECT_TRUE(opened_.empty());
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_FALSE(state_.tableCopyRunning || manipulator().passRunning());
    EXPECT_FALSE(find<QPushButton>(names::stopButton)->isEnabled());
    EXPECT_TRUE(window_->menuBar()->isEnabled());
}

TEST_F(DatabaseWindows, aCopyFailingPartWayIsReportedAndLeavesNothing) {
    makeOverfullTable(current(), "Loose", 10000);
    state_.openTableName = "Loose";
    files_.addInput("Tight");
    window_->saveTableAsCommand();
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].title, errorReportTitle);
    EXPECT_EQ(dialogs_.messages[0].text.substr(0, 35), "Field is too small for the amount o");
    EXPECT_FALSE(current().tableDefs().contains("Tight"));
    EXPECT_TRUE(opened_.empty());
    EXPECT_FALSE(state_.tableCopyRunning || manipulator().passRunning());
    EXPECT_TRUE(window_->menuBar()->isEnabled());
}
