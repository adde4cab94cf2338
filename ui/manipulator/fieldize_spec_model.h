#pragma once
// The rows of DBGrid1: the column specifications of the working table
// fieldize_settings, read through a dynaset of the workbench layer (Data1's
// recordset) and written back through it, a row at a time. Below the stored
// rows stands one empty row where a new record is typed.
//
// Typed values wait in the row being edited until the user leaves the row
// (commitPendingRow); typing into the new row opens a further new row below
// it at once, as a data grid does; a value a cell cannot hold is refused at once
// (cellRefused) and never reaches the table. A stored row with a field the
// passes need left empty is shown as incomplete: its record selector, the
// cells that want a value, and a tooltip saying what is missing. Only QtCore
// and QtGui's colour: no widgets.

#include "columns/column_spec.h"
#include "text_engine/runtime_error.h"
#include "workbench/database_engine/database.h"

#include <QAbstractTableModel>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fieldizer::ui {

class FieldizeSpecModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    explicit FieldizeSpecModel(QObject* parent = nullptr);

    // Opens a dynaset on fieldize_settings of `database` and shows its rows;
    // an edit not yet written is dropped. Throws RuntimeError (the grid is
    // then empty).
    void open(std::shared_ptr<db::Database> database);
    bool isOpen() const { return rows_.has_value(); }

    // The stored rows, in the order of entry; what the Fieldize pass uses.
    const ColumnSpecs& specs() const { return specs_; }
    // The rows as the grid shows them, the row being edited with its typed
    // values (the new row too, once something is typed into it).
    ColumnSpecs shownSpecs() const;
    int storedRowCount() const { return static_cast<int>(specs_.size()); }
    // The grid row being edited, or -1.
    int pendingRow() const { return pending_ ? pending_->row : -1; }

    // Writes the row being edited: Edit and Update for a stored row, AddNew
    // and Update for the new row. When the engine refuses, the row shows
    // its former values again and the RuntimeError is thrown.
    void commitPendingRow();
    void discardPendingRow();
    // Deletes stored rows by their grid rows; the new row is skipped. Another
    // row's typed values are written first. Throws RuntimeError; the rows
    // deleted before the failure stay deleted.
    void deleteRows(std::vector<int> gridRows);

    // Puts `spec` into the new row cell by cell, as the user types it, and
    // writes it: a value a cell refuses is refused as typed (cellRefused;
    // false, the new row empty again), a row the engine refuses throws as
    // when a typed row is left.
    bool addRowAsTyped(const ColumnSpec& spec);
    // Every row of the table replaced by `specs` in one transaction, then
    // read again. Throws RuntimeError; the table is then as it was.
    void replaceRows(const ColumnSpecs& specs);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

  Q_SIGNALS:
    // A typed value was refused; nothing changed.
    void cellRefused(const QString& message);
    // The engine refused to write a row the view left by typing elsewhere;
    // the row shows its former values.
    void rowRefused(const fieldizer::RuntimeError& error);
    // The record typed into grid row `row` was added to the table.
    void rowAdded(int row);
    // What the grid shows changed: typed, written, deleted or reloaded.
    void specsChanged();

  private:
    struct PendingRow {
        int row;
        ColumnSpec spec;
    };
    const ColumnSpec& shownRow(int row) const;
    bool isIncompleteRow(int row) const;
    void writeRow();
    void deleteStoredRow(int row);
    void rowShownAgain(int row);

    std::shared_ptr<db::Database> database_;
    std::optional<db::Recordset> rows_;
    ColumnSpecs specs_;
    std::optional<PendingRow> pending_;
    // The record being added sits in the former new row, and an empty new
    // row below it.
    bool newRowOpened_ = false;
};

} // namespace fieldizer::ui
