#include "cli/file_io.h"

#include "engine/file_errors.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fieldizer::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

std::string readAll(std::FILE* file, const std::filesystem::path& path) {
    std::string bytes;
    char chunk[1 << 16];
    std::size_t got;
    while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0)
        bytes.append(chunk, got);
    if (std::ferror(file))
        throw fileError(errno, path);
    return bytes;
}

void writeAll(std::FILE* file, std::string_view bytes, const std::filesystem::path& path) {
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size())
        throw fileError(errno, path);
    if (std::fflush(file) != 0)
        throw fileError(errno, path);
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

} // namespace

std::string readWholeFile(const std::filesystem::path& path) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        throw fileError(errno, path);
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    std::string bytes;
    if (!error)
        bytes.reserve(size);
    bytes += readAll(file.get(), path);
    return bytes;
}

std::string readStandardInput() {
    return readAll(stdin, "standard input");
}

void writeStandardOutput(std::string_view bytes) {
    writeAll(stdout, bytes, "standard output");
}

AtomicFileWriter::AtomicFileWriter(std::filesystem::path path) : path_(std::move(path)) {
    const std::filesystem::path folder =
        path_.has_parent_path() ? path_.parent_path() : std::filesystem::path(".");
    std::string name = ".";
    name.append(path_.filename().string()).append(".XXXXXX");
    temporary_ = (folder / name).string();
    const int descriptor = ::mkstemp(temporary_.data());
    if (descriptor < 0)
        throw fileError(errno, path_);
    ::fchmod(descriptor, outputMode(path_));
    file_ = ::fdopen(descriptor, "wb");
    if (file_ == nullptr) {
        const int error = errno;
        ::close(descriptor);
        ::unlink(temporary_.c_str());
        throw fileError(error, path_);
    }
}

AtomicFileWriter::~AtomicFileWriter() {
    if (file_ != nullptr) {
        std::fclose(file_);
        ::unlink(temporary_.c_str());
    }
}

void AtomicFileWriter::write(std::string_view bytes) {
    writeAll(file_, bytes, path_);
}

void AtomicFileWriter::commit() {
    std::FILE* file = std::exchange(file_, nullptr);
    if (std::fclose(file) != 0 || std::rename(temporary_.c_str(), path_.c_str()) != 0) {
        const int error = errno;
        ::unlink(temporary_.c_str());
        throw fileError(error, path_);
    }
}

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    AtomicFileWriter writer(path);
    writer.write(bytes);
    writer.commit();
}

} // namespace fieldizer::cli
