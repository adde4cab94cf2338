#include "engine/file_errors.h"

#include <cerrno>

namespace fieldizer {

RuntimeError fileError(int errnoValue, const std::filesystem::path& path) {
    switch (errnoValue) {
    case ENOENT:
        return RuntimeError(errors::fileNotFound, "File not found: " + path.string());
    case EACCES:
    case EPERM:
    case EROFS:
        return RuntimeError(errors::permissionDenied, "Permission denied");
    case ENOSPC:
        return RuntimeError(61, "Disk full");
    case ENOMEM:
        return RuntimeError(errors::outOfMemory, "Out of memory");
    default:
        return RuntimeError(errors::pathFileAccess, "Path/File access error");
    }
}

} // namespace fieldizer
