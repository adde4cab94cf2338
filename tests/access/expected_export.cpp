#include "expected_export.h"

#include <fstream>
#include <regex>
#include <sstream>

namespace fieldizer::testing {
namespace {

std::string readAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string expectedFile(const std::string& name) {
    return readAll(accessTestFile("expected/" + name));
}

} // namespace

std::string accessTestFile(const std::string& name) {
    return std::string(FIELDIZER_TEST_DATA) + "/access/" + name;
}

std::vector<ExpectedRowCount> expectedRowCounts() {
    std::vector<ExpectedRowCount> counts;
    std::istringstream lines(expectedFile("row-counts.tsv"));
    ExpectedRowCount count;
    while (std::getline(lines, count.file, '\t') && std::getline(lines, count.table, '\t') &&
           lines >> count.rows) {
        counts.push_back(count);
        lines.ignore(1); // the line break
    }
    return counts;
}

std::vector<ExpectedZeroLengthRule> expectedZeroLengthRules() {
    std::vector<ExpectedZeroLengthRule> rules;
    std::istringstream lines(expectedFile("allow-zero-length.tsv"));
    for (std::string line; std::getline(lines, line);) {
        std::istringstream fields(line);
        ExpectedZeroLengthRule rule;
        std::string allowed;
        if (std::getline(fields, rule.file, '\t') && std::getline(fields, rule.table, '\t') &&
            std::getline(fields, rule.field, '\t') && std::getline(fields, allowed)) {
            rule.allowed = allowed == "yes";
            rules.push_back(rule);
        }
    }
    return rules;
}

// CSV as mdb-export writes it: "," between fields, "\n" between rows, quotes
// doubled inside quoted fields, which may hold line breaks.
std::vector<ExportedRow> exportedRows(const std::string& name) {
    std::string csv = expectedFile(name);
    std::vector<ExportedRow> rows(1);
    ExportedField field;
    bool inQuotes = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        char c = csv[i];
        if (inQuotes && c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
            field.text += '"';
            ++i;
        } else if (c == '"') {
            inQuotes = !inQuotes;
            field.quoted = true;
        } else if (!inQuotes && (c == ',' || c == '\n')) {
            rows.back().push_back(std::move(field));
            field = {};
            if (c == '\n')
                rows.emplace_back();
        } else {
            field.text += c;
        }
    }
    if (rows.back().empty())
        rows.pop_back();
    return rows;
}

std::vector<ExportedColumn> exportedSchema(const std::string& name) {
    static const std::regex line(
        R"(\[([^\]]+)\]\s+([A-Za-z ]+?)\s*(?:\((\d+)\))?(?: NOT NULL)?,?\s*$)");
    std::vector<ExportedColumn> columns;
    std::istringstream lines(expectedFile(name));
    for (std::string text; std::getline(lines, text);) {
        std::smatch match;
        if (std::regex_search(text, match, line))
            columns.push_back(
                {match[1], match[2], match[3].matched ? std::stoi(match[3].str()) : 0});
    }
    return columns;
}

} // namespace fieldizer::testing
