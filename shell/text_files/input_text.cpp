#include "shell/text_files/input_text.h"

#include "text_engine/file_errors.h"
#include "text_engine/memory_failure.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fieldizer::files {
namespace {

// One read() moves at most about 2 GB; larger reads are made of several.
constexpr std::size_t largestRead = std::size_t{1} << 30;

// Reads up to `count` bytes at `into`; fewer only at the end of the input.
std::size_t readSome(int descriptor, char* into, std::size_t count,
                     const std::filesystem::path& name) {
    std::size_t used = 0;
    while (used < count) {
        const ssize_t got = ::read(descriptor, into + used, std::min(count - used, largestRead));
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw fileError(errno, name);
        }
        used += static_cast<std::size_t>(got);
    }
    return used;
}

bool sameState(const struct stat& before, const struct stat& after) {
    return before.st_size == after.st_size && before.st_mtim.tv_sec == after.st_mtim.tv_sec &&
           before.st_mtim.tv_nsec == after.st_mtim.tv_nsec;
}

struct Descriptor {
    int value;
    ~Descriptor() { ::close(value); }
};

} // namespace

InputText::~InputText() {
    if (bytes_ != nullptr)
        ::munmap(bytes_, capacity_);
}

InputText::InputText(InputText&& other) noexcept
    : bytes_(std::exchange(other.bytes_, nullptr)), capacity_(std::exchange(other.capacity_, 0)),
      size_(std::exchange(other.size_, 0)) {}

// Makes room for `capacity` bytes, keeping those read so far.
void InputText::reserve(std::size_t capacity) {
    void* room = bytes_ == nullptr ? ::mmap(nullptr, capacity, PROT_READ | PROT_WRITE,
                                            MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                   : ::mremap(bytes_, capacity_, capacity, MREMAP_MAYMOVE);
    if (room == MAP_FAILED)
        throw outOfMemoryError();
    ::madvise(room, capacity, MADV_HUGEPAGE); // a hint: without huge pages all still works
    bytes_ = static_cast<char*>(room);
    capacity_ = capacity;
}

InputText InputText::openFile(const std::filesystem::path& path) {
    const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0)
        throw fileError(errno, path);
    const Descriptor closer{descriptor};
    return fromDescriptor(descriptor, path);
}

InputText InputText::standardInput() {
    return fromDescriptor(STDIN_FILENO, "standard input");
}

InputText InputText::fromDescriptor(int descriptor, const std::filesystem::path& name) {
    struct stat before {};
    if (::fstat(descriptor, &before) != 0)
        throw fileError(errno, name);
    InputText input;
    if (!S_ISREG(before.st_mode) || before.st_size == 0) {
        input.readToEnd(descriptor, name);
        return input;
    }
    input.readFileOfSize(descriptor, static_cast<std::size_t>(before.st_size), name);
    struct stat after {};
    if (::fstat(descriptor, &after) != 0)
        throw fileError(errno, name);
    if (!sameState(before, after))
        throw fileChangedWhileRead(name);
    return input;
}

// The whole file by the size it had when opened: an end before that size, or
// a byte after it, means that it changed meanwhile.
void InputText::readFileOfSize(int descriptor, std::size_t size,
                               const std::filesystem::path& name) {
    reserve(size);
    size_ = readSome(descriptor, bytes_, size, name);
    char beyond;
    if (size_ != size || readSome(descriptor, &beyond, 1, name) != 0)
        throw fileChangedWhileRead(name);
}

FileEncoding InputText::decode(EncodingChoice choice, std::string_view source) {
    const DecodedText decoded = decodeInPlace(bytes_, size_, choice, source);
    size_ = decoded.size;
    return decoded.encoding;
}

// Reads until the end, whatever size the metadata claims: a /proc file says
// 0 and a pipe says nothing.
void InputText::readToEnd(int descriptor, const std::filesystem::path& name) {
    reserve(std::size_t{1} << 16);
    for (;;) {
        size_ += readSome(descriptor, bytes_ + size_, capacity_ - size_, name);
        if (size_ < capacity_)
            return;
        reserve(capacity_ * 2);
    }
}

} // namespace fieldizer::files
