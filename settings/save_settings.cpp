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

// The set's table, created when it is missing or the name is new (a table
// left behind by a set whose record is gone then makes the creation fail),
// and the working specifications copied into it, all or nothing.
void storeSpecifications(db::Database& database, const std::string& table, bool newName) {
    db::ScopedTransaction transaction(*database.connection());
    database.tableDefs().refresh();
    if (newName || !database.tableDefs().contains(table))
        database.tableDefs().append(db::specificationTableDef(table));
    storeSpecificationCopy(database, table);
    transaction.commit();
}

} // namespace

SettingsOutcome saveSettings(db::Database& database, UserDialogs& dialogs,
                             const ParameterValues& values, SettingsState& state) {
    const std::string name = state.nameBox.text;
    if (refuseName(dialogs, name))
        return SettingsOutcome::NameRefused;
    db::Recordset records = openSettingsRecords(database);
    const bool found = seekSettings(records, name);
    if (found && !confirmOverwrite(dialogs, name))
        return SettingsOutcome::Cancelled;
    if (found)
        records.edit();
    else
        records.addNew();
    writeSettingsRecord(records, name, values);
    state.command9Enabled = true;
    state.command16Enabled = true;
    records.close();
    state.currentSettingsTable = settingsTableName(name);
    storeSpecifications(database, state.currentSettingsTable, !found);
    refillNameBox(database, state.nameBox);
    state.command8Enabled = false;
    state.settingsChanged = false;
    return SettingsOutcome::Done;
}

} // namespace fieldizer
