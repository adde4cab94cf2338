// create-database and sql: the program's database from the command line.
// Arguments are converted by the rule of argument_text.h; output goes back
// to the terminal's UTF-8.

#include "cli/argument_text.h"
#include "cli/commands.h"
#include "engine/cp1252.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <filesystem>
#include <iostream>
#include <optional>

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
};

// --db and --connect take a value; the one other argument is the statement,
// taken whole (it may hold '=' and anything else).
std::optional<SqlArguments> parseSqlArguments(Args args, std::string& error) {
    SqlArguments parsed;
    bool haveDb = false, haveStatement = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& argument = args[i];
        if ((argument == "--db" || argument == "--connect") && i + 1 < args.size()) {
            (argument == "--db" ? parsed.db : parsed.connect) = args[++i];
            haveDb = haveDb || argument == "--db";
        } else if (argument == "--db" || argument == "--connect") {
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

void printRows(db::Recordset& rows) {
    for (int i = 0; i < rows.fieldCount(); ++i)
        std::cout << (i ? "\t" : "") << cp1252ToUtf8(rows.field(i).name());
    std::cout << '\n';
    for (; !rows.eof(); rows.moveNext()) {
        for (int i = 0; i < rows.fieldCount(); ++i)
            std::cout << (i ? "\t" : "") << cp1252ToUtf8(rows.value(i).toText());
        std::cout << '\n';
    }
}

void runStatement(const SqlArguments& parsed) {
    auto database =
        db::Workspace().openDatabase(textArgument(parsed.db), textArgument(parsed.connect));
    std::string statement = textArgument(parsed.statement);
    if (database->returnsRecords(statement)) {
        db::Recordset rows = database->openRecordset(statement, db::RecordsetType::Snapshot);
        printRows(rows);
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
    db::createFieldizerDatabase(textArgument(args[0]));
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
        throw RuntimeError(failure.number(), cp1252ToUtf8(failure.description()));
    }
    return exitOk;
}

} // namespace fieldizer::cli
