#include "cli/access_commands.h"

#include "cli/argument_text.h"
#include "engine/cp1252.h"
#include "engine/runtime_error.h"
#include "workbench/access/access_file_header.h"

#ifdef FIELDIZER_HAVE_ACCESS
#include "workbench/access/access_converter.h"
#endif

#include <filesystem>
#include <iostream>

namespace fieldizer::cli {

AccessDatabaseGiven::AccessDatabaseGiven()
    : std::runtime_error("This is a Microsoft Access database; convert it first with "
                         "fieldizer-cli import-access SOURCE TARGET.") {}

void refuseAccessFile(const std::string& path) {
    if (access::isAccessDatabaseFile(path))
        throw AccessDatabaseGiven();
}

#ifdef FIELDIZER_HAVE_ACCESS

int runImportAccess(Args args) {
    if (args.size() != 2 || args[0].empty() || args[1].empty()) {
        std::cerr << "fieldizer-cli import-access needs SOURCE and TARGET\n";
        return exitUsage;
    }
    std::error_code error;
    if (std::filesystem::exists(std::filesystem::path(args[1]), error) || error) {
        std::cerr << "fieldizer-cli: '" << args[1] << "' already exists; it is not overwritten\n";
        return exitUsage;
    }
    PassObserver quiet; // no window: no progress to show, no Stop
    access::ConversionReport report;
    try {
        report = access::convertAccessDatabase(textArgument(args[0]), textArgument(args[1]), quiet);
    } catch (const RuntimeError& failure) {
        // Names in the description are in the program's character set; the
        // terminal takes UTF-8.
        throw RuntimeError(failure.number(), cp1252ToUtf8(failure.description()));
    }
    std::cerr << cp1252ToUtf8(access::reportText(report));
    return exitOk;
}

#else

int runImportAccess(Args) {
    std::cerr << "fieldizer-cli was built without libmdb (Debian package mdbtools-dev): it "
                 "cannot read Access files\n";
    return exitRuntimeError;
}

#endif

} // namespace fieldizer::cli
