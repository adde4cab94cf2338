// While long work runs every command waits but Stop: the menus and their
// shortcuts, the other windows, the tab strip and the tabs but the text.
// Afterwards every control is as the window's rules left it, whichever way
// the work ended.
#include "desktop_fixture.h"
#include "shell/menus/form_names.h"
#include "text_engine/runtime_error.h"
#include "ui/manipulator/manipulator_controls.h"

#include <QAction>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcutEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <map>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

class LongWorkLock : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        // A menu item of the window's own, so that its shortcut may fire
        // without doing anything.
        probe_ = new QAction(window_.get());
        probe_->setShortcut(QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_F12));
        window_->addAction(probe_);
        QObject::connect(probe_, &QAction::triggered, [this] { ++probeTriggered_; });
    }

    // What the user can reach at this moment.
    struct Reach {
        bool menus = false, shortcut = false, viewer = false, tabStrip = false, otherTabs = false,
             textTab = false, typing = false, stop = false;
    };
    Reach reach() {
        Reach now;
        now.menus = window_->menuBar()->isEnabled();
        const int before = probeTriggered_;
        QShortcutEvent event(probe_->shortcut(), 0);
        QCoreApplication::sendEvent(probe_, &event);
        now.shortcut = probeTriggered_ > before;
        now.viewer = find(formNames::textViewer)->isEnabled();
        QTabWidget* tabs = manipulator().tabs();
        now.tabStrip = tabs->tabBar()->isEnabled();
        for (int tab = 1; tab < tabs->count(); ++tab)
            now.otherTabs = now.otherTabs || tabs->widget(tab)->isEnabled();
        now.textTab = tabs->widget(0)->isEnabled() && box().isEnabled();
        now.typing = !box().isReadOnly();
        now.stop = find<QPushButton>(names::stopButton)->isEnabled();
        return now;
    }
    static void expectLocked(const Reach& now) {
        EXPECT_FALSE(now.menus);
        EXPECT_FALSE(now.shortcut) << "a menu item's shortcut fired";
        EXPECT_FALSE(now.viewer) << "another window";
        EXPECT_FALSE(now.tabStrip);
        EXPECT_FALSE(now.otherTabs);
        EXPECT_TRUE(now.textTab) << "the text can still be scrolled and looked at";
        EXPECT_FALSE(now.typing);
        EXPECT_TRUE(now.stop);
    }
    static void expectFree(const Reach& now) {
        EXPECT_TRUE(now.menus);
        EXPECT_TRUE(now.shortcut);
        EXPECT_TRUE(now.tabStrip);
        EXPECT_TRUE(now.otherTabs);
        EXPECT_TRUE(now.typing);
        EXPECT_FALSE(now.stop);
    }
    // Every button of the tabs by name: enabled or not.
    std::map<QString, bool> buttonStates() const {
        std::map<QString, bool> states;
        for (auto* button : manipulator().tabs()->findChildren<QPushButton*>())
            states[button->objectName()] = button->isEnabled();
        return states;
    }

    QAction* probe_ = nullptr;
    int probeTriggered_ = 0;
};

TEST_F(LongWorkLock, aSaveOrAnyFramedWorkLocksEverythingButStopAndGivesItBack) {
    type("text to keep\r\n");
    manipulator().tabs()->setCurrentIndex(manipulator().tabs()->count() - 1);
    const auto buttonsBefore = buttonStates();
    expectFree(reach());
    Reach during;
    manipulator().runFramed([&](PassObserver&) { during = reach(); });
    expectLocked(during);
    expectFree(reach());
    EXPECT_EQ(buttonStates(), buttonsBefore) << "each button as the tab's rules left it";

    // A failure ends the lock as well, with its report.
    manipulator().runFramed(
        [](PassObserver&) { throw RuntimeError(75, "Path/file access error"); });
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    expectFree(reach());
    EXPECT_EQ(buttonStates(), buttonsBefore);
}

TEST_F(LongWorkLock, aLineToolHoldsTheLockUntilItEnds) {
    std::string text;
    for (int i = 0; i < 20000; ++i)
        text += "a line of a paragraph\r\nits second line\r\n\r\n";
    box().setBytes(text);
    Reach during;
    QTimer::singleShot(0, [&] { during = reach(); });
    click(names::joinLinesButton); // Join Lines yields to the window as it goes
    expectLocked(during);
    expectFree(reach());
}

} // namespace
} // namespace fieldizer::testing
