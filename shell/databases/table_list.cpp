#include "shell/databases/table_list.h"

#include "columns/program_tables.h"

namespace fieldizer {

std::vector<std::string> listedTableNames(db::Database& database) {
    std::vector<std::string> names;
    database.tableDefs().refresh();
    for (const std::string& name : database.tableDefs().names())
        if (isListedTable(name))
            names.push_back(name);
    return names;
}

Message deleteTableQuestion(const std::string& name) {
    return question(tableListMessageIds::deleteTable, "Delete this table: " + name + "?",
                    Buttons::YesNo, Icon::Question, Answer::No, carefulTitle);
}

void deleteTable(db::Database& database, const std::string& name) {
    database.tableDefs().refresh();
    database.tableDefs().remove(name);
}

} // namespace fieldizer
