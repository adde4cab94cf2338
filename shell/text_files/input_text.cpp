#include "shell/text_files/input_text.h"

#include "engine/file_errors.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fieldizer::files {
namespace {

// Reads until the end, whatever size the metadata claims: a /proc file says
// 0 and a pipe says nothing.
std::string readToEnd(int descriptor, const std::filesystem::path& name) {
    std::string bytes(std::size_t{1} << 16, '\0');
    std::size_t used = 0;
    for (;;) {
        if (used == bytes.size())
            bytes.resize(bytes.size() * 2);
        const ssize_t got = ::read(descriptor, bytes.data() + used, bytes.size() - used);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw fileError(errno, name);
        }
        used += static_cast<std::size_t>(got);
    }
    bytes.resize(used);
    return bytes;
}

struct Descriptor {
    int value;
    bool owned;
    ~Descriptor() {
        if (owned)
            ::close(value);
    }
};

} // namespace

InputText InputText::openFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw fileError(errno, path);
    const Descriptor closer{descriptor, true};
    return fromDescriptor(descriptor, path);
}

InputText InputText::standardInput() {
    return fromDescriptor(STDIN_FILENO, "standard input");
}

InputText InputText::fromDescriptor(int descriptor, const std::filesystem::path& name) {
    struct stat status {};
    if (::fstat(descriptor, &status) != 0)
        throw fileError(errno, name);
    InputText input;
    if (S_ISREG(status.st_mode) && status.st_size > 0) {
        const auto size = static_cast<std::size_t>(status.st_size);
        void* data = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, descriptor, 0);
        if (data != MAP_FAILED) {
            input.mapped_ = data;
            input.mappedSize_ = size;
            return input;
        }
        // A file system that cannot map still reads.
    }
    input.read_ = readToEnd(descriptor, name);
    return input;
}

InputText::~InputText() {
    if (mapped_ != nullptr)
        ::munmap(mapped_, mappedSize_);
}

InputText::InputText(InputText&& other) noexcept
    : mapped_(std::exchange(other.mapped_, nullptr)),
      mappedSize_(std::exchange(other.mappedSize_, 0)), read_(std::move(other.read_)) {}

std::string_view InputText::bytes() const {
    if (mapped_ != nullptr)
        return {static_cast<const char*>(mapped_), mappedSize_};
    return read_;
}

} // namespace fieldizer::files
