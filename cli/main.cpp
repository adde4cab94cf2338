#include "cli/access_commands.h"
#include "cli/arguments.h"
#include "cli/commands.h"
#include "cli/message_hints.h"
#include "shell/text_files/temporary_files.h"
#include "text_engine/runtime_error.h"

#include <exception>
#include <iostream>
#include <vector>

using namespace fieldizer;

namespace {

int dispatch(const std::string& command, cli::Args args) {
    if (command == "--help" || command == "-h" || command == "help") {
        cli::printHelp();
        return cli::exitOk;
    }
    if (cli::isTextOperation(command))
        return cli::runTextOperation(command, args);
    if (command == "create-database")
        return cli::runCreateDatabase(args);
    if (command == "sql")
        return cli::runSql(args);
    if (command == "fieldize")
        return cli::runFieldize(args);
    if (command == "save")
        return cli::runSave(args);
    if (command == "settings")
        return cli::runSettings(args);
    if (command == "columns")
        return cli::runColumns(args);
    if (command == "import-access")
        return cli::runImportAccess(args);
    std::cerr << "fieldizer-cli: unknown operation '" << command
              << "' (see fieldizer-cli --help)\n";
    return cli::exitUsage;
}

} // namespace

int main(int argc, char** argv) {
    // Ctrl-C or a kill during a write leaves no temporary file behind.
    files::removeTemporariesOnSignals();
    if (argc < 2) {
        cli::printHelp();
        return cli::exitUsage;
    }
    std::vector<std::string> args(argv + 2, argv + argc);
    try {
        return dispatch(argv[1], args);
    } catch (const cli::UsageError& error) {
        // Bad arguments, or an unknown --settings set.
        std::cerr << "fieldizer-cli " << argv[1] << ": " << error.what() << '\n';
        return cli::exitUsage;
    } catch (const cli::AccessDatabaseGiven& refused) {
        std::cerr << refused.what() << '\n';
        return cli::exitUsage;
    } catch (const cli::HintedError& error) {
        std::cerr << errorReportText(error) << '\n';
        if (auto hint = error.hint())
            std::cerr << *hint << '\n';
        return cli::exitRuntimeError;
    } catch (const RuntimeError& error) {
        const std::string report = errorReportText(error);
        std::cerr << report << '\n';
        // The fixed texts of these file errors do not say which file.
        if ((error.number() == errors::permissionDenied ||
             error.number() == errors::pathFileAccess) &&
            error.description() != report)
            std::cerr << error.description() << '\n';
        return cli::exitRuntimeError;
    } catch (const std::bad_alloc&) {
        std::cerr << "Out of memory\n";
        return cli::exitRuntimeError;
    } catch (const std::exception& error) {
        std::cerr << error.what() << '\n';
        return cli::exitRuntimeError;
    }
}
