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
