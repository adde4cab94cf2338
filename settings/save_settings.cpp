#include "settings/name_list.h"
#include "settings/settings_actions.h"
#include "settings/settings_messages.h"
#include "settings/settings_record.h"
#include "settings/specification_copy.h"
#include "workbench/fieldizer_database.h"

namespace fieldizer {
namespace {

bool refuseName(UserDialogs& dialogs, const std::string& name) {
    const Focus nameBox = Focus::on(InputField::SettingsName);
    if (name.empty())
        dialogs.tell(notice(settingsMessageIds::nameMissing, settingsNameMissingMessage, nameBox));
    else if (isReservedSettingsName(name))
        dialogs.tell(
            notice(settingsMessageIds::reservedName, reservedSettingsNameMessage(name), nameBox));
    else
        return false;
    return true;
}

bool confirmOverwrite(UserDialogs& dialogs, const std::string& name) {
    return dialogs.ask(question(settingsMessageIds::overwrite, overwriteSettingsQuestion(name),
                                Buttons::OkCancel, Icon::Information, Answer::Cancel)) ==
           Answer::Ok;
}

// The set's table, created when it is missing, and the working
// specifications copied into it. A table left behind by a set whose record
// is gone is taken over: as the record and the table are stored together,
// refusing it would leave a name that can never be saved.
void storeSpecifications(db::Database& database, const std::string& table) {
    database.tableDefs().refresh();
    if (!database.tableDefs().contains(table))
        database.tableDefs().append(db::specificationCopyTableDef(table));
    storeSpecificationCopy(database, table);
}

} // namespace

SettingsOutcome saveSettings(db::Database& database, UserDialogs& dialogs,
                             const ParameterValues& values, SettingsState& state) {
    const std::string name = state.nameBox.text;
    if (refuseName(dialogs, name))
        return SettingsOutcome::NameRefused;
    checkSettingsName(name);
    db::Recordset records = openSettingsRecords(database);
    const bool found = seekSettings(records, name);
    if (found && !confirmOverwrite(dialogs, name))
        return SettingsOutcome::Cancelled;
    // The record and the set's table are stored together or not at all.
    db::Transaction transaction(database);
    if (found)
        records.edit();
    else
        records.addNew();
    writeSettingsRecord(records, name, values);
    records.close();
    const std::string table = settingsTableName(name);
    storeSpecifications(database, table);
    transaction.commit();
    state.currentSettingsTable = table;
    state.selectSettingsEnabled = true;
    state.deleteSettingsEnabled = true;
    refillNameBox(database, state.nameBox);
    state.saveSettingsEnabled = false;
    state.settingsChanged = false;
    return SettingsOutcome::Done;
}

} // namespace fieldizer
