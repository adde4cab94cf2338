#pragma once
// The Fieldize Text tab's commands that fill the grid at once or write it
// out: Guess Columns, "Import Columns..." and "Export Columns...". What they
// ask, which layout a file holds, and what they refuse.

#include "columns/spec_import.h"
#include "text_engine/user_dialogs.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

namespace fieldizer {

inline constexpr const char* importLayoutTitle = "Import Columns";
inline constexpr const char* exportLayoutTitle = "Export Columns";

// The layouts a file may hold; the ending decides (see exportFormatOf).
inline constexpr const char* importLayoutFilter =
    "Column layouts (*.csv *.columns *.fieldwidths *.txt)|*.csv;*.columns;*.fieldwidths;*.txt|"
    "All files (*.*)|*.*";
inline constexpr const char* exportLayoutFilter =
    "csvkit schema (*.csv)|*.csv|--column lines (*.columns)|*.columns|"
    "awk FIELDWIDTHS (*.fieldwidths)|*.fieldwidths|CREATE TABLE statement (*.sql)|*.sql";

inline constexpr MessageId replaceSpecsId{"fieldizeGrid.replaceSpecs"};
inline constexpr MessageId noGuessedColumnsId{"fieldizeGrid.noGuessedColumns"};
inline constexpr MessageId layoutEndingRefusedId{"fieldizeGrid.layoutEndingRefused"};

// Asked before the grid's rows give way to `newRows` specifications that
// come from `source` ("guessed from the text", "of the file x.csv"). The
// preview shows the new columns meanwhile. No unless chosen when rows
// would be lost.
Message replaceSpecsQuestion(std::size_t currentRows, std::size_t newRows,
                             const std::string& source);

// Guess Columns found no column: the lines hold nothing but blanks.
Message noGuessedColumnsMessage();

// The layout an exported file is written in, by its name's ending: ".csv"
// a csvkit schema, ".columns" `--column` lines, ".fieldwidths" or ".awk" a
// FIELDWIDTHS line, ".sql" the CREATE TABLE statement; nothing for any
// other ending.
std::optional<SpecFormat> exportFormatOf(const std::filesystem::path& file);
// The refusal of a file whose ending names no layout.
Message unknownLayoutEndingMessage(const std::filesystem::path& file);

// The table a CREATE TABLE statement exported to `file` creates: the file's
// name without its ending, as Windows-1252 text.
std::string exportedTableName(const std::filesystem::path& file);

} // namespace fieldizer
