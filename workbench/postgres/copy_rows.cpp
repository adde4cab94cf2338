#include "workbench/postgres/copy_rows.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/postgres/server_errors.h"

#include <array>
#include <libpq-fe.h>

namespace fieldizer::db {
namespace {

// Rows are sent once this much of COPY's text waits.
constexpr std::size_t sendSize = std::size_t(1) << 20;

// The fields of a table in order, by the same name resolution COPY uses;
// varchar(n) and char(n) are Text fields of size n, any other type has no
// length for the size check to judge.
constexpr const char* tableFields =
    "SELECT a.attname, t.typname, a.atttypmod FROM pg_catalog.pg_attribute a"
    " JOIN pg_catalog.pg_type t ON t.oid = a.atttypid"
    " WHERE a.attrelid = $1::regclass AND a.attnum > 0 AND NOT a.attisdropped"
    " ORDER BY a.attnum";

FieldDef fieldOf(const std::vector<std::optional<std::string>>& row) {
    FieldDef field;
    field.name = utf8ToCp1252(row[0].value_or(""));
    field.allowZeroLength = true;
    const std::string type = row[1].value_or("");
    const int modifier = std::stoi(row[2].value_or("-1"));
    // A varchar's modifier is its length plus the four bytes of its header.
    if ((type == "varchar" || type == "bpchar") && modifier >= 4) {
        field.type = fieldType::text;
        field.size = modifier - 4;
    } else {
        field.type = fieldType::memo;
        field.size = 0;
    }
    return field;
}

// COPY's text form of one value: UTF-8, with backslash, tab, line feed and
// carriage return escaped. Plain ASCII is copied in runs.
struct CopyText {
    CopyText() {
        for (int byte = 0; byte < 0x80; ++byte)
            plain[std::size_t(byte)] = byte != '\\' && byte != '\t' && byte != '\n' && byte != '\r';
    }
    void append(std::string& out, std::string_view value) const {
        std::size_t runStart = 0;
        for (std::size_t i = 0; i < value.size(); ++i) {
            const auto byte = static_cast<unsigned char>(value[i]);
            if (plain[byte])
                continue;
            out.append(value.data() + runStart, i - runStart);
            runStart = i + 1;
            switch (byte) {
            case '\\':
                out += "\\\\";
                break;
            case '\t':
                out += "\\t";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            default:
                out += cp1252ToUtf8(value.substr(i, 1));
            }
        }
        out.append(value.data() + runStart, value.size() - runStart);
    }
    std::array<bool, 256> plain{};
};

const CopyText copyText;

} // namespace

CopyRows::CopyRows(ServerConnection& connection, const std::string& table)
    : connection_(connection), table_(table) {
    const std::string quoted = quoteServerName(table);
    for (const auto& row : connection_.rows(tableFields, {quoted}))
        fields_.push_back(fieldOf(row));
    row_.resize(fields_.size());
    copyStatement_ = "COPY " + quoted + " (";
    const char* separator = "";
    for (const FieldDef& field : fields_) {
        copyStatement_ += separator + quoteServerName(field.name);
        separator = ", ";
    }
    copyStatement_ += ") FROM STDIN";
    waiting_.reserve(sendSize + sendSize / 4);
}

CopyRows::~CopyRows() {
    if (!copying_)
        return;
    PGconn* connection = connection_.handle();
    PQputCopyEnd(connection, "abandoned");
    while (PGresult* result = PQgetResult(connection))
        PQclear(result);
}

void CopyRows::setText(int index, std::string_view text) {
    const FieldDef& field = fields_.at(std::size_t(index));
    if (field.type == fieldType::text && text.size() > std::size_t(field.size))
        throw errors::error(errors::fieldTooSmall);
    // The server's text holds no NUL character.
    if (text.find('\0') != std::string_view::npos)
        throw errors::conversionFailed(table_, field.name);
    row_[std::size_t(index)] = text;
}

void CopyRows::endRow() {
    for (std::size_t i = 0; i < row_.size(); ++i) {
        if (i != 0)
            waiting_ += '\t';
        if (row_[i])
            copyText.append(waiting_, *row_[i]);
        else
            waiting_ += "\\N"; // a field the line gave no value stays unset
    }
    waiting_ += '\n';
    cancelRow();
    if (waiting_.size() >= sendSize)
        send();
}

void CopyRows::cancelRow() {
    for (auto& value : row_)
        value.reset();
}

RuntimeError CopyRows::failed(const RuntimeError& error) {
    failed_ = true;
    waiting_.clear();
    return error;
}

void CopyRows::send() {
    PGconn* connection = connection_.handle();
    if (!copying_) {
        PGresult* result = PQexec(connection, copyStatement_.c_str());
        if (result == nullptr || PQresultStatus(result) != PGRES_COPY_IN) {
            RuntimeError refused = errors::statementRefused(connection, result);
            PQclear(result);
            throw failed(refused);
        }
        PQclear(result);
        copying_ = true;
    }
    if (PQputCopyData(connection, waiting_.data(), int(waiting_.size())) != 1)
        throw failed(errors::statementRefused(connection, nullptr));
    waiting_.clear();
}

void CopyRows::flush() {
    if (failed_ || (waiting_.empty() && !copying_))
        return;
    send();
    PGconn* connection = connection_.handle();
    copying_ = false;
    if (PQputCopyEnd(connection, nullptr) != 1)
        throw failed(errors::statementRefused(connection, nullptr));
    PGresult* result = PQgetResult(connection);
    std::optional<RuntimeError> refused;
    if (result == nullptr || PQresultStatus(result) != PGRES_COMMAND_OK)
        refused = errors::statementRefused(connection, result);
    PQclear(result);
    while (PGresult* rest = PQgetResult(connection))
        PQclear(rest);
    if (refused)
        throw failed(*refused);
}

} // namespace fieldizer::db
