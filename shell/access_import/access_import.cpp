#include "shell/access_import/access_import.h"

#include "text_engine/display_path.h"
#include "text_engine/runtime_error.h"
#include "workbench/access/access_file_header.h"

#ifdef FIELDIZER_HAVE_ACCESS
#include "workbench/access/access_converter.h"
#include "workbench/database_engine/engine_errors.h"
#endif

#include <cstdlib>
#include <filesystem>
#include <unistd.h>

namespace fieldizer {
namespace {

namespace fs = std::filesystem;

bool taken(const fs::path& path) {
    std::error_code error;
    return fs::exists(path, error) || error; // unknown counts as taken
}

bool canWrite(const fs::path& folder) {
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

// NAME.db, else NAME (2).db, NAME (3).db ... the first name not taken.
fs::path freeName(const fs::path& folder, const std::string& stem) {
    fs::path candidate = folder / (stem + ".db");
    for (int n = 2; taken(candidate); ++n)
        candidate = folder / (stem + " (" + std::to_string(n) + ").db");
    return candidate;
}

Message makeCopyQuestion(const std::string& name, const std::optional<fs::path>& elsewhere) {
    std::string where = elsewhere ? "in your documents folder " + displayPath(*elsewhere) +
                                        " (its own folder cannot be written)"
                                  : "beside it";
    return question(accessImportIds::makeCopy,
                    "This is a Microsoft Access database. Fieldizer works on a copy of its "
                    "tables in its own format, saved as " +
                        name + " " + where +
                        "; the original stays unchanged. Make the copy and open it?",
                    Buttons::YesNo, Icon::Question, Answer::Yes);
}

Message openExistingQuestion(const fs::path& copy) {
    return question(accessImportIds::openExistingCopy,
                    displayPath(copy) +
                        " already exists. Open it as it is?\n\nYes opens it; No makes a new "
                        "copy under another name. Nothing is overwritten.",
                    Buttons::YesNo, Icon::Question, Answer::Yes);
}

#ifdef FIELDIZER_HAVE_ACCESS

// The error report's fixed text for a damaged file does not say what the
// reader found in it: the message gives both.
Message damagedFileNotice(const RuntimeError& failure) {
    return notice(accessImportIds::damaged,
                  errorReportText(failure) + "\n\n" + failure.description());
}

std::optional<fs::path> convert(const fs::path& source, const fs::path& copy, UserDialogs& dialogs,
                                PassObserver& observer) {
    access::ConversionReport report;
    try {
        report = access::convertAccessDatabase(source, copy, observer);
    } catch (const RuntimeError& failure) {
        if (failure.number() != db::errors::unrecognizedFormat)
            throw;
        dialogs.tell(damagedFileNotice(failure));
        return std::nullopt;
    }
    if (report.stopped) {
        dialogs.tell(notice(accessImportIds::stopped, access::reportText(report)));
        return std::nullopt;
    }
    dialogs.tell(notice(accessImportIds::report,
                        "The copy is " + displayPath(copy) + ".\n\n" + access::reportText(report)));
    return copy;
}

#else

std::optional<fs::path> convert(const fs::path&, const fs::path&, UserDialogs& dialogs,
                                PassObserver&) {
    dialogs.tell(notice(accessImportIds::cannotRead,
                        "This build of Fieldizer cannot read Access files: it was made without "
                        "libmdb (Debian package mdbtools-dev)."));
    return std::nullopt;
}

#endif

} // namespace

fs::path documentsFolder() {
    if (const char* xdg = std::getenv("XDG_DOCUMENTS_DIR"); xdg && *xdg)
        return xdg;
    const char* home = std::getenv("HOME");
    fs::path base = home && *home ? fs::path(home) : fs::current_path();
    std::error_code error;
    return fs::is_directory(base / "Documents", error) ? base / "Documents" : base;
}

std::optional<fs::path> offerAccessCopy(const fs::path& source, UserDialogs& dialogs,
                                        PassObserver& observer, CopyFolders folders) {
    if (!access::isAccessDatabaseFile(source))
        return source;
    std::optional<fs::path> elsewhere;
    auto writable = folders.writable ? folders.writable : canWrite;
    if (!writable(source.parent_path()))
        elsewhere = folders.documents;
    const fs::path folder = elsewhere ? *elsewhere : source.parent_path();
    const std::string stem = source.stem().string();
    if (dialogs.ask(makeCopyQuestion(displayPath(stem + ".db"), elsewhere)) != Answer::Yes)
        return std::nullopt;
    const fs::path copy = folder / (stem + ".db");
    if (taken(copy) && dialogs.ask(openExistingQuestion(copy)) == Answer::Yes)
        return copy;
    return convert(source, freeName(folder, stem), dialogs, observer);
}

} // namespace fieldizer
