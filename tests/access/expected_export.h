#pragma once
// The independent reader's view of the Access test files, as written by
// scripts/access-expectations.sh from mdb-export and mdb-schema: row counts,
// every value of a table (CSV: text quoted, Null an unquoted empty field) and
// field types.

#include <cstdint>
#include <string>
#include <vector>

namespace fieldizer::testing {

std::string accessTestFile(const std::string& name); // tests/data/access/NAME

struct ExpectedRowCount {
    std::string file;
    std::string table;
    std::uint64_t rows = 0;
};
std::vector<ExpectedRowCount> expectedRowCounts();

// Whether a text field takes zero-length strings, per the file's properties.
struct ExpectedZeroLengthRule {
    std::string file;
    std::string table;
    std::string field;
    bool allowed = false;
};
std::vector<ExpectedZeroLengthRule> expectedZeroLengthRules();

struct ExportedField {
    std::string text; // UTF-8, as exported
    bool quoted = false;
};
using ExportedRow = std::vector<ExportedField>;
// The rows of expected/NAME, the heading row first.
std::vector<ExportedRow> exportedRows(const std::string& name);

struct ExportedColumn {
    std::string name;
    std::string type; // "Text", "Long Integer", ...
    int size = 0;     // Text only
};
std::vector<ExportedColumn> exportedSchema(const std::string& name);

} // namespace fieldizer::testing
