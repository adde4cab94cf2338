// The main window's size: a fresh window shows every tab of the Manipulator,
// the size the user leaves it at comes back, and the Manipulator fills the
// frame as it changes until the user places it himself.
#include "desktop_fixture.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>

namespace fieldizer::testing {
namespace {

class WindowSize : public DesktopTest {
  protected:
    QMdiSubWindow* manipulatorFrame() const {
        return qobject_cast<QMdiSubWindow*>(manipulator().parentWidget());
    }
    QRect wholeArea() const {
        return QRect(QPoint(0, 0), window_->findChild<QMdiArea*>()->viewport()->size());
    }
    void resizeWindow(const QSize& size) {
        window_->resize(size);
        QApplication::processEvents();
    }
};

TEST_F(WindowSize, aFreshWindowOnACommonScreenShowsEveryTabOfTheManipulator) {
    const QSize laptop(1366, 728); // a common screen, less its task bar
    const QSize opening = window_->openingSize(laptop);
    EXPECT_TRUE(QRect(QPoint(0, 0), laptop).contains(QRect(QPoint(0, 0), opening)));
    resizeWindow(opening);
    const QTabBar* tabs = manipulator().tabs()->tabBar();
    for (int tab = 0; tab < tabs->count(); ++tab)
        EXPECT_TRUE(tabs->rect().contains(tabs->tabRect(tab))) << tabs->tabText(tab).toStdString();
    EXPECT_EQ(manipulatorFrame()->geometry(), wholeArea()) << "the Manipulator fills it";
    // The window the program opened at first, 10240 by 7600 twips, is the least.
    EXPECT_GT(opening.height(), 7600 * window_->logicalDpiY() / 1440);
}

TEST_F(WindowSize, theManipulatorFillsTheFrameUntilTheUserPlacesIt) {
    resizeWindow(window_->size() - QSize(60, 40));
    EXPECT_EQ(manipulatorFrame()->geometry(), wholeArea()) << "smaller";
    resizeWindow(window_->size() + QSize(30, 20));
    EXPECT_EQ(manipulatorFrame()->geometry(), wholeArea()) << "larger";

    manipulatorFrame()->move(12, 8); // the user's own place
    const QRect placed = manipulatorFrame()->geometry();
    resizeWindow(window_->size() - QSize(20, 20));
    EXPECT_EQ(manipulatorFrame()->geometry(), placed);
}

TEST_F(WindowSize, theSizeTheUserLeftTheWindowAtComesBack) {
    // Only shorter: the test's screen is narrower than the least width the
    // window can have, so a width would come back cut to the screen.
    const QSize left = window_->size() - QSize(0, 30);
    resizeWindow(left);
    ASSERT_TRUE(window_->close());
    ProgramState state;
    ui::MainWindow again(state, dialogs_, files_);
    EXPECT_EQ(again.height(), left.height());
    EXPECT_NE(again.height(), window_->openingSize(window_->screen()->availableSize()).height());
}

} // namespace
} // namespace fieldizer::testing
