#pragma once
// The column-specification grid without its widgets: which field each grid
// column edits, what a typed cell value means, and the captions of the grid
// and of its navigation strip. The window shows what these decide.

#include "columns/column_spec.h"
#include "text_engine/runtime_error.h"
#include "text_engine/user_dialogs.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer {

// The grid's columns, in the order of the fields of fieldize_settings.
enum class SpecColumn { Heading, Start, Characters, Spaces, Width, Count };

// The field of fieldize_settings a column shows; also its header.
std::string_view specFieldName(SpecColumn column);

inline constexpr const char* spacesColumnTip =
    "Enter zero in the LAST column's \"Spaces_b4_next_ column\" field, if you don't want any "
    "spaces at the end of each line.";

// A cell's value as the column specification holds it: the heading, or a number (empty when
// missing). The number columns show digits only.
std::string specCellText(const ColumnSpec& spec, SpecColumn column);

inline constexpr MessageId refusedCellValueId{"fieldizeGrid.refusedCellValue"};

// What a typed value does to a column specification: the one with the value in place, or
// the message that refuses it (letters or a sign in a number column, or a
// number too large for a Long). An empty number column is left missing.
struct CellEdit {
    std::optional<ColumnSpec> spec;
    std::string refusal;
};
CellEdit editSpecCell(const ColumnSpec& spec, SpecColumn column, std::string_view typed);

// The refusal of a typed value holding a character the program's character
// set (Windows-1252) cannot hold: stored, it would become "?".
std::string outsideCharacterSetRefusal(SpecColumn column);

// Whether the pass can lay lines out by this spec (checkLayoutSpec would
// not throw).
bool isUsableLayoutSpec(const ColumnSpec& spec);

// The cells that keep a row from being used: a number left empty (the
// Fieldize pass needs the first three, Save to Database the field width
// too) or a start below 1. Such a row stays in the working table, across
// restarts and "&Clear settings" when its start column is empty, until the
// user completes or deletes it.
std::vector<SpecColumn> incompleteColumns(const ColumnSpec& spec);
// What the grid says on an incomplete row: which fields want a value, and
// what to do. Empty for a complete row.
std::string incompleteRowNote(const ColumnSpec& spec);

// The error a Fieldize pass over `specs` would stop with, the row named:
// the pass's own number and description ("Invalid use of Null", "Invalid
// procedure call or argument"), then which row (counted from 1) and why.
// nullopt when every row can be used.
std::optional<RuntimeError> unusableRowError(const ColumnSpecs& specs);

inline constexpr MessageId deleteSpecRowsId{"fieldizeGrid.deleteRows"};
// Asked before rows selected by their record selectors are deleted: "Delete
// Current Row?" for one, as the table browser asks, "Delete the N selected
// rows?" for more. A destructive question: the careful title, No unless
// chosen.
Message deleteSpecRowsQuestion(std::size_t rowCount);

// Data1's caption when the grid is filled: "Record 1 of N", or "Enter new
// record" with no rows. After rows are added or deleted: "Record " + (the
// current grid row + 1) + " of N".
std::string recordCaption(long gridRow, long rowCount);
// Data1's caption when another row becomes current: "Criteria i of N", or
// "Enter new record" on the row where new records are typed.
std::string criteriaCaption(long gridRow, long rowCount);

// The grid's caption: "Settings: " and the name of the selected Settings,
// or "Enter Column Specifications" when none is selected.
std::string specGridCaption(const std::string& settingsName);
// The name of Settings whose table is `settingsTable` ("fieldize_" + name);
// empty for anything else (no table yet, or the set was deleted).
std::string settingsNameOfTable(const std::string& settingsTable);

} // namespace fieldizer
