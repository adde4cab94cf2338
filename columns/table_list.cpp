#include "columns/table_list.h"

#include "columns/program_tables.h"

namespace fieldizer {

std::vector<std::string> listedTableNames(db::RecordTarget& database) {
    std::vector<std::string> listed;
    for (const std::string& name : database.tableNames())
        if (isListedTable(name))
            listed.push_back(name);
    return listed;
}

} // namespace fieldizer
