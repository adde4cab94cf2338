#include "settings/name_list.h"

#include "settings/settings_record.h"
#include "workbench/fieldizer_database.h"

namespace fieldizer {
namespace {

std::string withoutPrefix(const std::string& stored) {
    const std::size_t prefix = settingsTableName("").size();
    return stored.size() > prefix ? stored.substr(prefix) : std::string();
}

} // namespace

std::vector<std::string> refreshNameOfSettingsList(db::Database& database) {
    std::vector<std::string> names;
    database.tableDefs().refresh();
    db::Recordset records = openSettingsRecords(database);
    for (; !records.eof(); records.moveNext()) {
        const db::Value stored = records.field("nameofsettings").value();
        if (!stored.isNull())
            names.push_back(withoutPrefix(stored.toText()));
    }
    records.close();
    return names;
}

int positionAfterRefresh(int remembered, std::size_t count) {
    if (remembered < 0 || count == 0 || std::size_t(remembered) > count)
        return -1;
    return std::size_t(remembered) == count ? remembered - 1 : remembered;
}

void refillNameBox(db::Database& database, NameBox& box) {
    std::vector<std::string> names = refreshNameOfSettingsList(database);
    box.selectedIndex = positionAfterRefresh(box.selectedIndex, names.size());
    box.items = std::move(names);
    if (box.selectedIndex >= 0)
        box.text = box.items[std::size_t(box.selectedIndex)];
}

void enterSettingsTab(db::Database& database, SettingsState& state) {
    refillNameBox(database, state.nameBox);
    state.saveSettingsEnabled = state.settingsChanged;
    const bool onFile = !state.nameBox.items.empty() && !state.nameBox.items.front().empty();
    state.selectSettingsEnabled = onFile;
    state.deleteSettingsEnabled = onFile;
}

} // namespace fieldizer
