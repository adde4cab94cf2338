// fieldizer-cli settings: the Settings store from the command line. Names,
// values and headings arrive converted by the parser (argument_text.h);
// what is printed goes back to the terminal's UTF-8, so that `show` prints
// what `save` reads back.

#include "cli/argument_text.h"
#include "cli/arguments.h"
#include "cli/column_sources.h"
#include "cli/commands.h"
#include "cli/message_hints.h"
#include "columns/spec_table.h"
#include "settings/name_list.h"
#include "settings/program_database.h"
#include "settings/settings_actions.h"
#include "settings/settings_messages.h"
#include "settings/settings_record.h"
#include "workbench/fieldizer_database.h"

#include <iostream>

namespace fieldizer::cli {
namespace {

// No one to ask: an existing set is overwritten (OK), a delete goes ahead
// (Yes); messages go to standard error.
class AnswerByRule final : public UserDialogs {
  public:
    Answer ask(const Message& question) override {
        if (question.id == settingsMessageIds::overwrite)
            return Answer::Ok;
        if (question.id == settingsMessageIds::deleteSet)
            return Answer::Yes;
        // A question this command does not know would be answered blindly.
        printMessage(std::cerr, question.id, question.text);
        return Answer::Cancel;
    }
    void tell(const Message& message) override {
        printMessage(std::cerr, message.id, message.text);
    }
};

const std::set<KeyTab> allTabs{KeyTab::TextLines, KeyTab::Move,    KeyTab::Add,
                               KeyTab::Replace,   KeyTab::Delete,  KeyTab::Format,
                               KeyTab::Fieldize,  KeyTab::Database};

// The form `show` prints and KEY=VALUE arguments read back.
std::string escapeValue(std::string_view value) {
    std::string escaped;
    escaped.reserve(value.size());
    for (char c : value) {
        switch (c) {
        case '\\':
            escaped += "\\\\";
            break;
        case '\r':
            escaped += "\\r";
            break;
        case '\n':
            escaped += "\\n";
            break;
        case '\t':
            escaped += "\\t";
            break;
        default:
            escaped += c;
        }
    }
    return escaped;
}

struct Command {
    ParsedArguments parsed;
    std::string name;   // the set's name, in the program's character set
    std::string dbPath; // as given, UTF-8
    std::shared_ptr<db::Database> database;
};

Command prepare(std::string_view action, Args args, bool takesValues) {
    ArgumentRules rules{{"--db"}, {}, {}, action == "list" ? 0u : 1u};
    if (takesValues) {
        rules.valueOptions.insert("--column");
        rules.repeatable.insert("--column");
    }
    Command command;
    command.parsed = parseArguments(args, rules);
    if (!takesValues && !command.parsed.keys.empty())
        throw UsageError("KEY=VALUE arguments are only for settings save");
    if (rules.maxPositional == 1 && command.parsed.positional.empty() && !takesValues)
        throw UsageError(std::string(action) + " needs the NAME of a saved set");
    if (!command.parsed.positional.empty())
        command.name = command.parsed.positional.front();
    command.dbPath = command.parsed.option("--db").value_or(defaultProgramDatabase);
    return command;
}

void openDatabase(Command& command) {
    command.database = openProgramDatabaseAt(command.dbPath);
}

UsageError notOnFile(const Command& command) {
    return UsageError("no saved Settings named '" + terminalText(command.name) + "' in " +
                      command.dbPath);
}

int list(Command command) {
    openDatabase(command);
    for (const std::string& name : refreshNameOfSettingsList(*command.database))
        std::cout << terminalText(name) << '\n';
    return exitOk;
}

int show(Command command) {
    openDatabase(command);
    const auto values =
        readSavedSettings(*command.database, command.name, defaultParameterValues());
    if (!values)
        throw notOnFile(command);
    for (const ParameterKey& key : parameterKeys())
        std::cout << key.name << '=' << terminalText(escapeValue(values->at(std::string(key.name))))
                  << '\n';
    // The set's specifications, one argument a line like the keys, in the
    // form settings save takes back.
    const std::string table = settingsTableName(command.name);
    if (command.database->tableDefs().contains(table))
        for (const ColumnSpec& spec : readColumnSpecs(*command.database, table))
            std::cout << "--column=" << terminalText(formatColumnOption(spec)) << '\n';
    return exitOk;
}

// The --column specs become the working specifications.
void replaceWorkingSpecs(db::Database& database, const ColumnSpecs& specs) {
    database.emptyTable(db::specificationTable);
    appendColumnSpecs(database, db::specificationTable, specs);
}

int save(Command command) {
    checkKeys(command.parsed.keys, allTabs);
    ParameterValues values = defaultParameterValues();
    for (const auto& [key, value] : command.parsed.keys)
        values[key] = value;
    const ColumnSpecs specs = columnOptionsOf(command.parsed);
    if (!command.name.empty())
        checkSettingsName(command.name);
    openDatabase(command);
    // The working specifications, the record and the set's table are stored
    // together or not at all; a name the save refuses leaves everything alone.
    db::Transaction transaction(*command.database);
    if (command.parsed.options.count("--column"))
        replaceWorkingSpecs(*command.database, specs);
    SettingsState state;
    state.nameBox.text = command.name;
    AnswerByRule dialogs;
    const SettingsOutcome outcome = saveSettings(*command.database, dialogs, values, state);
    if (outcome != SettingsOutcome::Done)
        return exitUsage;
    transaction.commit();
    return exitOk;
}

int remove(Command command) {
    openDatabase(command);
    SettingsState state;
    state.nameBox.text = command.name;
    AnswerByRule dialogs;
    // A table left behind without its record is deleted as well; only then
    // is the missing record reported.
    const DeleteResult result = deleteSettings(*command.database, dialogs, state);
    if (result.ignoredError)
        throw *result.ignoredError; // the window goes past it; a script must hear of it
    if (!result.recordFound)
        throw notOnFile(command);
    return exitOk;
}

} // namespace

int runSettings(Args args) {
    const std::string action = args.empty() ? std::string() : args.front();
    const Args rest = args.empty() ? args : args.subspan(1);
    try {
        if (action == "list")
            return list(prepare(action, rest, false));
        if (action == "show")
            return show(prepare(action, rest, false));
        if (action == "save")
            return save(prepare(action, rest, true));
        if (action == "delete")
            return remove(prepare(action, rest, false));
        throw UsageError("settings takes list, show NAME, save NAME or delete NAME");
    } catch (const UsageError& error) {
        std::cerr << "fieldizer-cli settings: " << error.what() << '\n';
        return exitUsage;
    }
}

} // namespace fieldizer::cli
