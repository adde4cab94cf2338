#pragma once
// A server's refusals as the program's errors: a number of ours by the kind
// of failure, and the server's own text (in the program's character set).

#include "text_engine/runtime_error.h"

struct pg_conn;
struct pg_result;

namespace fieldizer::db::errors {

// A connection that could not be made: 3029 when the server refused the
// user name or password, 3151 otherwise.
RuntimeError connectionRefused(pg_conn* connection);

// A statement that failed (`result` may be null when none came back): 3234
// for its time limit, 3151 for a connection lost, 3146 for anything else.
RuntimeError statementRefused(pg_conn* connection, const pg_result* result);

} // namespace fieldizer::db::errors
