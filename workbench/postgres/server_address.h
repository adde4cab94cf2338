#pragma once
// The address of a database on a server: a libpq connection URI
// (postgresql://[user@]host[:port]/dbname). Parts left out come from libpq's
// environment (PGHOST, PGPORT, PGSERVICE, ...). A password never leaves here
// in a text that is shown.

#include <string>
#include <string_view>

namespace fieldizer::db {

// Whether a database target names a server database rather than a file.
bool isServerAddress(std::string_view target);

// The address as it may be shown or remembered: a password in its user part
// or among its parameters taken out.
std::string addressWithoutPassword(std::string_view address);

// The address of `database` on `host` at `port`, each part percent-encoded;
// an empty part is left to libpq's environment.
std::string serverAddress(std::string_view host, std::string_view port, std::string_view database);

} // namespace fieldizer::db
