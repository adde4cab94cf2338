#include "columns/table_list.h"

#include "columns/program_tables.h"

namespace fieldizer {

std::vector<std::string> listedTableNames(db::Database& database) {
    auto& tables = database.tableDefs();
    tables.refresh();
    std::vector<std::string> listed;
    for (const std::string& name : tables.names())
        if (isListedTable(name))
            listed.push_back(name);
    return listed;
}

} // namespace fieldizer
