#pragma once
// The rows of a dynaset as a table model. Only the dynaset's keys stay in
// memory; a row is read from the file when the view first shows it and kept
// in a small cache of recently shown rows, so a table of a million rows
// opens and scrolls as quickly as a small one. An updatable dynaset ends
// with an empty line on which a new record is typed. Typed values wait in
// the row being edited until the user leaves the row; then the whole row is
// written through the recordset as one record (Edit or AddNew, one Update).
// A write the engine refuses is reported and the row keeps its former
// values. Runs on the user-interface thread only.

#include "shell/table_browser/row_cache.h"
#include "text_engine/runtime_error.h"
#include "workbench/database_engine/recordset.h"

#include <QAbstractTableModel>
#include <functional>
#include <map>
#include <optional>

namespace fieldizer::ui {

class DynasetModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit DynasetModel(QObject* parent = nullptr);

    // Shows `recordset` from its first row; the one shown before is closed.
    // An error while its records are counted is thrown with nothing changed.
    void setRecordset(db::Recordset recordset);
    // Closes the recordset; the model is empty afterwards.
    void closeRecordset();
    // Reads the rows again (Requery); errors are thrown, nothing shown changes.
    void requery();
    db::Recordset* recordset() { return recordset_ ? &*recordset_ : nullptr; }
    long recordCount() const { return count_; }
    // The last line takes a new record.
    bool hasNewRecordLine() const { return recordset_ && recordset_->updatable(); }

    // The grid row being edited (typed into and not yet stored), or -1.
    long pendingRow() const { return pending_ ? pending_->position : -1; }
    // Stores the row being edited, all its typed values in one record, once
    // confirmCommit agrees; otherwise its typed values are dropped. True when
    // the row was stored (or nothing was typed); false when declined or when
    // the engine refused (reported). The row is no longer being edited.
    bool commitPendingRow();
    // Drops the typed values of the row being edited.
    void discardPendingRow();

    // Asked before a changed or new row is stored; an empty hook stores.
    std::function<bool()> confirmCommit;
    // Told every write the engine refused.
    std::function<void(const RuntimeError&)> reportError;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    // Deletes records from the file; false (reported) when the engine refuses.
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

  private:
    // What was typed into one row, by column, as typed.
    struct PendingRow {
        long position;
        std::map<int, QString> typed;
    };
    const db::Row& row(long position) const;
    QString storedText(long position, int column) const;
    QString cellText(long position, int column) const;
    void writeRow(const PendingRow& pending);
    void recordAdded();
    void rowShownAgain(long position);

    std::optional<db::Recordset> recordset_;
    long count_ = 0;
    mutable RowCache cache_;
    std::optional<PendingRow> pending_;
};

} // namespace fieldizer::ui
