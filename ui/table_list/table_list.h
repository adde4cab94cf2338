#pragma once
// Form3, the table list window: the instruction Label1 above the table names
// List1. Its mode (open or delete) sets the caption and the instruction with
// its colour; a double-click on a name is announced with that mode for the
// main window to act on.

#include "shell/databases/table_list.h"

#include <QWidget>
#include <string>
#include <vector>

class QLabel;
class QListWidget;
class QListWidgetItem;

namespace fieldizer::ui {

class TableList final : public QWidget {
    Q_OBJECT
  public:
    explicit TableList(QWidget* parent = nullptr);

    void setMode(const TableListMode& mode);
    const TableListMode& mode() const { return mode_; }
    // The names in the order given; the first is selected.
    void setNames(const std::vector<std::string>& names);
    int count() const;

  Q_SIGNALS:
    // A name (in the program's character set) double-clicked.
    void tableChosen(const std::string& name, bool deleting);
    void closed();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void onTableDoubleClicked(QListWidgetItem* item);

    QLabel* instruction_;
    QListWidget* tableNames_;
    TableListMode mode_;
};

} // namespace fieldizer::ui
