// create-database and sql: the program's database from the command line.
// Arguments are converted by the rule of argument_text.h; output goes back
// to the terminal's UTF-8.

#include "cli/access_commands.h"
#include "cli/argument_text.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/message_hints.h"
#include "cli/text_io.h"
#include "shell/text_files/file_sync.h"
#include "shell/text_files/temporary_files.h"
#include "text_engine/cp1252.h"
#include "text_engine/database_error_numbers.h"
#include "workbench/csv_export.h"
#include "workbench/database_engine/field_type.h"
#include "workbench/database_engine/query_defs.h"
#include "workbench/database_engine/table_def.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <filesystem>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace fieldizer::cli {
namespace {

int usage(const std::string& message) {
    std::cerr << "fieldizer-cli: " << message << " (see fieldizer-cli --help)\n";
    return exitUsage;
}

struct SqlArguments {
    std::string db;
    std::string connect;
    std::string statement;
    std::vector<std::pair<std::string, std::string>> parameters; // --param NAME=VALUE
    bool csv = false;                                            // --csv: rows as CSV
};

bool takesValue(const std::string& argument) {
    return argument == "--db" || argument == "--connect" || argument == "--param";
}

// NAME=VALUE of a --param; false when there is no '=' or no name.
bool addParameter(SqlArguments& parsed, const std::string& text) {
    const auto equals = text.find('=');
    if (equals == 0 || equals == std::string::npos)
        return false;
    parsed.parameters.emplace_back(text.substr(0, equals), text.substr(equals + 1));
    return true;
}

// --db, --connect and --param take a value; the one other argument is the
// statement, taken whole (it may hold '=' and anything else).
std::optional<SqlArguments> parseSqlArguments(Args args, std::string& error) {
    SqlArguments parsed;
    bool haveDb = false, haveStatement = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& argument = args[i];
        if (argument == "--csv") {
            parsed.csv = true;
        } else if (argument == "--param" && i + 1 < args.size()) {
            if (!addParameter(parsed, args[++i])) {
                error = "--param takes NAME=VALUE, not '" + args[i] + "'";
                return std::nullopt;
            }
        } else if (takesValue(argument) && i + 1 < args.size()) {
            (argument == "--db" ? parsed.db : parsed.connect) = args[++i];
            haveDb = haveDb || argument == "--db";
        } else if (takesValue(argument)) {
            error = "option '" + argument + "' needs a value";
            return std::nullopt;
        } else if (!haveStatement) {
            parsed.statement = argument;
            haveStatement = true;
        } else {
            error = "unexpected argument '" + argument + "'";
            return std::nullopt;
        }
    }
    if (!haveDb || !haveStatement) {
        error = "sql needs --db PATH and one STATEMENT";
        return std::nullopt;
    }
    return parsed;
}

// Standard output takes the CSV in the writer's pieces.
class StandardOutput final : public PassOutput {
  public:
    void write(std::string_view bytes) override {
        std::cout.write(bytes.data(), std::streamsize(bytes.size()));
    }
};

void printRows(db::Recordset& rows, bool csv) {
    if (csv) {
        StandardOutput output;
        QuietObserver quiet;
        db::exportCsv(rows, output, quiet);
        std::cout.flush();
        return;
    }
    for (int i = 0; i < rows.fieldCount(); ++i)
        std::cout << (i ? "\t" : "") << cp1252ToUtf8(rows.field(i).name());
    std::cout << '\n';
    for (; !rows.eof(); rows.moveNext()) {
        for (int i = 0; i < rows.fieldCount(); ++i)
            std::cout << (i ? "\t" : "")
                      << cp1252ToUtf8(db::displayText(rows.value(i), rows.field(i).type()));
        std::cout << '\n';
    }
}

// Rows printed once from first to last need no way back: a forward-only
// recordset holds one row at a time, whatever the table's size.
db::RecordsetType readingType(const SqlArguments& parsed) {
    return parsed.csv ? db::RecordsetType::ForwardOnly : db::RecordsetType::Snapshot;
}

// The statement as a temporary query, so that its parameters (declared, or
// names that are no fields) take the --param values.
db::QueryDef parameterQuery(db::Database& database, const std::string& statement,
                            const SqlArguments& parsed) {
    db::QueryDef query = database.createQueryDef({}, statement);
    for (const auto& [name, value] : parsed.parameters) {
        const std::string programName = textArgument(name);
        bool declared = false;
        for (int i = 0; i < query.parameterCount(); ++i)
            declared = declared || db::sameName(query.parameter(i).name, programName);
        if (!declared)
            throw UsageError("--param " + name + ": the statement has no such parameter");
        query.parameter(programName).value = db::Value(textArgument(value));
    }
    return query;
}

void runStatement(const SqlArguments& parsed) {
    refuseAccessFile(parsed.db);
    auto database = db::Workspace().openDatabase(parsed.db, textArgument(parsed.connect));
    std::string statement = textArgument(parsed.statement);
    const bool select = database->returnsRecords(statement);
    if (!parsed.parameters.empty()) {
        db::QueryDef query = parameterQuery(*database, statement, parsed);
        if (select) {
            db::Recordset rows = query.openRecordset(readingType(parsed));
            printRows(rows, parsed.csv);
        } else {
            std::cout << query.execute() << '\n';
        }
    } else if (select) {
        db::Recordset rows = database->openRecordset(statement, readingType(parsed));
        printRows(rows, parsed.csv);
    } else {
        std::cout << database->execute(statement) << '\n';
    }
    database->close();
}

} // namespace

int runCreateDatabase(Args args) {
    if (args.size() != 1 || args[0].empty())
        return usage("create-database needs one PATH");
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::path(args[0]), error) || error) {
        std::cerr << "fieldizer-cli: '" << args[0] << "' already exists; it is not overwritten\n";
        return exitUsage;
    }
    // The database is built under a temporary name beside the file (and
    // SQLite's journal beside that) and then linked to it: an interrupted run
    // removes them.
    const std::filesystem::path temporary = db::newDatabaseTemporaryName(args[0]);
    const files::TemporaryRegistration building(temporary);
    const files::TemporaryRegistration journal(temporary.native() + "-journal");
    db::createFieldizerDatabase(args[0]);
    // The new file and its entry in the folder reach the disk before the
    // command says it is done.
    files::syncFile(args[0]);
    files::syncFolderOf(args[0]);
    return exitOk;
}

int runSql(Args args) {
    std::string error;
    auto parsed = parseSqlArguments(args, error);
    if (!parsed)
        return usage(error);
    try {
        runStatement(*parsed);
    } catch (const RuntimeError& failure) {
        // The layer describes names in the program's character set; the
        // terminal takes UTF-8.
        const RuntimeError shown(failure.number(), cp1252ToUtf8(failure.description()));
        if (failure.number() == db::errors::tooFewParameters)
            throw HintedError(shown, cliMessageIds::parameterMissing);
        throw shown;
    }
    return exitOk;
}

} // namespace fieldizer::cli
