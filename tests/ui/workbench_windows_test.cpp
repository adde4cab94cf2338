// The database windows working together in the running program: a table
// chosen in the table list opens in Form13, a query's rows show in Form12,
// and deleting a table or leaving the database takes their browsers along.
#include "desktop_fixture.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/password_access/password_access.h"
#include "ui/query_window/query_window.h"
#include "ui/query_window/query_window_controls.h"
#include "ui/table_browser/table_browser.h"
#include "ui/table_browser/table_browser_controls.h"
#include "ui/table_list/table_list_controls.h"
#include "user_tables.h"
#include "workbench/workspace.h"

#include <QComboBox>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTimer>

namespace names = fieldizer::ui::manipulatorControls;

using namespace fieldizer;
using namespace fieldizer::testing;
using Kind = ui::TableBrowser::Kind;

namespace {

class WorkbenchWindows : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        makeUserTable(*state_.database, "Orders", 5);
    }
    // Chooses `table` in the table list opened by the File menu's `item`.
    void chooseInTableList(const char* item, const std::string& table) {
        Q_EMIT action("menuFile")->menu()->aboutToShow();
        action(item)->trigger();
        auto& list = *find<QListWidget>(ui::tableListControls::tableNamesList);
        const auto found = list.findItems(QString::fromStdString(table), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        Q_EMIT list.itemDoubleClicked(found.front());
    }
    void runQuery(const char* sql) {
        Q_EMIT window_->menus().queries->aboutToShow();
        action("menuQueriesDefine")->trigger();
        find<QPlainTextEdit>(ui::queryWindowControls::statementBox)
            ->setPlainText(QString::fromLatin1(sql));
        click(ui::queryWindowControls::executeButton);
    }
    bool shown(Kind kind) const { return window_->browserVisible(kind); }
};

} // namespace

TEST_F(WorkbenchWindows, aTableChosenInTheListOpensInTheTableBrowser) {
    chooseInTableList("menuFileOpenTable", "Orders");
    ASSERT_TRUE(shown(Kind::Table));
    EXPECT_EQ(window_->browser(Kind::Table)->parentWidget()->windowTitle().toStdString(),
              "Table - Orders");
    EXPECT_EQ(window_->browser(Kind::Table)
                  ->findChild<QTableView*>(QLatin1String(ui::tableBrowserControls::grid))
                  ->model()
                  ->rowCount(),
              5 + 1); // the rows and the line for a new one
    // With a table shown, "Save TABLE As" is offered.
    Q_EMIT action("menuFile")->menu()->aboutToShow();
    EXPECT_TRUE(action("menuFileSaveTableAs")->isEnabled());
}

TEST_F(WorkbenchWindows, aQuerysRowsShowInTheResultBrowserAndGoWithTheirTable) {
    runQuery("SELECT Label FROM Orders WHERE Amount > 2");
    ASSERT_TRUE(shown(Kind::QueryResult));
    chooseInTableList("menuFileOpenTable", "Orders");
    ASSERT_TRUE(shown(Kind::Table));

    dialogs_.add(Answer::Yes); // delete the table
    chooseInTableList("menuFileDeleteTable", "Orders");
    EXPECT_FALSE(shown(Kind::Table));
    EXPECT_FALSE(shown(Kind::QueryResult)) << "its rows no longer exist";
    EXPECT_FALSE(dialogs_.unexpected);
}

TEST_F(WorkbenchWindows, goingBackToTheProgramsDatabaseClosesTheBrowsers) {
    chooseInTableList("menuFileOpenTable", "Orders");
    ASSERT_TRUE(shown(Kind::Table));
    window_->useOriginalDatabaseCommand();
    EXPECT_FALSE(shown(Kind::Table));
}

TEST_F(WorkbenchWindows, selectDatabaseOnTheSaveTabOpensThroughPasswordAccess) {
    const std::string other = (folder_ / "sales.db").string();
    {
        auto database = db::Workspace().createDatabase(other);
        makeUserTable(*database, "Customers", 2);
    }
    manipulator().tabs()->setCurrentIndex(8);
    find<QRadioButton>(names::createInChosenDatabaseOption)->click();
    files_.add(other);
    QTimer poll;
    acceptPasswordAccess(poll);
    click(names::selectDatabaseButton);
    EXPECT_EQ(state_.dbPath, other);
    auto* tableNames = find<QComboBox>(names::tableName);
    ASSERT_EQ(tableNames->count(), 1);
    EXPECT_EQ(tableNames->itemText(0).toStdString(), "Customers");
    // Both ways to the dialog start on the database current at the time.
    ASSERT_EQ(files_.requests.size(), 1u);
    EXPECT_EQ(files_.requests[0].initialPath, state_.homeDbPath);
    files_.add("");
    action("menuFileOpenDB")->trigger();
    ASSERT_EQ(files_.requests.size(), 2u);
    EXPECT_EQ(files_.requests[1].initialPath, other);
}
