#pragma once
// What the program does when the user chooses a Microsoft Access file as a
// database: it offers to work on a copy of its tables in the program's own
// format, makes the copy (never over an existing file, never touching the
// Access file) and names the file to open instead. The window calls this
// with the chosen path before it opens anything.

#include "text_engine/processing_pass.h"
#include "text_engine/user_dialogs.h"

#include <filesystem>
#include <functional>
#include <optional>
#include <string>

namespace fieldizer {

namespace accessImportIds {
inline constexpr MessageId makeCopy{"accessImport.makeCopy"};
inline constexpr MessageId openExistingCopy{"accessImport.openExistingCopy"};
inline constexpr MessageId report{"accessImport.report"};
inline constexpr MessageId stopped{"accessImport.stopped"};
inline constexpr MessageId cannotRead{"accessImport.cannotRead"};
inline constexpr MessageId damaged{"accessImport.damaged"};
} // namespace accessImportIds

// The user's documents folder: $XDG_DOCUMENTS_DIR, else ~/Documents when it
// exists, else the home folder.
std::filesystem::path documentsFolder();

// Where copies may go: the documents folder, and the test of whether a
// folder can be written (access(2) by default).
struct CopyFolders {
    std::filesystem::path documents = documentsFolder();
    std::function<bool(const std::filesystem::path& folder)> writable;
};

// `path` itself when it is no Access file. For an
// Access file: asks whether to make the copy NAME.db beside it (in the
// documents folder when its own cannot be written, saying so); No gives
// nothing. When the copy exists, asks whether to open it as it is (Yes: its
// path) or convert again into a new name (No). Converts with progress and
// Stop through `observer`, shows the report and gives the copy's path;
// Stop gives nothing. A damaged file is told with what was found in it and
// gives nothing; other conversion errors are thrown (RuntimeError). No copy
// is left behind by either.
std::optional<std::filesystem::path> offerAccessCopy(const std::filesystem::path& path,
                                                     UserDialogs& dialogs, PassObserver& observer,
                                                     CopyFolders folders = {});

} // namespace fieldizer
