#pragma once
// A small page cache while a long run of rows is appended: appended pages are
// written once and never read again, so a large cache only costs fresh memory
// for every page and leaves them all to be written at the commit; a small
// one is recycled and spills as it goes. The connection's setting comes back
// at the end.

#include "text_engine/runtime_error.h"
#include "workbench/database_engine/connection.h"

#include <cstdint>
#include <string>

namespace fieldizer::db {

class AppendCache {
  public:
    explicit AppendCache(Connection& connection) : connection_(connection) {
        Statement current = connection_.prepare("PRAGMA cache_size");
        current.step();
        saved_ = current.columnInteger(0);
        // 2 MB, SQLite's default; measured a third less work than 32 MB.
        connection_.exec("PRAGMA cache_size = -2000");
    }
    ~AppendCache() {
        try {
            connection_.exec("PRAGMA cache_size = " + std::to_string(saved_));
        } catch (const RuntimeError&) {
            // A closed connection has no cache left to size; an open one
            // keeps a smaller cache, which costs speed, never data.
        }
    }
    AppendCache(const AppendCache&) = delete;
    AppendCache& operator=(const AppendCache&) = delete;

  private:
    Connection& connection_;
    std::int64_t saved_ = 0;
};

} // namespace fieldizer::db
