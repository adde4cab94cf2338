#include "ui/manipulator/fieldize_text_panel.h"

#include "columns/fieldize.h"
#include "settings/settings_actions.h"
#include "shell/dialogs/error_report.h"
#include "shell/fieldize_grid/fieldize_guides.h"
#include "shell/fieldize_grid/fieldize_preview.h"
#include "shell/fieldize_grid/spec_grid_rules.h"
#include "shell/program_state/own_database.h"
#include "ui/manipulator/fieldize_spec_model.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_box/cp1252_qstring.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace fieldizer::ui {
namespace {

// Renewing within this time of a change keeps the preview within 200 ms of
// the change that started it, computing included.
constexpr int previewDelayMs = 120;

constexpr const char* previewTitle = "Preview: the first 20 lines laid out";

} // namespace

FieldizeTextPanel::FieldizeTextPanel(ProgramState& state, UserDialogs& dialogs, FileDialogs& files,
                                     FieldizePanelLinks links, QWidget* parent)
    : QWidget(parent), state_(state), dialogs_(dialogs), files_(files), links_(std::move(links)),
      model_(new FieldizeSpecModel(this)) {
    buildControls();
    connectControls();
    applyAfterProcessRule();
    previewTimer_.setSingleShot(true);
    previewTimer_.setInterval(previewDelayMs);
    setSettingsName({});
    positionCaption_->setText(QString::fromLatin1(recordCaption(0, 0).c_str()));
}

FieldizeTextPanel::~FieldizeTextPanel() = default;

void FieldizeTextPanel::connectControls() {
    connect(processButton_, &QPushButton::clicked, this, &FieldizeTextPanel::process);
    connect(clearSpecsButton_, &QPushButton::clicked, this,
            &FieldizeTextPanel::clearSpecifications);
    connect(fieldizeStartLineAt_, &QLineEdit::textChanged, this, [this](const QString& text) {
        startLineAt_ = text.toInt();
        schedulePreview();
        Q_EMIT parametersChanged();
    });
    // Every change of a check box, the program's own included, runs its rule.
    connect(fieldizeAfterProcess_, &QCheckBox::toggled, this, [this] {
        applyAfterProcessRule();
        Q_EMIT parametersChanged();
    });
    connect(fieldizeAfterProcessShow_, &QCheckBox::toggled, this,
            &FieldizeTextPanel::parametersChanged);
    connect(model_, &FieldizeSpecModel::specsChanged, this, &FieldizeTextPanel::schedulePreview);
    connect(model_, &QAbstractItemModel::dataChanged, this, [this] { Q_EMIT parametersChanged(); });
    connect(model_, &FieldizeSpecModel::cellRefused, this, [this](const QString& message) {
        dialogs_.tell(notice(refusedCellValueId, fromQString(message)));
    });
    connect(model_, &FieldizeSpecModel::rowRefused, this, &FieldizeTextPanel::report);
    connect(model_, &FieldizeSpecModel::rowAdded, this, &FieldizeTextPanel::rowsChangedAt);
    connect(model_, &QAbstractItemModel::rowsRemoved, this,
            [this] { rowsChangedAt(specGrid_->currentIndex().row()); });
    connect(specGrid_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current, const QModelIndex& previous) {
                currentRowChanged(current.row(), previous.row());
            });
    connect(&previewTimer_, &QTimer::timeout, this, &FieldizeTextPanel::renewPreview);
    connect(addColumnButton_, &QPushButton::clicked, this,
            &FieldizeTextPanel::addColumnFromSelection);
    connect(guessColumnsButton_, &QPushButton::clicked, this, &FieldizeTextPanel::guessColumns);
    connect(importColumnsButton_, &QPushButton::clicked, this, &FieldizeTextPanel::importColumns);
    connect(exportColumnsButton_, &QPushButton::clicked, this, &FieldizeTextPanel::exportColumns);
}

std::shared_ptr<db::Database> FieldizeTextPanel::programDatabase() {
    database_ = ownDatabaseConnection(database_, state_);
    return database_;
}

void FieldizeTextPanel::report(const RuntimeError& error) {
    handleError(dialogs_, error);
}

void FieldizeTextPanel::refresh() {
    commitPendingEdit();
    try {
        model_->open(programDatabase());
    } catch (const RuntimeError& error) {
        report(error);
    }
    if (model_->rowCount() > 0)
        specGrid_->setCurrentIndex(model_->index(0, 0));
    positionCaption_->setText(toQString(recordCaption(0, model_->storedRowCount())));
    setSettingsName(settingsName_);
    if (isVisible())
        specGrid_->setFocus();
}

void FieldizeTextPanel::setSettingsName(const std::string& name) {
    settingsName_ = name;
    gridCaption_->setText(toQString(specGridCaption(name)));
}

bool FieldizeTextPanel::commitPendingEdit() {
    try {
        model_->commitPendingRow();
        return true;
    } catch (const RuntimeError& error) {
        report(error);
        return false;
    }
}

// Leaving a row writes what was typed into it, as the data control does; a
// row added so says so in the caption.
void FieldizeTextPanel::currentRowChanged(int row, int previousRow) {
    if (row >= 0)
        positionCaption_->setText(toQString(criteriaCaption(row, model_->storedRowCount())));
    if (previousRow >= 0 && previousRow != row && model_->pendingRow() == previousRow)
        commitPendingEdit();
}

void FieldizeTextPanel::moveTo(int row) {
    if (row < 0 || row >= model_->rowCount())
        return;
    const int column = std::max(specGrid_->currentIndex().column(), 0);
    specGrid_->setCurrentIndex(model_->index(row, column));
}

void FieldizeTextPanel::showFirstIncompleteRow() {
    const ColumnSpecs& specs = model_->specs();
    for (std::size_t row = 0; row < specs.size(); ++row)
        if (!isUsableLayoutSpec(specs[row])) {
            specGrid_->selectRow(static_cast<int>(row));
            specGrid_->setFocus();
            return;
        }
}

void FieldizeTextPanel::rowsChangedAt(int row) {
    positionCaption_->setText(toQString(recordCaption(std::max(row, 0), model_->storedRowCount())));
}

// Rows selected whole (by their record selectors) go with the Delete key,
// once the user agrees; the new row holds nothing stored and goes unasked.
void FieldizeTextPanel::deleteSelectedRows() {
    std::vector<int> rows;
    std::size_t storedRows = 0;
    for (const QModelIndex& index : specGrid_->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
        storedRows += index.row() < model_->storedRowCount() ? 1 : 0;
    }
    if (rows.empty())
        return;
    if (storedRows > 0 && dialogs_.ask(deleteSpecRowsQuestion(storedRows)) != Answer::Yes)
        return;
    try {
        model_->deleteRows(rows);
    } catch (const RuntimeError& error) {
        report(error);
    }
    Q_EMIT parametersChanged();
}

bool FieldizeTextPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == specGrid_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete &&
        !specGrid_->selectionModel()->selectedRows().isEmpty()) {
        deleteSelectedRows();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void FieldizeTextPanel::applyAfterProcessRule() {
    if (!fieldizeAfterProcess_->isChecked())
        fieldizeAfterProcessShow_->setChecked(false);
    fieldizeAfterProcessShow_->setEnabled(fieldizeAfterProcess_->isChecked());
}

void FieldizeTextPanel::stepStartColumn(int step) {
    const int value = std::clamp(fieldizeStartLineAt_->text().toInt() + step, 0, 999);
    fieldizeStartLineAt_->setText(QString::number(value));
}

int FieldizeTextPanel::startColumn() const {
    return startLineAt_;
}

void FieldizeTextPanel::process() {
    if (!commitPendingEdit())
        return;
    // Without specifications every line would come out empty: refuse, as
    // the command line does, and leave the text as it is.
    if (model_->specs().empty()) {
        dialogs_.tell(notice(noColumnSpecsId, noColumnSpecsMessage));
        specGrid_->setFocus();
        return;
    }
    PassRequest request;
    LineOperation fieldize =
        fieldizeOperation([this]() -> const ColumnSpecs& { return model_->specs(); },
                          [this] { return startColumn(); });
    // A row the pass cannot use ends it with its error, the row named and
    // shown in the grid.
    request.operation = [this, fieldize = std::move(fieldize)](std::string_view line,
                                                               std::string& out) {
        try {
            return fieldize(line, out);
        } catch (const RuntimeError&) {
            if (auto named = unusableRowError(model_->specs())) {
                showFirstIncompleteRow();
                throw *named;
            }
            throw;
        }
    };
    request.showTextTab = fieldizeAfterProcess_->isChecked();
    links_.runPass(request);
}

void FieldizeTextPanel::clearSpecifications() {
    model_->discardPendingRow();
    try {
        clearSettings(*programDatabase());
    } catch (const RuntimeError&) {
        // Clear settings goes past every error; a database that cannot be
        // opened shows when the grid is read again.
    }
    refresh();
    Q_EMIT parametersChanged();
}

void FieldizeTextPanel::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    refresh();
    renewPreview();
}

void FieldizeTextPanel::hideEvent(QHideEvent* event) {
    // Leaving the tab leaves the row being edited.
    commitPendingEdit();
    QWidget::hideEvent(event);
}

void FieldizeTextPanel::showGuides(const ColumnSpecs& specs) {
    preview_->setGuideColumns(laidOutGuideColumns(specs, startColumn()));
    Q_EMIT textGuidesChanged(sourceGuideColumns(specs));
}

void FieldizeTextPanel::schedulePreview() {
    // Changes that come close together are shown together; a timer already
    // running is not put back, so the first change waits no longer.
    if (isVisible() && !previewTimer_.isActive())
        previewTimer_.start();
}

void FieldizeTextPanel::renewPreview() {
    previewTimer_.stop();
    showPreview(model_->shownSpecs(), QString::fromLatin1(previewTitle));
}

// The one place the preview is drawn, the grid's rows or a proposal: what
// else follows the columns shown belongs here.
void FieldizeTextPanel::showPreview(const ColumnSpecs& specs, QString caption) {
    const FieldizePreview preview =
        fieldizePreview(links_.text(), specs, startColumn(), previewLineCount);
    std::string shown;
    for (const std::string& line : preview.lines)
        (shown += line) += '\n';
    // The editor refuses every change while read-only, the program's too.
    preview_->setReadOnly(false);
    preview_->setBytes(shown);
    preview_->setReadOnly(true);
    showGuides(specs);
    if (preview.lines.empty())
        caption += QStringLiteral(" (enter column specifications to see it)");
    if (!preview.unusableRows.empty()) {
        QStringList rows;
        for (std::size_t row : preview.unusableRows)
            rows << QString::number(row + 1);
        caption += QStringLiteral(" (left out until complete: row %1)")
                       .arg(rows.join(QStringLiteral(", ")));
    }
    previewCaption_->setText(caption);
}

} // namespace fieldizer::ui
