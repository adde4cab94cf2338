#include "shell/text_files/output_file.h"

#include "engine/file_errors.h"

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

bool isReplaceable(const std::filesystem::path& target) {
    struct stat status {};
    if (::stat(target.c_str(), &status) != 0)
        return true; // nothing there yet (or unreachable: the temporary file will say why)
    return S_ISREG(status.st_mode);
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
    const std::filesystem::path folder =
        target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
    temporary_ = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
    const int descriptor = ::mkstemp(temporary_.data());
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
}

OutputFile::OutputFile(OutputFile&& other) noexcept
    : file_(std::exchange(other.file_, nullptr)), ownsFile_(other.ownsFile_),
      target_(std::move(other.target_)), temporary_(std::move(other.temporary_)) {}

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
    const bool closed = std::fclose(file) == 0;
    if (temporary_.empty()) {
        if (!closed)
            throw fileError(errno, target_);
        return;
    }
    if (!closed || std::rename(temporary_.c_str(), target_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary_.c_str());
        throw fileError(error, target_);
    }
}

} // namespace fieldizer::files
