#include "shell/databases/table_copy.h"

#include "workbench/database_engine/table_copy.h"

namespace fieldizer {

Message tableNameExistsQuestion(const std::string& name) {
    return question(tableCopyMessageIds::nameExists,
                    "This table name (" + name +
                        ") is already in the database.  Would you like to enter another name?",
                    Buttons::YesNo, Icon::Question, Answer::Yes);
}

std::optional<std::string> tableCheck(db::Database& database, std::string& openTableName,
                                      UserDialogs& dialogs, FileDialogs& files) {
    if (openTableName.empty())
        openTableName = exportTableName;
    for (;;) {
        const std::optional<std::string> name =
            files.inputText(saveTableAsPrompt, openTableName, std::string());
        if (!name || name->empty())
            return std::nullopt;
        database.tableDefs().refresh();
        if (!database.tableDefs().contains(*name))
            return name;
        if (dialogs.ask(tableNameExistsQuestion(*name)) != Answer::Yes)
            return std::nullopt;
    }
}

db::TableDef copiedTableDef(const db::TableDef& source, std::string name) {
    db::TableDef table(std::move(name));
    for (const db::FieldDef& field : source.fields()) {
        db::FieldDef copy;
        copy.name = field.name;
        copy.type = field.type;
        copy.size = field.size;
        copy.allowZeroLength = true;
        table.fields().append(std::move(copy));
    }
    return table;
}

std::optional<long> saveTableAs(db::Database& database, const std::string& source,
                                const std::string& target, PassObserver& observer) {
    db::Transaction transaction(database);
    database.tableDefs().append(copiedTableDef(database.tableDefs().item(source), target));
    const std::optional<long> copied = db::copyTableRows(database, source, target, observer);
    if (copied)
        transaction.commit(); // after Stop, the guard removes the new table
    return copied;
}

} // namespace fieldizer
