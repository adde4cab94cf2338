#pragma once
// The twin table browsers: Form13 shows a table opened from the table list
// or made by the table copy, Form12 the rows of a query run from the query
// window. Each shows a dynaset in an editable grid (grdDataGrid) with its
// data control (Data1) and the buttons Filter, Sort, Refresh ("Re-Filter"
// while a filter is in force), Show All, Print, Export to CSV and Close. Filter, Sort and
// Refresh report their errors in a box of their own and keep the rows shown
// before. What the windows say is shell/table_browser's.

#include "shell/dialogs/file_dialogs.h"
#include "shell/program_state/program_state.h"
#include "shell/table_browser/browser_messages.h"
#include "shell/table_browser/browser_source.h"
#include "text_engine/user_dialogs.h"

#include <QWidget>
#include <functional>

namespace fieldizer {
class PassObserver;
}

class QLabel;
class QPushButton;
class QTableView;

namespace fieldizer::ui {

class DataControl;
class DynasetModel;

class TableBrowser final : public QWidget {
    Q_OBJECT
  public:
    using Kind = BrowserKind;
    using BrowserSource = fieldizer::BrowserSource;

    TableBrowser(Kind kind, ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
                 QWidget* parent = nullptr);
    ~TableBrowser() override;

    Kind kind() const { return kind_; }
    const BrowserSource& source() const { return source_; }
    DynasetModel& model() const { return *model_; }
    QTableView& grid() const { return *grid_; }
    QString positionCaption() const;

    // Shows the source's rows from the first, under its caption. Errors are
    // thrown and leave the rows shown before.
    void showSource(const BrowserSource& source);

    // The commands of the buttons, and a click on a column heading.
    void filterCommand();
    void sortCommand();
    void refreshCommand();
    void showAllCommand();
    void printCommand();
    // Writes the rows shown, filter and sort in force, to a CSV file the
    // user names; a row typed and not stored is stored first (or dropped).
    void exportCsvCommand();
    void headingClicked(int column);
    // Asks "Delete Current Row?" and deletes the grid's current record.
    void deleteCurrentRow();
    // The window became the active one in the frame.
    void activated();

    // Prints an image of this window; connected by the frame to its printer.
    std::function<void(QWidget& window)> printImage;
    // Runs long work with progress and Stop while every other command waits;
    // set by the frame. Unset, the work runs without either.
    using LongWork = std::function<void(PassObserver& observer)>;
    std::function<void(const LongWork& work)> runLongWork;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void buildControls();
    QPushButton* addButton(const char* name, const char* caption);
    void connectControls();
    void currentRowChanged(const QModelIndex& current, const QModelIndex& previous);
    void updatePositionCaption();
    void moveTo(long position);
    void dataControlMoved(int move);
    bool askRowQuestion(const Message& question);
    bool refusesTableRecordset(const Message& message);
    void showRecordset(db::Recordset recordset);
    void setFilterOffered(bool offered);
    void reportError(const RuntimeError& error);

    Kind kind_;
    ProgramState& state_;
    UserDialogs& dialogs_;
    FileDialogs& files_;
    BrowserSource source_;
    DynasetModel* model_;
    QLabel* gridCaption_ = nullptr; // the table's name over the grid
    QTableView* grid_ = nullptr;
    DataControl* dataControl_ = nullptr;
    QWidget* buttonBar_ = nullptr;
    QPushButton *filterButton_ = nullptr, *sortButton_ = nullptr, *refreshButton_ = nullptr,
                *showAllButton_ = nullptr, *printButton_ = nullptr, *exportButton_ = nullptr,
                *closeButton_ = nullptr;
    std::string pendingSort_;
    Qt::KeyboardModifiers pressModifiers_ = Qt::NoModifier;
    bool justShown_ = false;
};

} // namespace fieldizer::ui
