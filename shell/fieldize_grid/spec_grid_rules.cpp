#include "shell/fieldize_grid/spec_grid_rules.h"

#include <cstdint>
#include <limits>

namespace fieldizer {
namespace {

constexpr std::string_view fieldNames[] = {"column_heading", "get_data_from_column",
                                           "number_of_characters", "spaces_b4_next_column",
                                           "field_width"};

constexpr std::string_view settingsTablePrefix = "fieldize_";

// The number a column edits; the heading column has none.
std::optional<long> ColumnSpec::*numberField(SpecColumn column) {
    switch (column) {
    case SpecColumn::Start:
        return &ColumnSpec::getDataFromColumn;
    case SpecColumn::Characters:
        return &ColumnSpec::numberOfCharacters;
    case SpecColumn::Spaces:
        return &ColumnSpec::spacesB4NextColumn;
    default:
        return &ColumnSpec::fieldWidth;
    }
}

// The field is a Long: digits only, no sign, at most 2147483647.
std::optional<long> wholeNumber(std::string_view typed) {
    long value = 0;
    for (char c : typed) {
        if (c < '0' || c > '9')
            return std::nullopt;
        if (value > (std::numeric_limits<std::int32_t>::max() - (c - '0')) / 10)
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

} // namespace

std::string_view specFieldName(SpecColumn column) {
    return fieldNames[static_cast<int>(column)];
}

std::string specCellText(const ColumnSpec& spec, SpecColumn column) {
    if (column == SpecColumn::Heading)
        return spec.columnHeading;
    const std::optional<long>& number = spec.*numberField(column);
    return number ? std::to_string(*number) : std::string();
}

CellEdit editSpecCell(const ColumnSpec& spec, SpecColumn column, std::string_view typed) {
    ColumnSpec edited = spec;
    if (column == SpecColumn::Heading) {
        edited.columnHeading = std::string(typed);
        return {std::move(edited), {}};
    }
    if (typed.empty()) {
        (edited.*numberField(column)).reset();
        return {std::move(edited), {}};
    }
    const std::optional<long> number = wholeNumber(typed);
    if (!number)
        return {std::nullopt, "\"" + std::string(typed) + "\" cannot go into " +
                                  std::string(specFieldName(column)) +
                                  ": enter a whole number from 0 to 2147483647, without a sign, "
                                  "or leave the cell empty."};
    edited.*numberField(column) = number;
    return {std::move(edited), {}};
}

std::string outsideCharacterSetRefusal(SpecColumn column) {
    return "The value cannot go into " + std::string(specFieldName(column)) +
           ": it holds a character outside the Windows-1252 character set, which would be "
           "stored as \"?\".";
}

bool isUsableLayoutSpec(const ColumnSpec& spec) {
    // The field width is Save to Database's business, not the layout's.
    const auto usable = [](const std::optional<long>& number, long least) {
        return number && *number >= least;
    };
    return usable(spec.getDataFromColumn, 1) && usable(spec.numberOfCharacters, 0) &&
           usable(spec.spacesB4NextColumn, 0);
}

std::vector<SpecColumn> incompleteColumns(const ColumnSpec& spec) {
    std::vector<SpecColumn> columns;
    for (SpecColumn column :
         {SpecColumn::Start, SpecColumn::Characters, SpecColumn::Spaces, SpecColumn::Width}) {
        const std::optional<long>& number = spec.*numberField(column);
        if (!number || (column == SpecColumn::Start && *number < 1) || *number < 0)
            columns.push_back(column);
    }
    return columns;
}

namespace {

// "get_data_from_column is empty", "get_data_from_column is below 1".
std::string whatIsWrong(const ColumnSpec& spec, SpecColumn column) {
    const bool missing = !(spec.*numberField(column)).has_value();
    return std::string(specFieldName(column)) + (missing                       ? " is empty"
                                                 : column == SpecColumn::Start ? " is below 1"
                                                                               : " is negative");
}

std::string wrongFields(const ColumnSpec& spec, const std::vector<SpecColumn>& columns) {
    std::string text;
    for (SpecColumn column : columns)
        text += (text.empty() ? "" : ", ") + whatIsWrong(spec, column);
    return text;
}

} // namespace

std::string incompleteRowNote(const ColumnSpec& spec) {
    const std::vector<SpecColumn> columns = incompleteColumns(spec);
    if (columns.empty())
        return {};
    return "Incomplete: " + wrongFields(spec, columns) +
           ". Complete the row or delete it: Fieldize and Save to Database cannot use it.";
}

std::optional<RuntimeError> unusableRowError(const ColumnSpecs& specs) {
    for (std::size_t row = 0; row < specs.size(); ++row) {
        const ColumnSpec& spec = specs[row];
        try {
            checkLayoutSpec(spec);
        } catch (const RuntimeError& error) {
            std::vector<SpecColumn> columns = incompleteColumns(spec);
            // The width is Save to Database's business, not the pass's.
            std::erase(columns, SpecColumn::Width);
            std::string heading =
                spec.columnHeading.empty() ? "" : " (\"" + spec.columnHeading + "\")";
            return RuntimeError(error.number(),
                                error.description() + ": row " + std::to_string(row + 1) +
                                    " of the column specifications" + heading + " is incomplete (" +
                                    wrongFields(spec, columns) +
                                    "). Complete the row or delete it.");
        }
    }
    return std::nullopt;
}

Message deleteSpecRowsQuestion(std::size_t rowCount) {
    const std::string text = rowCount == 1
                                 ? "Delete Current Row?"
                                 : "Delete the " + std::to_string(rowCount) + " selected rows?";
    return question(deleteSpecRowsId, text, Buttons::YesNo, Icon::Question, Answer::No,
                    carefulTitle);
}

std::string recordCaption(long gridRow, long rowCount) {
    if (rowCount <= 0)
        return "Enter new record";
    return "Record " + std::to_string(gridRow + 1) + " of " + std::to_string(rowCount);
}

std::string criteriaCaption(long gridRow, long rowCount) {
    if (gridRow >= rowCount)
        return "Enter new record";
    return "Criteria " + std::to_string(gridRow + 1) + " of " + std::to_string(rowCount);
}

std::string specGridCaption(const std::string& settingsName) {
    return settingsName.empty() ? "Enter Column Specifications" : "Settings: " + settingsName;
}

std::string settingsNameOfTable(const std::string& settingsTable) {
    if (settingsTable.size() <= settingsTablePrefix.size() ||
        settingsTable.compare(0, settingsTablePrefix.size(), settingsTablePrefix) != 0)
        return {};
    return settingsTable.substr(settingsTablePrefix.size());
}

} // namespace fieldizer
