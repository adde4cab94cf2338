#include "settings/ignoring_errors.h"
#include "settings/name_list.h"
#include "settings/settings_actions.h"
#include "settings/settings_messages.h"
#include "settings/settings_record.h"

namespace fieldizer {
namespace {

bool confirmDelete(UserDialogs& dialogs, const std::string& name) {
    return dialogs.ask(question(settingsMessageIds::deleteSet, deleteSettingsQuestion(name),
                                Buttons::YesNo, Icon::Question, Answer::No, carefulTitle)) ==
           Answer::Yes;
}

} // namespace

DeleteResult deleteSettings(db::Database& database, UserDialogs& dialogs, SettingsState& state) {
    const std::string name = state.nameBox.text;
    if (name.empty()) {
        dialogs.tell(notice(settingsMessageIds::deleteNameMissing, deleteNameMissingMessage));
        return {SettingsOutcome::NameRefused, std::nullopt};
    }
    if (!confirmDelete(dialogs, name))
        return {SettingsOutcome::Cancelled, std::nullopt};
    DeleteResult result;
    state.currentSettingsTable = settingsNotSaved;
    const std::string table = settingsTableName(name);
    ignoringErrors(
        [&] {
            db::Recordset records = openSettingsRecords(database);
            result.recordFound = seekSettings(records, name);
            if (result.recordFound)
                records.deleteRecord();
        },
        &result.ignoredError);
    // The program's own tables are never dropped, whatever a record says.
    if (!isReservedSettingsName(name))
        ignoringErrors(
            [&] {
                if (database.tableDefs().contains(table))
                    database.tableDefs().remove(table);
            },
            &result.ignoredError);
    ignoringErrors([&] { refillNameBox(database, state.nameBox); }, &result.ignoredError);
    return result;
}

} // namespace fieldizer
