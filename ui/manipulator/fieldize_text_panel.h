#pragma once
// The "Fieldize Text" tab (SSTab1Page6): the column-specification grid
// DBGrid1 with its navigation strip Data1, "New lines start at column:",
// the after-process boxes, "&Process" (Command7), "&Clear settings"
// (Command12), and a preview of the first lines laid out under a column
// ruler, with guides where the columns start.
//
// The specifications live in fieldize_settings of the program's own
// database, whatever database is current: the panel keeps a connection of
// its own to that file, so opening or closing other databases leaves the
// grid's recordset alone.

#include "columns/column_spec.h"
#include "shell/dialogs/file_dialogs.h"
#include "shell/fieldize_grid/column_pick.h"
#include "shell/program_state/program_state.h"
#include "text_engine/user_dialogs.h"
#include "ui/manipulator/manipulator.h"

#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace fieldizer::ui {

class ByteTextBox;
class FieldizeSpecModel;

// What the panel takes from the Manipulator.
struct FieldizePanelLinks {
    // The text the pass, the preview and the pointing commands work on.
    std::function<std::string_view()> text;
    // The text box's selection.
    std::function<TextSelection()> selection;
    // A pass through the Manipulator's frame.
    std::function<void(const PassRequest&)> runPass;
    // Other long work in the Manipulator's run scope; its error is reported.
    std::function<void(const std::function<void(PassObserver&)>&)> runFramed;
};

class FieldizeTextPanel final : public QWidget {
    Q_OBJECT
  public:
    FieldizeTextPanel(ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
                      FieldizePanelLinks links, QWidget* parent = nullptr);
    ~FieldizeTextPanel() override;

    // Reads the grid again from fieldize_settings (after Settings were
    // selected or cleared, or when the tab is selected) and sets both
    // captions; an edit the user left in a row is written first.
    void refresh();
    // The name of the selected Settings for the grid's caption; empty when
    // none is selected.
    void setSettingsName(const std::string& name);
    // Writes the row being edited; false when the engine refused it (the
    // error was reported).
    bool commitPendingEdit();

    FieldizeSpecModel& model() const { return *model_; }
    // Command7: the Fieldize pass with the grid's specifications.
    void process();
    // Command12: empties the working specifications and refreshes the grid.
    void clearSpecifications();
    // Guides where the columns of `specs` start: in the preview where the
    // pass puts them, in the text where it takes them from (through
    // textGuidesChanged). The preview shows the grid's own again when it is
    // next renewed.
    void showGuides(const ColumnSpecs& specs);

    // A row for the column selected in the text, checked as a typed row.
    void addColumnFromSelection();
    // Columns guessed from the selected lines (or the first lines), shown in
    // the preview and put in the grid when the user agrees.
    void guessColumns();
    // "Import Columns...": a layout file's columns, in the grid when the
    // user agrees. "Export Columns...": the grid's rows to a layout file.
    void importColumns();
    void exportColumns();

  Q_SIGNALS:
    // The user changed a field of the tab or the grid.
    void parametersChanged();
    // The text box's guides (0-based columns): the columns' starts while the
    // tab shows, none once it is left.
    void textGuidesChanged(const std::vector<long>& columns);

  protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    QWidget* buildGridArea();
    QWidget* buildNavigation();
    QWidget* buildParameters();
    QWidget* buildPreview();
    QWidget* buildLayoutCommands();
    void connectControls();

    std::shared_ptr<db::Database> programDatabase();
    void currentRowChanged(int row, int previousRow);
    void moveTo(int row);
    void deleteSelectedRows();
    void showFirstIncompleteRow();
    void rowsChangedAt(int row);
    void applyAfterProcessRule();
    void stepStartColumn(int step);
    int startColumn() const;
    void schedulePreview();
    void renewPreview();
    // The preview of `specs`, under `caption`.
    void showPreview(const ColumnSpecs& specs, QString caption);
    // Shows `specs` in the preview and puts them in place of the grid's rows
    // when the user agrees; `source` says where they come from.
    void offerSpecs(const ColumnSpecs& specs, const std::string& source);
    bool openModel();
    void report(const RuntimeError& error);

    ProgramState& state_;
    UserDialogs& dialogs_;
    FileDialogs& files_;
    FieldizePanelLinks links_;
    std::shared_ptr<db::Database> database_;
    std::string settingsName_;

    FieldizeSpecModel* model_ = nullptr;
    QLabel* gridCaption_ = nullptr;
    QTableView* specGrid_ = nullptr;
    QLabel* positionCaption_ = nullptr;
    QLineEdit* fieldizeStartLineAt_ = nullptr;
    QCheckBox* fieldizeAfterProcess_ = nullptr;
    QCheckBox* fieldizeAfterProcessShow_ = nullptr;
    QPushButton* processButton_ = nullptr;
    QPushButton* clearSpecsButton_ = nullptr;
    QLabel* previewCaption_ = nullptr;
    ByteTextBox* preview_ = nullptr;
    QPushButton* addColumnButton_ = nullptr;
    QPushButton* guessColumnsButton_ = nullptr;
    QCheckBox* firstLineHoldsHeadings_ = nullptr;
    QPushButton* importColumnsButton_ = nullptr;
    QPushButton* exportColumnsButton_ = nullptr;
    QTimer previewTimer_;
    int startLineAt_ = 1; // fieldizeStartLineAt_'s value, read by the pass for every line
};

} // namespace fieldizer::ui
