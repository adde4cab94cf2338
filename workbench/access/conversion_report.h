#pragma once
// What a conversion of an Access file did: the tables and rows copied, the
// queries copied and those that could not be, and every field whose values
// were left empty, had characters replaced by "?" or were rounded.

#include <cstdint>
#include <string>
#include <vector>

namespace fieldizer::access {

struct ConversionReport {
    struct Table {
        std::string name;
        std::uint64_t rows = 0;
    };
    struct Query {
        std::string name;
        std::string problem; // empty when copied
    };
    // A field with something to tell; names in Windows-1252.
    struct Field {
        std::string table;
        std::string field;
        std::uint64_t leftEmpty = 0; // values that were not copied
        std::uint64_t replaced = 0;  // values with characters replaced by "?"
        std::uint64_t rounded = 0;   // Decimals now the nearest Double, another number
        std::string leftEmptyBecause;
    };

    std::vector<Table> tables;
    std::vector<Query> queries;
    std::vector<Field> fields;
    bool stopped = false; // Stop ended it: nothing was kept

    std::uint64_t rows() const;
    std::size_t queriesCopied() const;
};

// The report as lines for the user, ending with a line break.
std::string reportText(const ConversionReport& report);

} // namespace fieldizer::access
