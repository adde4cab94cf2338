#pragma once
// While long work runs (a pass, a line tool, a save, a table copy, an Access
// file's conversion) every command of the main window waits but the
// Manipulator's "&Stop": the menu bar, the menu items' shortcuts and every
// other window. The items keep their own enabled states, so whatever the
// menu rules decide meanwhile is what shows afterwards; the shortcuts are
// held by a filter rather than by disabling the items for that reason.

#include <QObject>

class QMainWindow;
class QMdiArea;
class QMdiSubWindow;

namespace fieldizer::ui {

class CommandLock final : public QObject {
  public:
    // `working` is the window whose long work locks the others; it stays
    // enabled for its Stop.
    CommandLock(QMainWindow& window, QMdiArea& area, QMdiSubWindow* working);
    void setLocked(bool locked);
    bool locked() const { return locked_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QMainWindow& window_;
    QMdiArea& area_;
    QMdiSubWindow* working_;
    bool locked_ = false;
};

} // namespace fieldizer::ui
