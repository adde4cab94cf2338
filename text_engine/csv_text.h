#pragma once
// Comma-separated values as RFC 4180 has them: a field that holds a comma, a
// double quote, a CR or an LF, or begins or ends with a blank, is put in
// double quotes, each double quote in it doubled. Records end at CR LF, a lone CR or a lone LF
// outside quotes. Bytes in, bytes out: the character set is the caller's.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer {

// Appends `value` to `out` as one field, quoted when it must be.
void appendCsvField(std::string& out, std::string_view value);

// Appends `value` quoted whatever it holds: "" for the empty text, which an
// unquoted empty field (Null) is not.
void appendQuotedCsvField(std::string& out, std::string_view value);

struct CsvRecord {
    std::size_t line = 0; // the 1-based line of the text the record begins on
    std::vector<std::string> fields;
};

// The records of `text`; an empty line is a record of one empty field.
// Throws RuntimeError 3274 naming the line when a quoted field is not closed.
std::vector<CsvRecord> readCsvRecords(std::string_view text);

} // namespace fieldizer
