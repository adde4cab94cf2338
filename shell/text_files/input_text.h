#pragma once
// The bytes of an input, whole and exact. A regular file is read into memory
// by its size, in large reads straight into the buffer; a file that shrinks
// or grows meanwhile is an error, never a crash or a silent part (a mapped
// file that shrinks would end the program). Anything else (a pipe, a
// terminal, a character device, a /proc file, process substitution) is read
// as a stream to its end, because its size is unknown until then.

#include "text_engine/text_encoding.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace fieldizer::files {

class InputText {
  public:
    // Throws RuntimeError naming the file when it cannot be read, or when it
    // changed while it was read.
    static InputText openFile(const std::filesystem::path& path);
    static InputText standardInput();

    ~InputText();
    InputText(InputText&& other) noexcept;
    InputText& operator=(InputText&&) = delete;
    InputText(const InputText&) = delete;
    InputText& operator=(const InputText&) = delete;

    // Valid while the object lives.
    std::string_view bytes() const { return {bytes_, size_}; }

    // Turns the bytes read into the program's text where they lie, and gives
    // the encoding they were in (text_encoding.h). Throws EncodingError
    // naming `source` for a text the program cannot take; bytes() is then of
    // no use.
    FileEncoding decode(EncodingChoice choice, std::string_view source);

  private:
    InputText() = default;
    static InputText fromDescriptor(int descriptor, const std::filesystem::path& name);
    void readFileOfSize(int descriptor, std::size_t size, const std::filesystem::path& name);
    void readToEnd(int descriptor, const std::filesystem::path& name);
    void reserve(std::size_t capacity);

    // Memory of its own from the system, on huge pages where it has them:
    // page faults on small pages cost more than reading a large file.
    char* bytes_ = nullptr;
    std::size_t capacity_ = 0;
    std::size_t size_ = 0;
};

} // namespace fieldizer::files
