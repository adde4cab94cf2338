#include "cli/file_io.h"

#include "engine/file_errors.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <memory>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fieldizer::cli {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// Reads straight into the string: sized by the file when it has a size,
// else grown as needed.
std::string readAll(std::FILE* file, const std::filesystem::path& path, std::size_t expected = 0) {
    std::string bytes(expected + 1, '\0'); // one more byte tells that the end was reached
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(std::max(bytes.size() * 2, std::size_t{1} << 20));
        const std::size_t got = std::fread(bytes.data() + used, 1, bytes.size() - used, file);
        used += got;
        if (got == 0)
            break;
    }
    if (std::ferror(file))
        throw fileError(errno, path);
    bytes.resize(used);
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
    return readAll(file.get(), path, error ? 0 : static_cast<std::size_t>(size));
}

MappedFile::MappedFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY);
    if (descriptor < 0)
        throw fileError(errno, path);
    struct stat status {};
    if (::fstat(descriptor, &status) != 0) {
        const int error = errno;
        ::close(descriptor);
        throw fileError(error, path);
    }
    size_ = static_cast<std::size_t>(status.st_size);
    if (size_ > 0) {
        data_ = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
        if (data_ == MAP_FAILED) {
            const int error = errno;
            ::close(descriptor);
            data_ = nullptr;
            throw fileError(error, path);
        }
    }
    ::close(descriptor);
}

MappedFile::~MappedFile() {
    if (data_ != nullptr)
        ::munmap(data_, size_);
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
