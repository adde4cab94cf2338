#include "shell/fieldize_grid/layout_files.h"

#include "text_engine/display_path.h"

namespace fieldizer {

Message replaceSpecsQuestion(std::size_t currentRows, std::size_t newRows,
                             const std::string& source) {
    const std::string columns =
        std::to_string(newRows) + (newRows == 1 ? " column " : " columns ") + source;
    if (currentRows == 0)
        return question(replaceSpecsId, "Put the " + columns + " into the grid?", Buttons::YesNo,
                        Icon::Question, Answer::Yes);
    const std::string rows =
        std::to_string(currentRows) +
        (currentRows == 1 ? " column specification" : " column specifications");
    return question(replaceSpecsId,
                    "The preview shows the " + columns + ". Replace the grid's " + rows +
                        " with them?",
                    Buttons::YesNo, Icon::Question, Answer::No);
}

Message noGuessedColumnsMessage() {
    return notice(noGuessedColumnsId,
                  "The lines hold no characters but blanks: there are no columns to guess. "
                  "Select lines of the text that hold the columns, or none to guess from the "
                  "first 200 lines.");
}

std::optional<SpecFormat> exportFormatOf(const std::filesystem::path& file) {
    const std::string ending = file.extension().string();
    if (ending == ".csv")
        return SpecFormat::Csvkit;
    if (ending == ".columns")
        return SpecFormat::ColumnLines;
    if (ending == ".fieldwidths" || ending == ".awk")
        return SpecFormat::FieldWidths;
    if (ending == ".sql")
        return SpecFormat::CreateTable;
    return std::nullopt;
}

Message unknownLayoutEndingMessage(const std::filesystem::path& file) {
    return notice(layoutEndingRefusedId,
                  "The ending of " + displayPath(file.filename()) +
                      " names no layout. End the file's name with .csv (csvkit schema), "
                      ".columns (--column lines), .fieldwidths (awk FIELDWIDTHS) or .sql "
                      "(CREATE TABLE statement).");
}

std::string exportedTableName(const std::filesystem::path& file) {
    return displayPath(file.stem());
}

} // namespace fieldizer
