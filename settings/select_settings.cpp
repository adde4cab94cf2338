#include "columns/spec_table.h"
#include "settings/ignoring_errors.h"
#include "settings/settings_actions.h"
#include "settings/settings_messages.h"
#include "settings/settings_record.h"
#include "settings/specification_copy.h"

namespace fieldizer {

SettingsOutcome selectSettings(db::Database& database, UserDialogs& dialogs,
                               ParameterValues& values, SettingsState& state) {
    const std::string name = state.nameBox.text;
    if (name.empty()) {
        dialogs.tell(notice(settingsMessageIds::selectNameMissing, selectNameMissingMessage,
                            Focus::on(InputField::SettingsName)));
        return SettingsOutcome::NameRefused;
    }
    db::Recordset records = openSettingsRecords(database);
    if (!seekSettings(records, name))
        return SettingsOutcome::NotOnFile;
    readSettingsRecord(records, values);
    ignoringErrors([&] { database.execute(clearWorkingSpecsSql); });
    // The copy is the table of the name as stored, whatever case was typed.
    std::string table = settingsTableName(name);
    ignoringErrors([&] { table = records.field("nameofsettings").value().toText(); });
    state.currentSettingsTable = table;
    restoreSpecificationCopy(database, table);
    state.saveSettingsEnabled = false;
    state.settingsChanged = false;
    ignoringErrors([&] { records.close(); });
    return SettingsOutcome::Done;
}

void clearSettings(db::Database& database) {
    ignoringErrors([&] { database.execute(clearWorkingSpecsSql); });
}

} // namespace fieldizer
