#include "cli/access_commands.h"

#include "cli/argument_text.h"
#include "cli/signal_stop.h"
#include "text_engine/cp1252.h"
#include "text_engine/runtime_error.h"
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

namespace {

// The error report's text, and the error's own description when that says
// more: the fixed text of a damaged file does not say what was found in it.
// Names in the description are in the program's character set; the terminal
// takes UTF-8.
void reportFailure(const RuntimeError& failure) {
    const std::string report = errorReportText(failure);
    std::cerr << cp1252ToUtf8(report) << '\n';
    if (failure.description() != report)
        std::cerr << cp1252ToUtf8(failure.description()) << '\n';
}

} // namespace

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
    SignalStop stop; // no window: no progress to show; Ctrl-C is Stop
    access::ConversionReport report;
    try {
        report = access::convertAccessDatabase(args[0], args[1], stop);
    } catch (const RuntimeError& failure) {
        reportFailure(failure);
        return exitRuntimeError;
    }
    std::cerr << cp1252ToUtf8(access::reportText(report));
    if (report.stopped)
        stop.endBySignal();
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
