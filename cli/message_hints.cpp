#include "cli/message_hints.h"

#include "cli/argument_text.h"
#include "columns/fieldize.h"
#include "columns/save_messages.h"
#include "settings/settings_messages.h"
#include "text_engine/required_fields.h"

#include <array>
#include <ostream>

namespace fieldizer::cli {
namespace {

struct Hint {
    MessageId id;
    std::string_view text;
};

// Quoted as a shell takes them, so a hint can be copied as it stands.
constexpr std::array<Hint, 23> hints{{
    {requiredFieldIds::textToMove,
     "set textToMove='General Move', 'Specific Move' (with moveSpecificText=TEXT) or the text to "
     "move"},
    {requiredFieldIds::addText, "set addText=TEXT"},
    {requiredFieldIds::replaceText,
     "set replaceText='General Replace', 'Specific Replace' (with replaceSpecificText=TEXT) or "
     "the text to replace"},
    {requiredFieldIds::deleteText,
     "set deleteText='General Delete', 'Specific Delete' (with deleteSpecificText=TEXT) or the "
     "text to delete"},
    {requiredFieldIds::formatDelimiter,
     "set formatDelimiter=TEXT, for example 'formatDelimiter=;'"},
    {requiredFieldIds::nothingToProcess, "give a text of at least one byte with --in FILE or on "
                                         "standard input"},
    {saveMessages::id::nothingToSave, "give a text of at least one byte with --in FILE or on "
                                      "standard input"},
    {saveMessages::id::noTableName, "name the table with --table NAME"},
    {saveMessages::id::programTable,
     "name another table with --table NAME: names beginning with fieldize_, MSys or sqlite_, in "
     "any letter case, belong to the program or the database"},
    {saveMessages::id::noProcessMethod, "set databaseProcessMethod='Use column specs on the "
                                        "Fieldize Text tab' or 'Parse text using delimiter I "
                                        "specify'"},
    {saveMessages::id::noDelimiter,
     "set databaseDelimiter=TEXT, for example 'databaseDelimiter=;'"},
    {saveMessages::id::noDatabase, "name one with --target PATH, or the program's with --db PATH"},
    {saveMessages::id::noColumnSpecs,
     "the field names of a new table are the headings of --column "
     "HEADING:START:CHARS:SPACES:WIDTH or of --settings NAME, also when a delimiter parses the "
     "lines; into an existing table, add --existing"},
    {noColumnSpecsId, "give them with --column HEADING:START:CHARS:SPACES:WIDTH (repeated) or "
                      "--settings NAME"},
    {saveMessages::id::tableNotIn,
     "name a table of that database with --table NAME, or leave out --existing to create it"},
    {saveMessages::id::addToRecords, "answer with --if-exists append or --if-exists replace"},
    {saveMessages::id::laidOut,
     "answer with --positions laid-out (Yes) or --positions original (No)"},
    {saveMessages::id::valueTooLarge, "add --too-long skip to leave such values out and go on"},
    {settingsMessageIds::nameMissing, "name the set: fieldizer-cli settings save NAME"},
    {settingsMessageIds::reservedName, "choose another NAME"},
    {cliMessageIds::programDatabaseMissing,
     "create it with fieldizer-cli create-database {path}, or name one with --db"},
    {cliMessageIds::targetMissing,
     "create it with fieldizer-cli create-database {path}, or name another with --target"},
    {cliMessageIds::parameterMissing,
     "give a value for each of the statement's PARAMETERS with --param NAME=VALUE"},
}};

} // namespace

std::optional<std::string_view> commandLineHint(MessageId id) {
    for (const Hint& hint : hints)
        if (hint.id == id)
            return hint.text;
    return std::nullopt;
}

void printMessage(std::ostream& out, MessageId id, std::string_view text) {
    out << terminalText(text) << '\n';
    if (auto hint = commandLineHint(id))
        out << *hint << '\n';
}

std::optional<std::string> HintedError::hint() const {
    auto hint = commandLineHint(situation_);
    if (!hint)
        return std::nullopt;
    std::string text(*hint);
    if (auto at = text.find("{path}"); at != std::string::npos)
        text.replace(at, 6, path_);
    return text;
}

} // namespace fieldizer::cli
