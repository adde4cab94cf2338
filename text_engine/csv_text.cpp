#include "text_engine/csv_text.h"

#include "text_engine/database_error_numbers.h"
#include "text_engine/runtime_error.h"

namespace fieldizer {

void appendQuotedCsvField(std::string& out, std::string_view value) {
    out += '"';
    for (char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

void appendCsvField(std::string& out, std::string_view value) {
    // Blanks at either end are quoted too: readers that trim unquoted
    // fields would lose them.
    const bool blankEnd = !value.empty() && (value.front() == ' ' || value.front() == '\t' ||
                                             value.back() == ' ' || value.back() == '\t');
    if (!blankEnd && value.find_first_of(",\"\r\n") == std::string_view::npos)
        out += value;
    else
        appendQuotedCsvField(out, value);
}

namespace {

// Reads records one character at a time, counting lines as it goes.
class CsvReader {
  public:
    explicit CsvReader(std::string_view text) : text_(text) {}

    std::vector<CsvRecord> records() {
        std::vector<CsvRecord> records;
        while (position_ < text_.size())
            records.push_back(record());
        return records;
    }

  private:
    CsvRecord record() {
        CsvRecord record{line_, {}};
        for (;;) {
            record.fields.push_back(field());
            if (position_ >= text_.size())
                return record;
            const char c = text_[position_++];
            if (c == ',')
                continue;
            skipLineBreak(c);
            return record;
        }
    }

    // After a CR or LF ending a record: a CR LF counts once.
    void skipLineBreak(char c) {
        if (c == '\r' && position_ < text_.size() && text_[position_] == '\n')
            ++position_;
        ++line_;
    }

    std::string field() {
        std::string value;
        if (position_ < text_.size() && text_[position_] == '"')
            return quotedField();
        while (position_ < text_.size() && text_[position_] != ',' && text_[position_] != '\r' &&
               text_[position_] != '\n')
            value += text_[position_++];
        return value;
    }

    std::string quotedField() {
        const std::size_t startLine = line_;
        std::string value;
        ++position_;
        for (;;) {
            if (position_ >= text_.size())
                throw RuntimeError(db::errors::externalFormat,
                                   "Line " + std::to_string(startLine) +
                                       ": a quoted field is not closed.");
            const char c = text_[position_++];
            if (c == '"' && position_ < text_.size() && text_[position_] == '"') {
                value += '"';
                ++position_;
            } else if (c == '"') {
                break;
            } else {
                countLineIn(c);
                value += c;
            }
        }
        // Anything after the closing quote up to the separator stays part of
        // the field, as lenient readers keep it.
        while (position_ < text_.size() && text_[position_] != ',' && text_[position_] != '\r' &&
               text_[position_] != '\n')
            value += text_[position_++];
        return value;
    }

    void countLineIn(char c) {
        const bool lf = c == '\n' && !(position_ >= 2 && text_[position_ - 2] == '\r');
        if (c == '\r' || lf)
            ++line_;
    }

    std::string_view text_;
    std::size_t position_ = 0;
    std::size_t line_ = 1;
};

} // namespace

std::vector<CsvRecord> readCsvRecords(std::string_view text) {
    return CsvReader(text).records();
}

} // namespace fieldizer
