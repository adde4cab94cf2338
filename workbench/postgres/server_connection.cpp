#include "workbench/postgres/server_connection.h"

#include "text_engine/cp1252.h"
#include "workbench/postgres/server_errors.h"

#include <array>
#include <libpq-fe.h>

namespace fieldizer::db {
namespace {

// A query's result, cleared when it goes.
struct Result {
    explicit Result(PGresult* result) : handle(result) {}
    ~Result() { PQclear(handle); }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;
    PGresult* handle;
};

void checkResult(PGconn* connection, const Result& result, ExecStatusType expected) {
    if (result.handle == nullptr || PQresultStatus(result.handle) != expected)
        throw errors::statementRefused(connection, result.handle);
}

// The server's notices ("drop cascades to ...") are not the program's
// messages; its errors come back as errors.
void ignoreNotice(void*, const char*) {}

} // namespace

ServerConnection::ServerConnection(const std::string& address, const ServerLogin& login) {
    // The address is expanded as a connection URI; the login's parts, when
    // given, take the place of the address's own.
    std::array<const char*, 6> keywords{"dbname", "client_encoding", "fallback_application_name",
                                        nullptr,  nullptr,           nullptr};
    std::array<const char*, 6> values{address.c_str(), "UTF8",  "fieldizer",
                                      nullptr,         nullptr, nullptr};
    const std::string user = cp1252ToUtf8(login.user);
    const std::string password = cp1252ToUtf8(login.password);
    std::size_t next = 3;
    if (!user.empty()) {
        keywords[next] = "user";
        values[next++] = user.c_str();
    }
    if (!password.empty()) {
        keywords[next] = "password";
        values[next++] = password.c_str();
    }
    connection_ = PQconnectdbParams(keywords.data(), values.data(), 1);
    if (connection_ == nullptr)
        throw errors::connectionRefused(nullptr);
    if (PQstatus(connection_) != CONNECTION_OK) {
        RuntimeError refused = errors::connectionRefused(connection_);
        PQfinish(connection_);
        throw refused;
    }
    PQsetNoticeProcessor(connection_, ignoreNotice, nullptr);
}

ServerConnection::~ServerConnection() {
    PQfinish(connection_);
}

void ServerConnection::run(const std::string& sql) {
    const Result result(PQexec(connection_, sql.c_str()));
    checkResult(connection_, result, PGRES_COMMAND_OK);
}

std::vector<std::vector<std::optional<std::string>>>
ServerConnection::rows(const std::string& sql, const std::vector<std::string>& parameters) {
    std::vector<const char*> values;
    for (const std::string& parameter : parameters)
        values.push_back(parameter.c_str());
    const Result result(PQexecParams(connection_, sql.c_str(), int(values.size()), nullptr,
                                     values.data(), nullptr, nullptr, 0));
    checkResult(connection_, result, PGRES_TUPLES_OK);
    std::vector<std::vector<std::optional<std::string>>> rows(
        static_cast<std::size_t>(PQntuples(result.handle)));
    for (int row = 0; row < int(rows.size()); ++row)
        for (int column = 0; column < PQnfields(result.handle); ++column)
            rows[std::size_t(row)].push_back(
                PQgetisnull(result.handle, row, column) != 0
                    ? std::nullopt
                    : std::optional<std::string>(PQgetvalue(result.handle, row, column)));
    return rows;
}

std::string quoteServerName(std::string_view name) {
    std::string quoted = "\"";
    for (const char c : cp1252ToUtf8(name)) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

} // namespace fieldizer::db
