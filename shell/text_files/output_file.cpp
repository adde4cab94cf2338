#include "shell/text_files/output_file.h"

#include "shell/text_files/file_sync.h"
#include "text_engine/file_errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fieldizer::files {
namespace {

// Follows symbolic links to the file they lead to, which may not exist yet.
std::filesystem::path followLinks(std::filesystem::path path) {
    for (int depth = 0; depth < 40; ++depth) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::error_code error;
        const std::filesystem::path link = std::filesystem::read_symlink(path, error);
        if (error)
            throw fileError(error.value(), path);
        path = link.is_absolute() ? link : path.parent_path() / link;
    }
    throw fileError(ELOOP, path);
}

// mkstemp makes the file private; the output gets the mode of the file it
// replaces, or what the user's umask gives a new file.
mode_t outputMode(const std::filesystem::path& path) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0)
        return existing.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// A file that may not be written is refused: the rename would go around its
// mode and replace it. No write permission at all is a read-only file, which
// even the superuser's saves leave alone.
void refuseReadOnly(const std::filesystem::path& target, const struct stat& status) {
    if ((status.st_mode & 0222) == 0)
        throw fileError(EACCES, target);
    if (::access(target.c_str(), W_OK) != 0)
        throw fileError(errno, target);
}

bool isReplaceable(const std::filesystem::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0)
        return true; // nothing there yet (or unreachable: the temporary file will say why)
    if (!S_ISREG(status.st_mode))
        return false;
    refuseReadOnly(target, status);
    return true;
}

} // namespace

OutputFile::OutputFile(const std::filesystem::path& path) : target_(followLinks(path)) {
    if (isReplaceable(target_))
        openTemporaryBeside(target_);
    else
        openStraight(target_);
}

OutputFile OutputFile::standardOutput() {
    OutputFile output;
    output.file_ = stdout;
    output.ownsFile_ = false;
    output.target_ = "standard output";
    return output;
}

void OutputFile::openTemporaryBeside(const std::filesystem::path& target) {
    removeStaleTemporariesBeside(target);
    temporary_ = temporaryTemplateBeside(target);
    int descriptor = -1;
    {
        const SignalsHeld held;
        descriptor = ::mkstemp(temporary_.data());
        if (descriptor >= 0)
            registration_.emplace(temporary_);
    }
    if (descriptor < 0)
        throw fileError(errno, target);
    ::fchmod(descriptor, outputMode(target));
    file_ = ::fdopen(descriptor, "wb");
    if (file_ == nullptr) {
        const int error = errno;
        ::close(descriptor);
        ::unlink(temporary_.c_str());
        throw fileError(error, target);
    }
}

void OutputFile::openStraight(const std::filesystem::path& target) {
    const int descriptor = ::open(target.c_str(), O_WRONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw fileError(errno, target);
    file_ = ::fdopen(descriptor, "wb");
    if (file_ == nullptr) {
        const int error = errno;
        ::close(descriptor);
        throw fileError(error, target);
    }
}

OutputFile::~OutputFile() {
    if (file_ != nullptr && ownsFile_) {
        std::fclose(file_);
        if (!temporary_.empty())
            ::unlink(temporary_.c_str());
    }
    registration_.reset();
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)), ownsFile_(other.ownsFile_),
      target_(std::move(other.target_)), temporary_(std::move(other.temporary_)),
      registration_(std::move(other.registration_)) {
    other.registration_.reset();
}

void OutputFile::write(std::string_view bytes) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size())
        throw fileError(errno, target_);
}

void OutputFile::commit() {
    std::FILE* file = std::exchange(file_, nullptr);
    if (!ownsFile_) {
        if (std::fflush(file) != 0)
            throw fileError(errno, target_);
        return;
    }
    if (temporary_.empty()) {
        if (std::fclose(file) != 0)
            throw fileError(errno, target_);
        return;
    }
    try {
        // The bytes reach the disk before the name moves to them, and the
        // folder's new entry after: a power cut leaves the old file or the
        // new one.
        if (std::fflush(file) != 0)
            throw fileError(errno, target_);
        syncDescriptor(::fileno(file), target_);
        if (std::fclose(std::exchange(file, nullptr)) != 0 ||
            std::rename(temporary_.c_str(), target_.c_str()) != 0)
            throw fileError(errno, target_);
    } catch (...) {
        if (file != nullptr)
            std::fclose(file);
        ::unlink(temporary_.c_str());
        registration_.reset();
        throw;
    }
    registration_.reset();
    syncFolderOf(target_);
}

} // namespace fieldizer::files
