#pragma once
// TableDefs: the tables of a database. Always current: a table created or
// dropped by SQL, or by another connection, is seen without a Refresh (which
// is still offered, as callers expect it).

#include "workbench/database_engine/connection.h"
#include "workbench/database_engine/table_def.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

class TableDefs {
  public:
    explicit TableDefs(std::shared_ptr<Connection> connection)
        : connection_(std::move(connection)) {}

    void refresh();
    int count();
    // The table names, sorted without regard to case: the stable order of
    // enumeration. Hidden tables ("MSys...") are included; lists shown to
    // users leave them out.
    const std::vector<std::string>& names();
    bool contains(std::string_view name);
    TableDef item(std::string_view name); // any letter case; 3265 when absent
    TableDef item(int index);             // 3265 when out of range
    // Creates the table: 3010 when it exists, 3264 without fields, 3125 for
    // an invalid name.
    void append(const TableDef& table);
    // Drops the table; 3265 when absent.
    void remove(std::string_view name);

  private:
    std::shared_ptr<Connection> connection_;
    std::vector<std::string> names_;
    std::int64_t version_ = -1;
};

} // namespace fieldizer::db
