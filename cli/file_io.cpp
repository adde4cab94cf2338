#include "cli/file_io.h"

#include "engine/file_errors.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

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

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes) {
    const std::filesystem::path folder =
        path.has_parent_path() ? path.parent_path() : std::filesystem::path(".");
    std::string name = ".";
    name.append(path.filename().string()).append(".XXXXXX");
    std::string pattern = (folder / name).string();
    const int descriptor = ::mkstemp(pattern.data());
    if (descriptor < 0)
        throw fileError(errno, path);
    ::fchmod(descriptor, outputMode(path));
    File file(::fdopen(descriptor, "wb"));
    if (!file) {
        ::close(descriptor);
        ::unlink(pattern.c_str());
        throw fileError(errno, path);
    }
    try {
        writeAll(file.get(), bytes, path);
        if (std::fclose(file.release()) != 0)
            throw fileError(errno, path);
        std::filesystem::rename(pattern, path);
    } catch (const std::filesystem::filesystem_error& error) {
        ::unlink(pattern.c_str());
        throw fileError(error.code().value(), path);
    } catch (...) {
        ::unlink(pattern.c_str());
        throw;
    }
}

} // namespace fieldizer::cli
