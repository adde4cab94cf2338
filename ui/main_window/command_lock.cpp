#include "ui/main_window/command_lock.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace fieldizer::ui {

CommandLock::CommandLock(QMainWindow& window, QMdiArea& area, QMdiSubWindow* working)
    : QObject(&window), window_(window), area_(area), working_(working) {}

void CommandLock::setLocked(bool locked) {
    if (locked == locked_)
        return;
    locked_ = locked;
    if (locked)
        QApplication::instance()->installEventFilter(this);
    else
        QApplication::instance()->removeEventFilter(this);
    window_.menuBar()->setEnabled(!locked);
    for (QMdiSubWindow* window : area_.subWindowList())
        if (window != working_)
            window->setEnabled(!locked);
}

// A menu item's shortcut reaches its action as a Shortcut event; a button's
// (Stop's Alt+S) reaches the button, and passes.
bool CommandLock::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Shortcut && qobject_cast<QAction*>(watched))
        return true;
    return QObject::eventFilter(watched, event);
}

} // namespace fieldizer::ui
