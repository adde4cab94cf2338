#include "shell/access_import/access_import.h"

#include "text_engine/cp1252.h"
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

bool canWrite(const std::string& folder) {
    return ::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0;
}

// NAME.db, else NAME (2).db, NAME (3).db ... the first name not taken.
fs::path freeName(const fs::path& folder, const std::string& stem) {
    fs::path candidate = folder / (stem + ".db");
    for (int n = 2; taken(candidate); ++n)
        candidate = folder / (stem + " (" + std::to_string(n) + ").db");
    return candidate;
}

std::string shown(const fs::path& path) {
    return utf8ToCp1252(path.string());
}

Message makeCopyQuestion(const std::string& name, const std::optional<fs::path>& elsewhere) {
    std::string where = elsewhere ? "in your documents folder " + shown(*elsewhere) +
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
                    shown(copy) +
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

std::optional<std::string> convert(const std::string& source, const fs::path& copy,
                                   UserDialogs& dialogs, PassObserver& observer) {
    access::ConversionReport report;
    try {
        report = access::convertAccessDatabase(source, shown(copy), observer);
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
                        "The copy is " + shown(copy) + ".\n\n" + access::reportText(report)));
    return shown(copy);
}

#else

std::optional<std::string> convert(const std::string&, const fs::path&, UserDialogs& dialogs,
                                   PassObserver&) {
    dialogs.tell(notice(accessImportIds::cannotRead,
                        "This build of Fieldizer cannot read Access files: it was made without "
                        "libmdb (Debian package mdbtools-dev)."));
    return std::nullopt;
}

#endif

} // namespace

std::string documentsFolder() {
    if (const char* xdg = std::getenv("XDG_DOCUMENTS_DIR"); xdg && *xdg)
        return utf8ToCp1252(xdg);
    const char* home = std::getenv("HOME");
    fs::path base = home && *home ? fs::path(home) : fs::current_path();
    std::error_code error;
    return shown(fs::is_directory(base / "Documents", error) ? base / "Documents" : base);
}

std::optional<std::string> offerAccessCopy(const std::string& path, UserDialogs& dialogs,
                                           PassObserver& observer, CopyFolders folders) {
    const fs::path source(cp1252ToUtf8(path));
    if (!access::isAccessDatabaseFile(source.string()))
        return path;
    std::optional<fs::path> elsewhere;
    auto writable = folders.writable ? folders.writable : canWrite;
    if (!writable(source.parent_path().string()))
        elsewhere = fs::path(cp1252ToUtf8(folders.documents));
    const fs::path folder = elsewhere ? *elsewhere : source.parent_path();
    const std::string stem = source.stem().string();
    if (dialogs.ask(makeCopyQuestion(utf8ToCp1252(stem) + ".db", elsewhere)) != Answer::Yes)
        return std::nullopt;
    const fs::path copy = folder / (stem + ".db");
    if (taken(copy) && dialogs.ask(openExistingQuestion(copy)) == Answer::Yes)
        return shown(copy);
    return convert(path, freeName(folder, stem), dialogs, observer);
}

} // namespace fieldizer
