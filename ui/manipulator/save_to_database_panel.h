#pragma once
// The "Save to Database" tab (SSTab1Page8): the save options Frame1 with
// Option1 to Option3, the table name Combo17, the process method Combo18,
// the delimiter Text10, "&Save" (Command10) and "&Select Database"
// (Command11). The save itself is columns/save_to_database.h; this panel
// gathers its request, runs it in the Manipulator's pass frame and keeps the
// table list.

#include "columns/save_to_database.h"
#include "shell/program_state/program_state.h"
#include "text_engine/user_dialogs.h"
#include "workbench/postgres/server_database.h"

#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace fieldizer::ui {

// What the panel needs of the window around it.
struct SaveToDatabaseHost {
    // The text to save (the Manipulator's text box).
    std::function<std::string_view()> text;
    // Runs the save in the pass frame: progress bar, Stop, busy pointer.
    std::function<void(const std::function<void(PassObserver&)>&)> runFramed;
    // Whether "Save to Database" is the selected tab.
    std::function<bool()> tabSelected;
};

class SaveToDatabasePanel final : public QWidget {
    Q_OBJECT
  public:
    SaveToDatabasePanel(ProgramState& state, UserDialogs& dialogs, SaveToDatabaseHost host,
                        QWidget* parent = nullptr);

    // Refills Combo17 with the listed tables of the current database; every
    // failure is skipped. A closed database is opened again first: through
    // Option1 while this tab is selected, else as the program's own.
    void refreshDbaseTableList();
    // The same, keeping the selected position (or the last entry when the
    // list got shorter).
    void refreshKeepingPosition();
    SaveOption saveOption() const;
    // Another database became current: for options 2 and 3 it is the one
    // the records go to; the list shows its tables.
    void databaseChanged();
    // A server database was opened for options 2 and 3: the records go
    // there and the list shows its tables, until another option or database
    // is chosen.
    void useServerDatabase(std::shared_ptr<db::ServerDatabase> server);

  Q_SIGNALS:
    // "&Select Database": the window's open-database flow takes over.
    void selectDatabaseRequested();
    // "Se&rver Database...": the host, port and database, then Form4.
    void serverDatabaseRequested();
    // The process method or delimiter was edited.
    void parametersChanged();
    // A save ended having written records: its count, for the status bar.
    void saved(const QString& summary);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildControls();
    QWidget* buildSaveOptions();
    void connectControls();
    void onOwnDatabaseChosen();
    void fillTableList();
    void onOtherDatabaseChosen();
    void onProcessMethodChanged();
    void onSaveClicked();
    void runSave(SaveRequest request);
    void focusOn(const Focus& focus);

    ProgramState& state_;
    UserDialogs& dialogs_;
    SaveToDatabaseHost host_;
    QGroupBox* saveOptionsFrame_ = nullptr;
    QRadioButton* ownDatabaseOption_ = nullptr;
    QRadioButton* chosenDatabaseOption_ = nullptr;
    QRadioButton* existingTableOption_ = nullptr;
    QComboBox* tableNameCombo_ = nullptr;
    QComboBox* databaseProcessMethod_ = nullptr;
    QLabel* delimiterLabel_ = nullptr;
    QLineEdit* databaseDelimiter_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* selectDatabaseButton_ = nullptr;
    QPushButton* serverDatabaseButton_ = nullptr;
    // The database chosen for options 2 and 3, empty until one is.
    std::filesystem::path chosenDbPath_;
    // The server database chosen for options 2 and 3, null until one is.
    std::shared_ptr<db::ServerDatabase> server_;
};

} // namespace fieldizer::ui
