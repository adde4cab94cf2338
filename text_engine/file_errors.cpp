#include "text_engine/file_errors.h"

#include "text_engine/memory_failure.h"

#include <cerrno>
#include <cstring>
#include <system_error>

namespace fieldizer {
namespace {

// A path whose folder is missing is not a missing file: the user must make
// the folder, not find the file.
bool folderIsMissing(const std::filesystem::path& path) {
    if (!path.has_parent_path())
        return false;
    std::error_code error;
    return !std::filesystem::is_directory(path.parent_path(), error);
}

// The error report's fixed texts for 70 and 75 do not say which file; the
// description does, with the system's own word for the cause.
std::string fileAndCause(const std::filesystem::path& path, int errnoValue) {
    return path.string() + ": " + std::strerror(errnoValue);
}

} // namespace

RuntimeError fileError(int errnoValue, const std::filesystem::path& path) {
    switch (errnoValue) {
    case ENOENT:
    case ENOTDIR:
        if (folderIsMissing(path))
            return RuntimeError(errors::pathNotFound,
                                "Path not found: " + path.parent_path().string());
        return RuntimeError(errors::fileNotFound, "File not found: " + path.string());
    case EACCES:
    case EPERM:
    case EROFS:
        return RuntimeError(errors::permissionDenied, fileAndCause(path, errnoValue));
    case ENOSPC:
        return RuntimeError(errors::diskFull, "Disk full: " + path.string());
    case ENOMEM:
        return outOfMemoryError();
    default:
        return RuntimeError(errors::pathFileAccess, fileAndCause(path, errnoValue));
    }
}

RuntimeError fileChangedWhileRead(const std::filesystem::path& path) {
    return RuntimeError(errors::inputPastEndOfFile,
                        path.string() + ": the file changed while it was read");
}

} // namespace fieldizer
