#pragma once
// frmQuerys, the query definitions window: type an SQL statement, save it
// as a named query of the current database, remove saved ones, and run one.
// A row-returning query is handed to the result browser through
// showResult; any other runs here as an action query. The window
// always works on the program's current database, taken anew each time.

#include "shell/dialogs/file_dialogs.h"
#include "shell/program_state/program_state.h"
#include "shell/queries/query_rules.h"
#include "text_engine/user_dialogs.h"

#include <QWidget>
#include <functional>
#include <optional>

class QGroupBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;

namespace fieldizer::db {
class QueryDef;
}

namespace fieldizer::ui {

class QueryWindow final : public QWidget {
    Q_OBJECT
  public:
    QueryWindow(ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
                QWidget* parent = nullptr);

    void setMode(queries::QueryMode mode) { mode_ = mode; }
    queries::QueryMode mode() const { return mode_; }

    // Activation: records the form name, captions the window with the
    // current database, refreshes the list and puts the focus by the mode.
    void activated();
    // Fills the list from the current database (empty in define mode).
    void refreshQuerys();

    void cmdSaveQueryDef_Click();
    void cmdRemoveQuery_Click();
    void cmdExecuteSQL_Click();

    // Shows a row-returning query's rows in the result browser; throws
    // RuntimeError when they cannot be read, which Execute reports.
    std::function<void(const queries::QueryResultRequest&)> showResult;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    void buildControls();
    void placeControls();
    void showSelectedSql(int row);
    void statementChanged();
    std::optional<std::string> selectedName() const;
    db::Database& database() const;
    bool askParameters(db::QueryDef& query,
                       std::vector<std::pair<std::string, std::string>>& values);
    void runQuery(db::QueryDef& query, const queries::QueryResultRequest& request);
    void saveNew();
    void storePosition();
    int toTwips(int pixels) const;
    int toPixels(int twips) const;

    ProgramState& state_;
    UserDialogs& dialogs_;
    FileDialogs& files_;
    queries::QueryMode mode_ = queries::QueryMode::Define;
    QLabel* savedQueriesLabel_;
    QListWidget* lstQueryDefs_;
    QLabel* statementLabel_;
    QPlainTextEdit* txtSQLStatement_;
    QPushButton* cmdRemoveQuery_;
    QPushButton* cmdSaveQueryDef_;
    QPushButton* cmdExecuteSQL_;
    QGroupBox* explanationFrame_;
    QLabel* lblSQL_;
};

} // namespace fieldizer::ui
