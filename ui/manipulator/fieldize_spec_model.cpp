#include "ui/manipulator/fieldize_spec_model.h"

#include "columns/spec_table.h"
#include "shell/fieldize_grid/spec_grid_rules.h"
#include "ui/text_box/cp1252_qstring.h"
#include "workbench/fieldizer_database.h"

#include <QColor>
#include <algorithm>

namespace fieldizer::ui {
namespace {

const ColumnSpec emptySpec;

SpecColumn columnOf(const QModelIndex& index) {
    return static_cast<SpecColumn>(index.column());
}

// The cells of an incomplete row that want a value.
const QColor incompleteCellColour(255, 214, 214);

bool isIncompleteCell(const ColumnSpec& spec, SpecColumn column) {
    const std::vector<SpecColumn> columns = incompleteColumns(spec);
    return std::find(columns.begin(), columns.end(), column) != columns.end();
}

} // namespace

FieldizeSpecModel::FieldizeSpecModel(QObject* parent) : QAbstractTableModel(parent) {}

void FieldizeSpecModel::open(std::shared_ptr<db::Database> database) {
    beginResetModel();
    pending_.reset();
    newRowOpened_ = false;
    specs_.clear();
    rows_.reset();
    database_ = std::move(database);
    try {
        rows_.emplace(database_->openRecordset(db::specificationTable, db::RecordsetType::Dynaset));
        for (; !rows_->eof(); rows_->moveNext())
            specs_.push_back(readColumnSpec(*rows_));
    } catch (...) {
        rows_.reset();
        specs_.clear();
        endResetModel();
        Q_EMIT specsChanged();
        throw;
    }
    endResetModel();
    Q_EMIT specsChanged();
}

ColumnSpecs FieldizeSpecModel::shownSpecs() const {
    ColumnSpecs shown = specs_;
    if (pending_) {
        if (pending_->row < storedRowCount())
            shown[static_cast<std::size_t>(pending_->row)] = pending_->spec;
        else
            shown.push_back(pending_->spec);
    }
    return shown;
}

// A stored row some field of which is empty or out of range; a record
// still being typed into the new row is not marked until it is stored.
bool FieldizeSpecModel::isIncompleteRow(int row) const {
    return row < storedRowCount() && !incompleteColumns(shownRow(row)).empty();
}

const ColumnSpec& FieldizeSpecModel::shownRow(int row) const {
    if (pending_ && pending_->row == row)
        return pending_->spec;
    return row < storedRowCount() ? specs_[static_cast<std::size_t>(row)] : emptySpec;
}

int FieldizeSpecModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !rows_)
        return 0;
    // The stored rows, the record being added when one is typed, and the
    // row where a new record is typed.
    return storedRowCount() + (newRowOpened_ ? 2 : 1);
}

int FieldizeSpecModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(SpecColumn::Count);
}

QVariant FieldizeSpecModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index))
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return toQString(specCellText(shownRow(index.row()), columnOf(index)));
    case Qt::TextAlignmentRole:
        return columnOf(index) == SpecColumn::Heading ? QVariant()
                                                      : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::BackgroundRole:
        return isIncompleteRow(index.row()) &&
                       isIncompleteCell(shownRow(index.row()), columnOf(index))
                   ? QVariant(incompleteCellColour)
                   : QVariant();
    case Qt::ToolTipRole:
        return isIncompleteRow(index.row())
                   ? QVariant(toQString(incompleteRowNote(shownRow(index.row()))))
                   : QVariant();
    default:
        return {};
    }
}

QVariant FieldizeSpecModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Vertical) {
        if (section < 0 || section >= rowCount())
            return {};
        if (role == Qt::ToolTipRole && isIncompleteRow(section))
            return toQString(incompleteRowNote(shownRow(section)));
        if (role != Qt::DisplayRole)
            return {};
        // The record selectors: a pencil on the row being edited, a star on
        // the new row, an exclamation mark after an incomplete row's number.
        if (section == pendingRow())
            return QStringLiteral("\u270E");
        if (section >= storedRowCount())
            return QStringLiteral("*");
        return QString::number(section + 1) +
               (isIncompleteRow(section) ? QStringLiteral(" !") : QString());
    }
    if (section < 0 || section >= static_cast<int>(SpecColumn::Count))
        return {};
    const auto column = static_cast<SpecColumn>(section);
    switch (role) {
    case Qt::DisplayRole:
        return toQString(specFieldName(column));
    case Qt::ToolTipRole:
        return column == SpecColumn::Spaces ? QVariant(QString::fromLatin1(spacesColumnTip))
                                            : QVariant();
    default:
        return {};
    }
}

Qt::ItemFlags FieldizeSpecModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !checkIndex(index))
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

bool FieldizeSpecModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !checkIndex(index) || role != Qt::EditRole)
        return false;
    const int row = index.row();
    const QString text = value.toString();
    const std::string typed = fromQString(text);
    if (toQString(typed) != text) {
        Q_EMIT cellRefused(toQString(outsideCharacterSetRefusal(columnOf(index))));
        return false;
    }
    if (specCellText(shownRow(row), columnOf(index)) == typed)
        return false; // leaving a cell unchanged is no edit
    CellEdit edit = editSpecCell(shownRow(row), columnOf(index), typed);
    if (!edit.spec) {
        Q_EMIT cellRefused(toQString(edit.refusal));
        return false;
    }
    // Typing into another row than the one being edited leaves that row.
    if (pending_ && pending_->row != row) {
        try {
            commitPendingRow();
        } catch (const RuntimeError& error) {
            Q_EMIT rowRefused(error);
            return false;
        }
    }
    pending_ = PendingRow{row, std::move(*edit.spec)};
    if (row == storedRowCount() && !newRowOpened_) {
        // Typing into the new row makes it a record being added; a further
        // empty row opens below it for the next one.
        beginInsertRows(QModelIndex(), row + 1, row + 1);
        newRowOpened_ = true;
        endInsertRows();
    }
    Q_EMIT dataChanged(index, index);
    Q_EMIT headerDataChanged(Qt::Vertical, row, row);
    Q_EMIT specsChanged();
    return true;
}

void FieldizeSpecModel::commitPendingRow() {
    if (!pending_)
        return;
    try {
        writeRow();
    } catch (...) {
        if (rows_ && rows_->editMode() != db::EditMode::None)
            rows_->cancelUpdate();
        discardPendingRow();
        throw;
    }
}

// Writes pending_ and lets it go; on failure pending_ stays for the caller.
void FieldizeSpecModel::writeRow() {
    const int row = pending_->row;
    if (row < storedRowCount()) {
        rows_->setAbsolutePosition(row);
        rows_->edit();
        assignColumnSpec(*rows_, pending_->spec);
        rows_->update();
        // Shown as the table holds it now.
        specs_[static_cast<std::size_t>(row)] = readColumnSpec(*rows_);
        pending_.reset();
        rowShownAgain(row);
        return;
    }
    rows_->addNew();
    assignColumnSpec(*rows_, pending_->spec);
    rows_->update();
    rows_->moveLast();
    // The row count stays: the added row is stored, the empty row below it
    // is now the new row.
    specs_.push_back(readColumnSpec(*rows_));
    newRowOpened_ = false;
    pending_.reset();
    rowShownAgain(row);
    Q_EMIT rowAdded(row);
}

void FieldizeSpecModel::discardPendingRow() {
    if (!pending_)
        return;
    const int row = pending_->row;
    if (newRowOpened_) {
        // The record being added goes, and with it the empty row below.
        beginRemoveRows(QModelIndex(), row + 1, row + 1);
        newRowOpened_ = false;
        endRemoveRows();
    }
    pending_.reset();
    rowShownAgain(row);
}

void FieldizeSpecModel::rowShownAgain(int row) {
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Vertical, row, row);
    Q_EMIT specsChanged();
}

bool FieldizeSpecModel::addRowAsTyped(const ColumnSpec& spec) {
    commitPendingRow();
    bool refused = false;
    const QMetaObject::Connection watch =
        connect(this, &FieldizeSpecModel::cellRefused, this, [&refused] { refused = true; });
    const int row = storedRowCount();
    for (int column = 0; column < columnCount() && !refused; ++column)
        setData(index(row, column), toQString(specCellText(spec, static_cast<SpecColumn>(column))));
    disconnect(watch);
    if (refused) {
        discardPendingRow();
        return false;
    }
    commitPendingRow();
    return true;
}

void FieldizeSpecModel::replaceRows(const ColumnSpecs& specs) {
    discardPendingRow();
    try {
        replaceColumnSpecs(*database_, db::specificationTable, specs);
    } catch (const RuntimeError&) {
        open(database_);
        throw;
    }
    open(database_);
}

void FieldizeSpecModel::deleteRows(std::vector<int> gridRows) {
    if (pending_ && std::find(gridRows.begin(), gridRows.end(), pending_->row) != gridRows.end())
        discardPendingRow();
    commitPendingRow();
    // From the bottom up, so that the rows still to go keep their numbers.
    std::sort(gridRows.begin(), gridRows.end(), std::greater<>());
    gridRows.erase(std::unique(gridRows.begin(), gridRows.end()), gridRows.end());
    for (int row : gridRows)
        if (row >= 0 && row < storedRowCount())
            deleteStoredRow(row);
}

void FieldizeSpecModel::deleteStoredRow(int row) {
    rows_->setAbsolutePosition(row);
    rows_->deleteRecord();
    beginRemoveRows(QModelIndex(), row, row);
    specs_.erase(specs_.begin() + row);
    endRemoveRows();
    Q_EMIT specsChanged();
}

} // namespace fieldizer::ui
