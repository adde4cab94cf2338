#include "columns/spec_import.h"

#include "text_engine/csv_text.h"
#include "text_engine/database_error_numbers.h"
#include "text_engine/runtime_error.h"

#include <algorithm>
#include <charconv>

namespace fieldizer {
namespace {

RuntimeError badLayout(std::size_t line, const std::string& what) {
    return RuntimeError(db::errors::externalFormat, "Line " + std::to_string(line) + ": " + what);
}

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<long> wholeNumber(std::string_view text) {
    text = trimmed(text);
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

ColumnSpec importedColumn(std::string heading, long start, long length) {
    return ColumnSpec{std::move(heading), start, length, 1L, length};
}

bool isBlankRecord(const CsvRecord& record) {
    return record.fields.size() == 1 && trimmed(record.fields[0]).empty();
}

struct SchemaColumns {
    std::size_t column, start, length;
};

SchemaColumns schemaHeader(const CsvRecord& header) {
    auto find = [&](std::string_view name) -> std::size_t {
        for (std::size_t i = 0; i < header.fields.size(); ++i)
            if (trimmed(header.fields[i]) == name)
                return i;
        throw badLayout(header.line, "the schema's first row must name the columns column, "
                                     "start and length.");
    };
    return {find("column"), find("start"), find("length")};
}

long schemaNumber(const CsvRecord& row, std::size_t index, const char* name) {
    const auto number = index < row.fields.size() ? wholeNumber(row.fields[index]) : std::nullopt;
    if (!number)
        throw badLayout(row.line, std::string("the ") + name + " is not a whole number.");
    return *number;
}

// Two imported columns that share a position would cut one value twice.
void refuseOverlaps(const ColumnSpecs& specs, const std::vector<std::size_t>& lines) {
    std::vector<std::size_t> order(specs.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return *specs[a].getDataFromColumn < *specs[b].getDataFromColumn;
    });
    for (std::size_t i = 1; i < order.size(); ++i) {
        const ColumnSpec& before = specs[order[i - 1]];
        const ColumnSpec& after = specs[order[i]];
        if (*before.getDataFromColumn + *before.numberOfCharacters > *after.getDataFromColumn)
            throw badLayout(lines[order[i]], "column " + after.columnHeading + " overlaps column " +
                                                 before.columnHeading + ".");
    }
}

} // namespace

std::optional<SpecFormat> specFormatNamed(std::string_view name) {
    if (name == "csvkit")
        return SpecFormat::Csvkit;
    if (name == "fieldwidths")
        return SpecFormat::FieldWidths;
    if (name == "columns")
        return SpecFormat::ColumnLines;
    if (name == "create-table")
        return SpecFormat::CreateTable;
    return std::nullopt;
}

SpecFormat specFormatOfFile(std::string_view fileName, std::string_view text) {
    if (fileName.ends_with(".csv"))
        return SpecFormat::Csvkit;
    if (fileName.ends_with(".columns") || text.starts_with("--column"))
        return SpecFormat::ColumnLines;
    return SpecFormat::FieldWidths;
}

ColumnSpecs importCsvkitSchema(std::string_view text) {
    std::vector<CsvRecord> records = readCsvRecords(text);
    std::erase_if(records, isBlankRecord);
    if (records.empty())
        throw badLayout(1, "the schema is empty.");
    const SchemaColumns at = schemaHeader(records.front());
    ColumnSpecs specs;
    std::vector<std::size_t> lines;
    std::optional<bool> oneBased;
    for (std::size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& row = records[i];
        const long start = schemaNumber(row, at.start, "start");
        const long length = schemaNumber(row, at.length, "length");
        if (start < 0)
            throw badLayout(row.line, "the start " + std::to_string(start) + " is negative.");
        if (length < 1)
            throw badLayout(row.line, "the length " + std::to_string(length) + " is below 1.");
        if (!oneBased)
            oneBased = start == 1;
        if (*oneBased && start == 0)
            throw badLayout(row.line, "the start 0 comes before position 1, where the "
                                      "first row's start 1 makes every start count from.");
        const std::string heading = at.column < row.fields.size() ? row.fields[at.column] : "";
        specs.push_back(
            importedColumn(std::string(trimmed(heading)), *oneBased ? start : start + 1, length));
        lines.push_back(row.line);
    }
    if (specs.empty())
        throw badLayout(records.front().line, "the schema names no columns.");
    refuseOverlaps(specs, lines);
    return specs;
}

ColumnSpecs importFieldWidths(std::string_view text) {
    text = trimmed(text.substr(0, text.find_first_of("\r\n")));
    if (text.starts_with("FIELDWIDTHS"))
        text = trimmed(text.substr(text.find_first_not_of("FIELDWIDTHS =\t")));
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    ColumnSpecs specs;
    long position = 1;
    std::size_t from = 0;
    while ((from = text.find_first_not_of(" \t", from)) != std::string_view::npos) {
        const std::size_t end = std::min(text.find_first_of(" \t", from), text.size());
        const std::string_view item = text.substr(from, end - from);
        from = end;
        const std::size_t colon = item.find(':');
        const auto skip = colon == std::string_view::npos ? std::optional<long>(0)
                                                          : wholeNumber(item.substr(0, colon));
        const auto width =
            wholeNumber(colon == std::string_view::npos ? item : item.substr(colon + 1));
        if (!skip || !width || *skip < 0 || *width < 1)
            throw badLayout(1, "'" + std::string(item) +
                                   "' is neither a width nor skip:width (a \"*\" has no width).");
        position += *skip;
        specs.push_back(
            importedColumn("Column" + std::to_string(specs.size() + 1), position, *width));
        position += *width;
    }
    if (specs.empty())
        throw badLayout(1, "the FIELDWIDTHS line holds no widths.");
    return specs;
}

ColumnSpecs importColumnLines(std::string_view text) {
    ColumnSpecs specs;
    std::size_t number = 0, from = 0;
    while (from < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", from), text.size());
        std::string_view line = trimmed(text.substr(from, end - from));
        ++number;
        from = end + (text.substr(end).starts_with("\r\n") ? 2 : 1);
        if (line.empty())
            continue;
        for (std::string_view prefix : {"--column=", "--column "})
            if (line.starts_with(prefix))
                line = trimmed(line.substr(prefix.size()));
        auto spec = parseColumnOption(std::string(line));
        if (!spec)
            throw badLayout(number,
                            "'" + std::string(line) + "' is not HEADING:START:CHARS:SPACES:WIDTH.");
        specs.push_back(std::move(*spec));
    }
    return specs;
}

ColumnSpecs importSpecs(std::string_view text, SpecFormat format) {
    switch (format) {
    case SpecFormat::Csvkit:
        return importCsvkitSchema(text);
    case SpecFormat::FieldWidths:
        return importFieldWidths(text);
    case SpecFormat::ColumnLines:
        return importColumnLines(text);
    case SpecFormat::CreateTable:
        break;
    }
    throw RuntimeError(errors::invalidCall, "A CREATE TABLE statement is written, not read.");
}

} // namespace fieldizer
