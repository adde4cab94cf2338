#include "shell/text_files/file_sync.h"

#include "text_engine/file_errors.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace fieldizer::files {
namespace {

struct Descriptor {
    int value;
    ~Descriptor() { ::close(value); }
};

} // namespace

void syncDescriptor(int descriptor, const std::filesystem::path& name) {
    while (::fsync(descriptor) != 0) {
        if (errno != EINTR)
            throw fileError(errno, name);
    }
}

void syncFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw fileError(errno, path);
    const Descriptor closer{descriptor};
    syncDescriptor(descriptor, path);
}

void syncFolderOf(const std::filesystem::path& path) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    const int descriptor = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor < 0)
        throw fileError(errno, folder);
    const Descriptor closer{descriptor};
    while (::fsync(descriptor) != 0) {
        if (errno == EINVAL) // no sync for folders on this file system
            return;
        if (errno != EINTR)
            throw fileError(errno, folder);
    }
}

} // namespace fieldizer::files
