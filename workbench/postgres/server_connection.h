#pragma once
// One connection to a database server, closed when it goes: statements run,
// rows read, and the server's refusals thrown as the program's errors.
// Statements and values are UTF-8, the server's client encoding.

#include <memory>
#include <optional>
#include <string>
#include <vector>

struct pg_conn;

namespace fieldizer::db {

// What the "Password Access" dialog gives; empty parts are left to libpq's
// own means (the address, PGUSER, PGPASSWORD, ~/.pgpass).
struct ServerLogin {
    std::string user;
    std::string password;
};

class ServerConnection {
  public:
    // Connects to the server database at `address` (server_address.h).
    // Throws 3029 or 3151 with the server's text.
    ServerConnection(const std::string& address, const ServerLogin& login);
    ~ServerConnection();
    ServerConnection(const ServerConnection&) = delete;
    ServerConnection& operator=(const ServerConnection&) = delete;

    pg_conn* handle() const { return connection_; }

    // Runs a statement that returns no rows.
    void run(const std::string& sql);
    // Runs a query with text parameters and gives its rows; a NULL value is
    // nothing.
    std::vector<std::vector<std::optional<std::string>>>
    rows(const std::string& sql, const std::vector<std::string>& parameters = {});

  private:
    pg_conn* connection_;
};

// A name as the server reads it in a statement: in double quotes, each
// double quote doubled, so that any heading (a reserved word, spaces, a
// quote) names exactly itself. The name is in the program's character set.
std::string quoteServerName(std::string_view name);

} // namespace fieldizer::db
