#include "workbench/postgres/server_errors.h"

#include "text_engine/cp1252.h"
#include "text_engine/database_error_numbers.h"

#include <libpq-fe.h>
#include <string>
#include <string_view>

namespace fieldizer::db::errors {
namespace {

// libpq's messages end with a line end, and may be several lines long.
std::string serverText(const char* message) {
    std::string text = message == nullptr ? std::string() : std::string(message);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' '))
        text.pop_back();
    if (text.empty())
        text = "The server gave no reason.";
    return utf8ToCp1252(text);
}

bool startsWith(std::string_view text, std::string_view start) {
    return text.substr(0, start.size()) == start;
}

} // namespace

RuntimeError connectionRefused(pg_conn* connection) {
    const std::string text = serverText(PQerrorMessage(connection));
    // The server says no more than its message: an authentication failure
    // is told by libpq's wording, or by a password it asked for in vain.
    const bool account = PQconnectionNeedsPassword(connection) != 0 ||
                         text.find("authentication failed") != std::string::npos ||
                         text.find("no password supplied") != std::string::npos;
    return RuntimeError(account ? notValidAccount : serverConnectionFailed, text);
}

RuntimeError statementRefused(pg_conn* connection, const pg_result* result) {
    const char* state = result == nullptr ? nullptr : PQresultErrorField(result, PG_DIAG_SQLSTATE);
    const std::string text = serverText(result != nullptr && *PQresultErrorMessage(result) != '\0'
                                            ? PQresultErrorMessage(result)
                                            : PQerrorMessage(connection));
    if (PQstatus(connection) == CONNECTION_BAD || (state != nullptr && startsWith(state, "08")))
        return RuntimeError(serverConnectionFailed, text);
    if (state != nullptr && std::string_view(state) == "57014")
        return RuntimeError(serverTimeout, text);
    if (state != nullptr && startsWith(state, "28"))
        return RuntimeError(notValidAccount, text);
    return RuntimeError(serverCallFailed, text);
}

} // namespace fieldizer::db::errors
