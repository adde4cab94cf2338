#pragma once
// The file, printer and input dialogs the program shows. Like UserDialogs,
// logic asks through this interface: the windows answer with real dialogs,
// the tests by script.

#include <filesystem>
#include <optional>
#include <string>

namespace fieldizer {

inline constexpr const char* textFileFilter = "Text files (*.txt)|*.txt|All files (*.*)|*.*";
inline constexpr const char* databaseFileFilter =
    "Microsoft database (*.mdb)|*.mdb|All files (*.*)|*.*";

struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::string title;
    // "Description|pattern|Description|pattern", as the filters above.
    std::string filter = textFileFilter;
    // The file the dialog starts on; empty: none.
    std::filesystem::path initialPath = {};
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // The chosen file's full path as the file system names it (never
    // converted as text), or empty on Cancel. A save dialog asks before it
    // names an existing file; an open dialog names only files that exist.
    virtual std::filesystem::path chooseFile(const FileDialogRequest& request) = 0;
    // An input box: the text typed, or nothing on Cancel.
    virtual std::optional<std::string>
    inputText(const std::string& prompt, const std::string& title, const std::string& initial) = 0;
};

} // namespace fieldizer
