#include "ui/table_browser/dynaset_model.h"

#include "ui/text_box/cp1252_qstring.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/field_type.h"

namespace fieldizer::ui {
namespace {

// What a cell shows when its row cannot be read: deleted by someone else
// since the keys were read, or another failure of the file.
const db::Row& unreadableRow(int fields, bool deleted) {
    static db::Row deletedRow, failedRow;
    db::Row& row = deleted ? deletedRow : failedRow;
    row.assign(std::size_t(fields), db::Value(deleted ? "#Deleted" : "#Error"));
    return row;
}

// Every record, counted: a dynaset's keys are all known at once; a read-only
// query's rows are known once read to the last (MoveLast).
long countAll(db::Recordset& records) {
    if (!records.eof())
        records.moveLast();
    return records.recordCount();
}

} // namespace

DynasetModel::DynasetModel(QObject* parent) : QAbstractTableModel(parent) {}

void DynasetModel::setRecordset(db::Recordset recordset) {
    const long count = countAll(recordset); // may fail: nothing shown changes
    beginResetModel();
    if (recordset_)
        recordset_->close();
    recordset_.emplace(std::move(recordset));
    count_ = count;
    cache_.clear();
    pending_.reset();
    endResetModel();
}

void DynasetModel::closeRecordset() {
    beginResetModel();
    if (recordset_)
        recordset_->close();
    recordset_.reset();
    count_ = 0;
    cache_.clear();
    pending_.reset();
    endResetModel();
}

void DynasetModel::requery() {
    if (!recordset_)
        return;
    recordset_->requery();
    const long count = countAll(*recordset_);
    beginResetModel();
    count_ = count;
    cache_.clear();
    pending_.reset();
    endResetModel();
}

int DynasetModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid() || !recordset_)
        return 0;
    return int(count_) + (hasNewRecordLine() ? 1 : 0);
}

int DynasetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !recordset_ ? 0 : recordset_->fieldCount();
}

const db::Row& DynasetModel::row(long position) const {
    if (const db::Row* held = cache_.find(position))
        return *held;
    db::Recordset& records = const_cast<db::Recordset&>(*recordset_);
    db::Row values;
    try {
        records.setAbsolutePosition(position);
        for (int i = 0; i < records.fieldCount(); ++i)
            values.push_back(records.value(i));
    } catch (const RuntimeError& error) {
        // A view asks while it paints: it shows the failure in the cells.
        return unreadableRow(records.fieldCount(), error.number() == db::errors::recordDeleted);
    }
    return cache_.put(position, std::move(values));
}

QString DynasetModel::storedText(long position, int column) const {
    if (position >= count_)
        return {}; // the new record's line
    const db::Value& value = row(position)[std::size_t(column)];
    return toQString(db::displayText(value, recordset_->fieldDefs()[std::size_t(column)].type));
}

QString DynasetModel::cellText(long position, int column) const {
    if (pending_ && pending_->position == position) {
        const auto typed = pending_->typed.find(column);
        if (typed != pending_->typed.end())
            return typed->second;
    }
    return storedText(position, column);
}

QVariant DynasetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid) || !recordset_)
        return {};
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(index.row(), index.column());
    default:
        return {};
    }
}

QVariant DynasetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || !recordset_)
        return {};
    if (orientation == Qt::Horizontal)
        return section < recordset_->fieldCount()
                   ? toQString(recordset_->fieldDefs()[std::size_t(section)].name)
                   : QVariant();
    // The record selectors: a pencil on the row being edited, a star on the
    // line for a new record.
    if (section == pendingRow())
        return QStringLiteral("\u270E");
    return section >= count_ ? QStringLiteral("*") : QString::number(section + 1);
}

Qt::ItemFlags DynasetModel::flags(const QModelIndex& index) const {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid) || !recordset_)
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    const db::FieldDef& field = recordset_->fieldDefs()[std::size_t(index.column())];
    if (recordset_->updatable() && !field.autoIncrement)
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool DynasetModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid) ||
        role != Qt::EditRole || !hasNewRecordLine())
        return false;
    const QString text = value.toString();
    const long position = index.row();
    if (text == cellText(position, index.column()))
        return true; // nothing changed (or nothing typed on the new line)
    // Typing into another row than the one being edited leaves that row.
    if (pending_ && pending_->position != position && !commitPendingRow())
        return false;
    if (!pending_)
        pending_ = PendingRow{position, {}};
    pending_->typed[index.column()] = text;
    emit dataChanged(index, index);
    emit headerDataChanged(Qt::Vertical, int(position), int(position));
    return true;
}

bool DynasetModel::commitPendingRow() {
    if (!pending_)
        return true;
    // The typed values stay on show while the question is asked.
    const bool confirmed = !confirmCommit || confirmCommit();
    const PendingRow pending = std::move(*pending_);
    pending_.reset();
    if (!confirmed) {
        rowShownAgain(pending.position);
        return false;
    }
    try {
        writeRow(pending);
    } catch (const RuntimeError& error) {
        if (recordset_->editMode() != db::EditMode::None)
            recordset_->cancelUpdate();
        rowShownAgain(pending.position);
        if (reportError)
            reportError(error);
        return false;
    }
    if (pending.position == count_)
        recordAdded();
    rowShownAgain(pending.position);
    return true;
}

void DynasetModel::discardPendingRow() {
    if (!pending_)
        return;
    const long position = pending_->position;
    pending_.reset();
    rowShownAgain(position);
}

// One record with every typed value: AddNew on the new record's line, Edit
// on a stored row, then one Update.
void DynasetModel::writeRow(const PendingRow& pending) {
    if (pending.position == count_) {
        recordset_->addNew();
    } else {
        recordset_->setAbsolutePosition(pending.position);
        recordset_->edit();
    }
    for (const auto& [column, text] : pending.typed)
        // An emptied cell holds Null, which every field takes unless required.
        recordset_->setValue(column, text.isEmpty() ? db::Value() : db::Value(fromQString(text)));
    recordset_->update();
}

// The typed line became a record, before a new empty line.
void DynasetModel::recordAdded() {
    beginInsertRows({}, int(count_), int(count_));
    ++count_;
    endInsertRows();
}

void DynasetModel::rowShownAgain(long position) {
    cache_.erase(position);
    if (position >= rowCount())
        return;
    emit dataChanged(index(int(position), 0), index(int(position), columnCount() - 1));
    emit headerDataChanged(Qt::Vertical, int(position), int(position));
}

bool DynasetModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || !recordset_ || row < 0 || count <= 0 || row + count > count_)
        return false;
    discardPendingRow(); // the rows below move up: their typed values would land elsewhere
    // The rows on either side are read before the deletion: whoever watches
    // the removal may read them as they were until it is announced.
    if (row > 0)
        this->row(row - 1);
    if (row + count < count_)
        this->row(row + count);
    int removed = 0;
    try {
        for (; removed < count; ++removed) {
            recordset_->setAbsolutePosition(row);
            recordset_->deleteRecord();
        }
    } catch (const RuntimeError& error) {
        if (reportError)
            reportError(error);
    }
    if (removed > 0) {
        beginRemoveRows({}, row, row + removed - 1);
        count_ -= removed;
        cache_.clear(); // the rows after the deleted ones moved up
        endRemoveRows();
    }
    return removed == count;
}

} // namespace fieldizer::ui
