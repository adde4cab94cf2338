#include "columns/spec_export.h"

#include "columns/spec_table_def.h"
#include "text_engine/csv_text.h"
#include "text_engine/runtime_error.h"

#include <algorithm>

namespace fieldizer {
namespace {

RuntimeError cannotWrite(std::size_t row, const std::string& why) {
    return RuntimeError(errors::invalidCall, "Row " + std::to_string(row + 1) + ": " + why);
}

// The row's start and number of characters, which every layout needs.
std::pair<long, long> placeOf(const ColumnSpecs& specs, std::size_t row) {
    const ColumnSpec& spec = specs[row];
    if (!spec.getDataFromColumn || !spec.numberOfCharacters)
        throw cannotWrite(row, "the column has no get_data_from_column or number_of_characters.");
    if (*spec.getDataFromColumn < 1 || *spec.numberOfCharacters < 1)
        throw cannotWrite(row, "the column must start at 1 or later and take 1 character or more.");
    return {*spec.getDataFromColumn, *spec.numberOfCharacters};
}

} // namespace

std::string exportCsvkitSchema(const ColumnSpecs& specs) {
    std::string text = "column,start,length\n";
    for (std::size_t row = 0; row < specs.size(); ++row) {
        const auto [start, length] = placeOf(specs, row);
        if (row == 0 && start == 2)
            throw cannotWrite(row, "csvkit would read the start 1 of a first column as counting "
                                   "from 1; a csvkit schema cannot begin at position 2.");
        appendCsvField(text, specs[row].columnHeading);
        text += ',' + std::to_string(start - 1) + ',' + std::to_string(length) + '\n';
    }
    return text;
}

std::string exportFieldWidths(const ColumnSpecs& specs) {
    std::string text;
    long next = 1;
    for (std::size_t row = 0; row < specs.size(); ++row) {
        const auto [start, length] = placeOf(specs, row);
        if (start < next)
            throw cannotWrite(row, "FIELDWIDTHS holds columns left to right that share no "
                                   "position; this one starts at " +
                                       std::to_string(start) + ", before position " +
                                       std::to_string(next) + ".");
        text += (row ? " " : "") +
                (start > next ? std::to_string(start - next) + ":" : std::string()) +
                std::to_string(length);
        next = start + length;
    }
    return text + '\n';
}

std::string exportColumnLines(const ColumnSpecs& specs) {
    std::string text;
    for (const ColumnSpec& spec : specs)
        text += "--column=" + formatColumnOption(spec) + '\n';
    return text;
}

std::string exportSpecs(const ColumnSpecs& specs, SpecFormat format, const std::string& tableName) {
    switch (format) {
    case SpecFormat::Csvkit:
        return exportCsvkitSchema(specs);
    case SpecFormat::FieldWidths:
        return exportFieldWidths(specs);
    case SpecFormat::ColumnLines:
        return exportColumnLines(specs);
    case SpecFormat::CreateTable:
        break;
    }
    return createTableStatement(tableName, specs) + '\n';
}

} // namespace fieldizer
