#include "ui/query_window/query_window.h"

#include "shell/dialogs/error_report.h"
#include "shell/menus/form_names.h"
#include "shell/queries/query_messages.h"
#include "ui/text_box/cp1252_qstring.h"
#include "workbench/database_engine/database.h"
#include "workbench/database_engine/engine_errors.h"

#include <QApplication>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>

namespace fieldizer::ui {

using namespace queries;

namespace {

// The hourglass while a query runs, back to the arrow on every way out.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

} // namespace

QueryWindow::QueryWindow(ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
                         QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs), files_(files) {
    buildControls();
    connect(lstQueryDefs_, &QListWidget::currentRowChanged, this, &QueryWindow::showSelectedSql);
    connect(lstQueryDefs_, &QListWidget::itemDoubleClicked, this,
            &QueryWindow::cmdExecuteSQL_Click);
    connect(txtSQLStatement_, &QPlainTextEdit::textChanged, this, &QueryWindow::statementChanged);
    connect(cmdSaveQueryDef_, &QPushButton::clicked, this, &QueryWindow::cmdSaveQueryDef_Click);
    connect(cmdRemoveQuery_, &QPushButton::clicked, this, &QueryWindow::cmdRemoveQuery_Click);
    connect(cmdExecuteSQL_, &QPushButton::clicked, this, &QueryWindow::cmdExecuteSQL_Click);
    statementChanged();
}

db::Database& QueryWindow::database() const {
    if (!state_.database)
        throw db::errors::error(db::errors::objectInvalid);
    return *state_.database;
}

void QueryWindow::activated() {
    state_.activeFormName = formNames::queryWindow;
    setWindowTitle(toQString(windowCaption(state_.dbPath)));
    refreshQuerys();
    if (mode_ == QueryMode::Select)
        lstQueryDefs_->setFocus();
    else
        txtSQLStatement_->setFocus();
}

void QueryWindow::refreshQuerys() {
    lstQueryDefs_->clear();
    try {
        const std::vector<std::string> names =
            listedQueryNames(mode_ == QueryMode::Select ? database().queryDefs().names()
                                                        : std::vector<std::string>{},
                             mode_);
        for (const std::string& name : names)
            lstQueryDefs_->addItem(toQString(name));
    } catch (const RuntimeError& error) {
        handleError(dialogs_, error);
    }
}

std::optional<std::string> QueryWindow::selectedName() const {
    const QListWidgetItem* item = lstQueryDefs_->currentItem();
    if (!item || !item->isSelected())
        return std::nullopt;
    return fromQString(item->text());
}

void QueryWindow::showSelectedSql(int row) {
    if (row < 0)
        return;
    try {
        const std::string name = fromQString(lstQueryDefs_->item(row)->text());
        const std::string sql = database().queryDefs().item(name).sql();
        txtSQLStatement_->setPlainText(toQString(statementForBox(sql)));
    } catch (const RuntimeError& error) {
        dialogs_.tell(queryError(error));
    }
}

void QueryWindow::statementChanged() {
    cmdExecuteSQL_->setEnabled(!txtSQLStatement_->toPlainText().isEmpty());
}

void QueryWindow::cmdSaveQueryDef_Click() {
    try {
        const std::optional<std::string> name = selectedName();
        if (name && dialogs_.ask(updateQuestion(*name)) == Answer::Yes) {
            database().queryDefs().item(*name).setSql(
                statementFromBox(fromQString(txtSQLStatement_->toPlainText())));
            return;
        }
        saveNew();
    } catch (const RuntimeError& error) {
        dialogs_.tell(queryError(error));
    }
}

void QueryWindow::saveNew() {
    const std::optional<std::string> name =
        files_.inputText(newQueryNamePrompt, applicationTitle, {});
    if (!name || name->empty())
        return;
    const std::string sql = statementFromBox(fromQString(txtSQLStatement_->toPlainText()));
    db::QueryDef query = database().createQueryDef(*name, sql);
    if (dialogs_.ask(passThroughQuestion()) == Answer::Yes) {
        const std::optional<std::string> connect =
            files_.inputText(connectPrompt, applicationTitle, {});
        if (connect && !connect->empty()) {
            query.setConnect(*connect);
            if (dialogs_.ask(rowReturningQuestion()) == Answer::No)
                query.setReturnsRecords(false);
        }
    }
    database().queryDefs().refresh();
    refreshQuerys();
}

void QueryWindow::cmdRemoveQuery_Click() {
    const std::optional<std::string> name = selectedName();
    if (!name) {
        if (lstQueryDefs_->count() > 0)
            dialogs_.tell(selectFirstNotice());
        return;
    }
    const int removedRow = lstQueryDefs_->currentRow();
    if (dialogs_.ask(deleteQuestion(*name)) != Answer::Yes)
        return;
    try {
        database().queryDefs().remove(*name);
    } catch (const RuntimeError& error) {
        // The refusal is reported and the list keeps the name, as the
        // database does.
        dialogs_.tell(queryError(error));
        return;
    }
    database().queryDefs().refresh();
    refreshQuerys();
    if (const std::optional<int> row = rowAfterRemoval(removedRow, lstQueryDefs_->count()))
        lstQueryDefs_->setCurrentRow(*row);
}

void QueryWindow::cmdExecuteSQL_Click() {
    const std::string boxText = fromQString(txtSQLStatement_->toPlainText());
    if (boxText.empty())
        return;
    try {
        db::Database& current = database();
        const std::optional<std::string> name = selectedName();
        if (name) {
            db::QueryDef saved = current.queryDefs().item(*name);
            if (statementForBox(saved.sql()) == boxText) {
                QueryResultRequest request{saved.sql(), {}, savedQueryCaption(saved.name())};
                if (askParameters(saved, request.parameters))
                    runQuery(saved, request);
                return;
            }
        }
        const std::string sql = statementFromBox(boxText);
        db::QueryDef typed = current.createQueryDef({}, sql);
        runQuery(typed, QueryResultRequest{sql, {}, typedQueryCaption(sql)});
    } catch (const RuntimeError& error) {
        dialogs_.tell(queryError(error));
    }
}

// Each parameter is asked in turn; an empty answer (or Cancel) stops the
// whole Execute before anything runs.
bool QueryWindow::askParameters(db::QueryDef& query,
                                std::vector<std::pair<std::string, std::string>>& values) {
    for (int i = 0; i < query.parameterCount(); ++i) {
        db::QueryParameter& parameter = query.parameter(i);
        const std::optional<std::string> answer =
            files_.inputText(parameterPrompt(parameter.name), applicationTitle, {});
        if (!answer || answer->empty())
            return false;
        parameter.value = db::Value(*answer);
        values.emplace_back(parameter.name, *answer);
    }
    return true;
}

// A SELECT's rows go straight to the result browser, which runs the query
// once (its errors come back here to be reported); anything else runs as an
// action query. Which it is comes from the parsed statement, so leading
// spaces or a PARAMETERS clause do not turn a SELECT into an action query.
void QueryWindow::runQuery(db::QueryDef& query, const QueryResultRequest& request) {
    BusyCursor busy;
    if (query.returnsRecords() && database().returnsRecords(query.sql())) {
        if (showResult)
            showResult(request);
        return;
    }
    query.execute();
}

} // namespace fieldizer::ui
