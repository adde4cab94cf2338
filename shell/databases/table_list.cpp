#include "shell/databases/table_list.h"

namespace fieldizer {

Message deleteTableQuestion(const std::string& name) {
    return question(tableListMessageIds::deleteTable, "Delete this table: " + name + "?",
                    Buttons::YesNo, Icon::Question, Answer::No, carefulTitle);
}

void deleteTable(db::Database& database, const std::string& name) {
    database.tableDefs().refresh();
    database.tableDefs().remove(name);
}

} // namespace fieldizer
