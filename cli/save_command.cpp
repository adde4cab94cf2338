#include "cli/save_command.h"

#include "cli/access_commands.h"
#include "cli/argument_text.h"
#include "cli/column_sources.h"
#include "cli/line_ends.h"
#include "cli/message_hints.h"
#include "cli/operation_table.h"
#include "cli/text_input.h"
#include "cli/text_io.h"
#include "columns/save_messages.h"
#include "columns/save_summary.h"
#include "columns/save_to_database.h"
#include "settings/program_database.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/postgres/server_address.h"
#include "workbench/postgres/server_database.h"
#include "workbench/workspace.h"

#include <iostream>
#include <optional>

namespace fieldizer::cli {
namespace {

const ArgumentRules saveRules{{"--in", "--db", "--settings", "--column", "--table", "--target",
                               "--connect", "--if-exists", "--too-long", "--positions",
                               "--encoding"},
                              {"--existing", "--lf"},
                              {"--column"},
                              0};

// Answers the save's questions by the options given; a question no option
// answers ends the run (Cancel) and is shown as the reason.
class ScriptedAnswers final : public UserDialogs {
  public:
    ScriptedAnswers(std::optional<std::string> ifExists, bool skipTooLong,
                    std::optional<std::string> positions)
        : ifExists_(std::move(ifExists)), skipTooLong_(skipTooLong),
          positions_(std::move(positions)) {}

    Answer ask(const Message& question) override {
        namespace id = saveMessages::id;
        if (question.id == id::addToRecords && ifExists_)
            return *ifExists_ == "append" ? Answer::Yes : Answer::No;
        if (question.id == id::laidOut && positions_)
            return *positions_ == "laid-out" ? Answer::Yes : Answer::No;
        if (question.id == id::warnAgain)
            return Answer::No;
        if (question.id == id::valueTooLarge) {
            if (!skipTooLong_)
                printMessage(std::cerr, question.id, question.text);
            return skipTooLong_ ? Answer::Yes : Answer::No;
        }
        unanswered = question;
        return Answer::Cancel;
    }

    void tell(const Message& message) override {
        // With --too-long skip, each refused value would repeat the same
        // report; the count at the end says it once.
        if (skipTooLong_ && message.id == saveMessages::id::valueRefused)
            return;
        printMessage(std::cerr, message.id, message.text);
    }

    Message unanswered;

  private:
    std::optional<std::string> ifExists_;
    bool skipTooLong_;
    std::optional<std::string> positions_;
};

void checkChoice(const ParsedArguments& parsed, const std::string& option,
                 std::initializer_list<const char*> choices) {
    auto value = parsed.option(option);
    if (!value)
        return;
    for (const char* choice : choices)
        if (*value == choice)
            return;
    throw UsageError(option + " takes " + *choices.begin() + " or " + *(choices.begin() + 1) +
                     ", not '" + *value + "'");
}

// A database file, or a server database given by its address; the server's
// login comes from libpq's own means (the address, PGUSER, PGPASSWORD,
// ~/.pgpass, PGSERVICE), never from an argument shown in a process list.
std::shared_ptr<db::RecordTarget> openTarget(const std::string& path, const std::string& connect) {
    if (db::isServerAddress(path)) {
        if (!connect.empty())
            throw UsageError("--connect is for database files: a server database takes its login "
                             "from the address, PGUSER, PGPASSWORD or ~/.pgpass");
        return std::make_shared<db::ServerDatabase>(path);
    }
    refuseAccessFile(path);
    try {
        return db::Workspace().openDatabase(path, connect);
    } catch (const RuntimeError& error) {
        if (error.number() == db::errors::missingFile)
            throw HintedError(error, cliMessageIds::targetMissing, path);
        throw;
    }
}

int exitStatusOf(const SaveOutcome& outcome, const ScriptedAnswers& answers) {
    switch (outcome.status) {
    case SaveStatus::Saved:
    case SaveStatus::Stopped:
        return exitOk;
    case SaveStatus::Refused:
        return exitUsage;
    case SaveStatus::Cancelled:
        printMessage(std::cerr, answers.unanswered.id, answers.unanswered.text);
        return exitUsage;
    case SaveStatus::Aborted:
        break;
    }
    return exitRuntimeError;
}

} // namespace

int runSaveCommand(Args args) {
    const ParsedArguments parsed = parseArguments(args, saveRules);
    checkKeys(parsed.keys, {KeyTab::Database});
    checkChoice(parsed, "--if-exists", {"append", "replace"});
    checkChoice(parsed, "--too-long", {"stop", "skip"});
    checkChoice(parsed, "--positions", {"laid-out", "original"});
    if (!parsed.option("--table"))
        throw UsageError("--table NAME is required");
    if (parsed.flag("--existing") && !parsed.option("--target"))
        throw UsageError("--existing needs --target PATH");
    const ParameterValues values = loadOperationValues(parsed);
    // The input is read whole and converted where it lies: the records are
    // built straight from it.
    const TextInput input = readTextInput(parsed);
    warnOfLfText(input.text(), parsed.flag("--lf"), std::cerr);
    const std::string converted = parsed.flag("--lf") ? lfToCrLf(input.text()) : std::string();
    const std::string_view text = parsed.flag("--lf") ? converted : input.text();

    SaveRequest request;
    request.text = text;
    request.tableName = *parsed.option("--table");
    request.processMethod = textValue(values, "databaseProcessMethod");
    request.delimiter = textValue(values, "databaseDelimiter");
    request.option = !parsed.option("--target")  ? SaveOption::OwnDatabaseNewTable
                     : parsed.flag("--existing") ? SaveOption::ChosenDatabaseTable
                                                 : SaveOption::ChosenDatabaseNewTable;
    // An empty --target names no database: the save refuses it with its own
    // message before anything is opened or read.
    const auto targetPath = parsed.option("--target");
    const bool noTarget = targetPath && targetPath->empty();
    const bool needsSpecs = request.option != SaveOption::ChosenDatabaseTable ||
                            request.processMethod == useColumnSpecsMethod;
    if (needsSpecs && !text.empty() && !noTarget)
        request.specs = columnSpecsOf(parsed);

    std::shared_ptr<db::RecordTarget> database;
    std::filesystem::path dbPath;
    if (targetPath && !noTarget) {
        // Messages name a server database by its address without a password.
        dbPath = db::addressWithoutPassword(*targetPath);
        database = openTarget(*targetPath, parsed.option("--connect").value_or(""));
    } else if (!targetPath && !text.empty()) {
        database = openProgramDatabaseOf(parsed);
        dbPath = parsed.option("--db").value_or(defaultProgramDatabase);
    }
    ScriptedAnswers answers(parsed.option("--if-exists"),
                            parsed.option("--too-long").value_or("stop") == "skip",
                            parsed.option("--positions"));
    QuietObserver observer;
    const SaveOutcome outcome =
        saveToDatabase(request, SaveTarget{database.get(), dbPath}, answers, observer);
    if (hasSaveSummary(outcome))
        std::cerr << terminalText(saveSummary(outcome)) << '\n';
    return exitStatusOf(outcome, answers);
}

} // namespace fieldizer::cli
