// Windows closed and shown again: each comes back with its contents, the
// Text Viewer's double click closes its whole window, and the Find window
// stays in sight above the text it searches.
#include "desktop_fixture.h"
#include "ui/find/find_window.h"
#include "ui/find/find_window_controls.h"
#include "ui/query_window/query_window.h"
#include "ui/query_window/query_window_controls.h"
#include "ui/table_list/table_list.h"
#include "ui/table_list/table_list_controls.h"
#include "ui/text_viewer/text_viewer.h"
#include "user_tables.h"

#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace fieldizer::testing {
namespace {

class WindowsShownAgain : public DesktopTest {
  protected:
    // A window and its frame both shown: what the user sees is its contents.
    static bool shownWithContents(const QWidget* window) {
        return window && window->isVisible() && window->parentWidget()->isVisible();
    }
    static void closeFrame(QWidget* window) { window->parentWidget()->close(); }
    QListWidget& tableNames() const {
        return *find<QListWidget>(ui::tableListControls::tableNamesList);
    }
    void doubleClickTable(int row) {
        Q_EMIT tableNames().itemDoubleClicked(tableNames().item(row));
    }
    // The sub-windows from the one at the back to the one in front.
    QList<QMdiSubWindow*> stacking() const {
        return window_->findChild<QMdiArea*>()->subWindowList(QMdiArea::StackingOrder);
    }
};

TEST_F(WindowsShownAgain, theTableListComesBackWithItsNamesAfterEachWayOfClosing) {
    makeUserTable(*state_.database, "Orders", 1);
    window_->openTableCommand();
    ASSERT_TRUE(shownWithContents(window_->tableList()));
    doubleClickTable(0); // opens the table, closes the list
    ASSERT_FALSE(window_->tableList()->parentWidget()->isVisible());

    window_->deleteTableCommand();
    EXPECT_TRUE(shownWithContents(window_->tableList()));
    EXPECT_TRUE(tableNames().isVisible());
    EXPECT_EQ(tableNames().count(), 1);

    closeFrame(window_->tableList()); // its close box
    window_->openTableCommand();
    EXPECT_TRUE(shownWithContents(window_->tableList()));
    EXPECT_TRUE(tableNames().isVisible());
}

TEST_F(WindowsShownAgain, theQueryWindowClosedByItsCloseBoxComesBackWhole) {
    window_->showQueries(queries::QueryMode::Define);
    ASSERT_TRUE(shownWithContents(window_->queryWindow()));
    closeFrame(window_->queryWindow());
    ASSERT_FALSE(window_->queryWindow()->parentWidget()->isVisible());

    action("menuQueriesSelect")->trigger();
    EXPECT_TRUE(shownWithContents(window_->queryWindow()));
    EXPECT_TRUE(find<QWidget>(ui::queryWindowControls::statementBox)->isVisible());
}

TEST_F(WindowsShownAgain, aDoubleClickInTheViewerClosesItsWindowAndTheNextOneShowsTheText) {
    type("first text");
    Q_EMIT box().doubleClicked();
    ui::TextViewer* viewer = window_->textViewer();
    ASSERT_TRUE(shownWithContents(viewer));

    viewer->textBox()->replaceBytes(0, 5, "FIRST"); // typed in the viewer
    Q_EMIT viewer->textBox()->doubleClicked();
    EXPECT_FALSE(viewer->parentWidget()->isVisible()) << "no empty frame is left behind";
    EXPECT_EQ(text(), "FIRST text") << "the text came back";
    window_->updateViewMenu();
    EXPECT_TRUE(action("menuViewTextViewer")->isEnabled());

    Q_EMIT box().doubleClicked();
    EXPECT_TRUE(shownWithContents(viewer));
    EXPECT_EQ(viewer->textBox()->bytes(), "FIRST text");
}

TEST_F(WindowsShownAgain, afterTheViewerTheManipulatorTakesItsPlaceWithFindStillInSight) {
    type("a cat");
    window_->showFind();
    QWidget* manipulatorFrame = manipulator().parentWidget();
    const QRect place = manipulatorFrame->geometry();
    Q_EMIT box().doubleClicked(); // the viewer opens maximised
    Q_EMIT window_->textViewer()->textBox()->doubleClicked();
    EXPECT_FALSE(manipulatorFrame->isMaximized());
    EXPECT_EQ(manipulatorFrame->geometry(), place);
    EXPECT_EQ(stacking().back(), window_->findWindow()->parentWidget());
}

TEST_F(WindowsShownAgain, theFindWindowStaysInFrontOfTheTextAfterEveryHit) {
    type("one cat, two cat, three cat");
    window_->showFind();
    ui::FindWindow* findWindow = window_->findWindow();
    findWindow->findChild<QLineEdit*>(QLatin1String(ui::findWindowControls::searchBox))
        ->setText(QStringLiteral("cat"));
    findWindow->find();
    for (const std::size_t expected : {4u, 13u, 24u}) {
        EXPECT_EQ(box().selectionStart(), expected);
        EXPECT_TRUE(shownWithContents(findWindow));
        EXPECT_EQ(stacking().back(), findWindow->parentWidget()) << "at " << expected;
        findWindow->findAgain();
    }

    // Closed by its close box, it comes back with its controls.
    closeFrame(findWindow);
    window_->showFind();
    EXPECT_TRUE(shownWithContents(findWindow));
}

} // namespace
} // namespace fieldizer::testing
