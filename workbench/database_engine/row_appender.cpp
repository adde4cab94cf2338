#include "workbench/database_engine/row_appender.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/field_type.h"
#include "workbench/dialect/sql_dialect.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace fieldizer::db {
namespace {

// Enough rows a statement to spread SQLite's per-statement work thin, and
// never more parameters than SQLite takes (32,766).
constexpr std::size_t maxBatchRows = 64;
constexpr std::size_t maxParameters = 32000;
// Eight bytes at a time: this runs over every value written.
bool isAscii(std::string_view text) {
    std::uint64_t high = 0;
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, 8);
        high |= word;
    }
    for (; i < text.size(); ++i)
        high |= static_cast<unsigned char>(text[i]);
    return (high & 0x8080808080808080ULL) == 0;
}

std::string q(std::string_view name) {
    return quoteIdentifier(cp1252ToUtf8(name));
}

} // namespace

RowAppender::RowAppender(Recordset& table, Counters counters)
    : table_(table), connection_(table.connection_), fieldCount_(table.fields_.size()),
      batchRows_(std::clamp<std::size_t>(maxParameters / std::max<std::size_t>(fieldCount_, 1), 1,
                                         maxBatchRows)),
      cells_((batchRows_ + 1) * fieldCount_), queuedShape_(fieldCount_), counters_(counters) {
    for (const FieldDef& field : table.fields_)
        textField_.push_back(isTextType(field.type));
    table_.requireUpdatable();
    if (table_.type() != RecordsetType::Table)
        throw errors::error(errors::invalidOperation);
    cache_.emplace(*connection_);
}

RowAppender::~RowAppender() = default;

RowAppender::Cell& RowAppender::cell(std::size_t row, int index) {
    return cells_[row * fieldCount_ + static_cast<std::size_t>(index)];
}

void RowAppender::setText(int index, std::string_view text) {
    table_.ensureOpen();
    if (index < 0 || static_cast<std::size_t>(index) >= fieldCount_)
        throw errors::itemNotInCollection();
    const FieldDef& field = table_.fields_[static_cast<std::size_t>(index)];
    if (field.autoIncrement && counters_ == Counters::Numbered)
        throw errors::error(errors::fieldNotUpdatable);
    Cell& target = cell(queued_, index);
    target.assigned = false;
    if (!textField_[std::size_t(index)]) {
        target.value = fitValueToField(Value(text), field, table_.source_.table);
    } else {
        // The rules of fitValueToField for text, without copying the text.
        if (field.type == fieldType::text && text.size() > static_cast<std::size_t>(field.size))
            throw errors::error(errors::fieldTooSmall);
        if (text.empty() && !field.allowZeroLength)
            throw errors::zeroLengthNotAllowed(table_.source_.table, field.name);
        target.text = text;
    }
    target.assigned = true;
}

bool RowAppender::hasQueuedShape(std::size_t row) const {
    for (std::size_t i = 0; i < fieldCount_; ++i)
        if (cells_[row * fieldCount_ + i].assigned != queuedShape_[i])
            return false;
    return true;
}

void RowAppender::endRow() {
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        const FieldDef& field = table_.fields_[i];
        // An unassigned field of a new row is Null unless the table gives a
        // default; SQLite then judges the default.
        if (field.required && !field.autoIncrement && !cell(queued_, int(i)).assigned)
            throw errors::requiredFieldIsNull(table_.source_.table, field.name);
    }
    if (queued_ > 0 && !hasQueuedShape(queued_)) {
        // The built row moves to the front once the queue is written.
        std::vector<Cell> built(cells_.begin() + std::ptrdiff_t(queued_ * fieldCount_),
                                cells_.begin() + std::ptrdiff_t((queued_ + 1) * fieldCount_));
        flush();
        std::copy(built.begin(), built.end(), cells_.begin());
    }
    if (queued_ == 0)
        for (std::size_t i = 0; i < fieldCount_; ++i)
            queuedShape_[i] = cells_[i].assigned;
    ++queued_;
    for (std::size_t i = 0; i < fieldCount_; ++i)
        cell(queued_, int(i)).assigned = false;
    if (queued_ == batchRows_)
        flush();
}

void RowAppender::cancelRow() {
    for (std::size_t i = 0; i < fieldCount_; ++i)
        cell(queued_, int(i)).assigned = false;
}

RowAppender::Statements& RowAppender::statementsFor(const std::vector<bool>& shape) {
    auto found = statements_.find(shape);
    if (found != statements_.end())
        return found->second;
    std::string columns, row;
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        if (!shape[i])
            continue;
        columns += (columns.empty() ? "" : ", ") + q(table_.baseColumns_[i]);
        row += row.empty() ? "?" : ", ?";
    }
    const std::string insert = "INSERT INTO " + q(table_.source_.table);
    Statements& made = statements_[shape];
    if (columns.empty()) {
        made.one.emplace(connection_->prepare(insert + " DEFAULT VALUES"));
        return made;
    }
    std::string rows = "(" + row + ")";
    made.one.emplace(connection_->prepare(insert + " (" + columns + ") VALUES " + rows));
    for (std::size_t i = 1; i < batchRows_; ++i)
        rows += ", (" + row + ")";
    made.many.emplace(connection_->prepare(insert + " (" + columns + ") VALUES " + rows));
    return made;
}

void RowAppender::bindRow(Statement& statement, int firstParameter, std::size_t row) {
    int parameter = firstParameter;
    for (std::size_t i = 0; i < fieldCount_; ++i) {
        const Cell& value = cells_[row * fieldCount_ + i];
        if (!value.assigned)
            continue;
        if (!textField_[i])
            statement.bindBorrowed(parameter++, value.value);
        else if (isAscii(value.text))
            statement.bindUtf8Borrowed(parameter++, value.text);
        else
            statement.bindUtf8Borrowed(parameter++,
                                       converted_.emplace_back(cp1252ToUtf8(value.text)));
    }
}

void RowAppender::writeOneByOne(Statements& statements, std::size_t from) {
    for (std::size_t row = from; row < queued_; ++row) {
        bindRow(*statements.one, 1, row);
        table_.writeRow(*statements.one);
        ++rowsWritten_;
    }
}

void RowAppender::flush() {
    if (queued_ == 0)
        return;
    Statements& statements = statementsFor(queuedShape_);
    try {
        if (queued_ == batchRows_ && statements.many) {
            const int perRow = int(std::count(queuedShape_.begin(), queuedShape_.end(), true));
            for (std::size_t row = 0; row < queued_; ++row)
                bindRow(*statements.many, 1 + int(row) * perRow, row);
            try {
                table_.writeRow(*statements.many);
                rowsWritten_ += long(queued_);
            } catch (const RuntimeError&) {
                // SQLite undid the whole statement: find the failing row, keeping
                // those before it.
                writeOneByOne(statements, 0);
            }
        } else {
            writeOneByOne(statements, 0);
        }
    } catch (...) {
        queued_ = 0;
        converted_.clear();
        throw;
    }
    queued_ = 0;
    converted_.clear();
}

} // namespace fieldizer::db
