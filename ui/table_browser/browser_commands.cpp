// The browser's commands: Filter, Sort (also by a heading click), Refresh,
// Show All, Print and the deletion of a row. Filter, Sort and Refresh show
// their errors in the browser's own box and keep the rows shown before.

#include "ui/table_browser/dynaset_model.h"
#include "ui/table_browser/table_browser.h"

#include <QApplication>
#include <QPushButton>
#include <QTableView>

namespace fieldizer::ui {
namespace {

// The hourglass while a command reads the rows, gone on every way out.
class WaitCursor {
  public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

} // namespace

bool TableBrowser::refusesTableRecordset(const Message& message) {
    db::Recordset* records = model_->recordset();
    if (!records || records->type() != db::RecordsetType::Table)
        return !records;
    QApplication::beep();
    dialogs_.tell(message);
    return true;
}

void TableBrowser::filterCommand() {
    if (refusesTableRecordset(cannotFilterTable()))
        return;
    const auto criteria = files_.inputText(filterPrompt(kind_), applicationTitle, {});
    if (!criteria || criteria->empty())
        return;
    model_->commitPendingRow();
    db::Recordset& records = *model_->recordset();
    try {
        WaitCursor wait;
        records.setFilter(*criteria);
        std::optional<db::Recordset> filtered;
        try {
            filtered.emplace(records.openRecordset(db::RecordsetType::Dynaset));
        } catch (...) {
            records.setFilter({}); // the next filter or sort starts from the rows shown
            throw;
        }
        records.setFilter({});
        showRecordset(std::move(*filtered));
    } catch (const RuntimeError& error) {
        return reportError(error);
    }
    setFilterOffered(true);
    showAllButton_->setFocus();
}

void TableBrowser::sortCommand() {
    if (refusesTableRecordset(cannotSortTable()))
        return;
    if (pendingSort_.empty()) {
        const auto column = files_.inputText(sortPrompt(), applicationTitle, {});
        if (!column || column->empty())
            return;
        pendingSort_ = *column;
    }
    model_->commitPendingRow();
    db::Recordset& records = *model_->recordset();
    try {
        WaitCursor wait;
        records.setSort(pendingSort_);
        std::optional<db::Recordset> sorted;
        try {
            sorted.emplace(records.openRecordset(db::RecordsetType::Dynaset));
        } catch (...) {
            records.setSort({});
            throw;
        }
        records.setSort({});
        showRecordset(std::move(*sorted));
    } catch (const RuntimeError& error) {
        pendingSort_.clear();
        return reportError(error);
    }
    pendingSort_.clear();
}

void TableBrowser::headingClicked(int column) {
    db::Recordset* records = model_->recordset();
    if (!records || records->type() == db::RecordsetType::Table || column < 0 ||
        column >= records->fieldCount())
        return;
    pendingSort_ = headingSort(records->fieldDefs()[std::size_t(column)].name,
                               pressModifiers_ != Qt::NoModifier);
    pressModifiers_ = Qt::NoModifier;
    sortCommand();
}

void TableBrowser::refreshCommand() {
    model_->commitPendingRow();
    try {
        WaitCursor wait;
        model_->requery();
    } catch (const RuntimeError& error) {
        return reportError(error);
    }
    if (model_->recordCount() > 0)
        grid_->setCurrentIndex(model_->index(0, 0));
    updatePositionCaption();
    if (showAllButton_->isVisible())
        showAllButton_->setFocus();
}

void TableBrowser::showAllCommand() {
    model_->commitPendingRow();
    setFilterOffered(false);
    filterButton_->setFocus();
    try {
        WaitCursor wait;
        showRecordset(openBrowserRecordset(*state_.database, source_));
    } catch (const RuntimeError& error) {
        reportError(error);
    }
}

void TableBrowser::printCommand() {
    if (printImage)
        printImage(*this);
}

void TableBrowser::deleteCurrentRow() {
    const QModelIndex current = grid_->currentIndex();
    // What was typed and not stored goes first: on the new record's line
    // that is all there is to delete.
    model_->discardPendingRow();
    if (!current.isValid() || current.row() >= model_->recordCount() || !model_->hasNewRecordLine())
        return;
    if (!askRowQuestion(deleteRowQuestion()))
        return;
    model_->removeRows(current.row(), 1);
    moveTo(std::min<long>(current.row(), model_->recordCount() - 1));
    updatePositionCaption();
}

} // namespace fieldizer::ui
