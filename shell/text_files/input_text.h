#pragma once
// The bytes of an input, whole and exact. A regular file is mapped into
// memory, at no cost of copying it; anything else (a pipe, a terminal, a
// character device, a /proc file, process substitution) is read as a stream
// to its end, because its size is unknown until then.

#include <filesystem>
#include <string>
#include <string_view>

namespace fieldizer::files {

class InputText {
  public:
    // Throws RuntimeError naming the file when it cannot be read.
    static InputText openFile(const std::filesystem::path& path);
    static InputText standardInput();

    ~InputText();
    InputText(InputText&& other) noexcept;
    InputText& operator=(InputText&&) = delete;
    InputText(const InputText&) = delete;
    InputText& operator=(const InputText&) = delete;

    // Valid while the object lives.
    std::string_view bytes() const;

  private:
    InputText() = default;
    static InputText fromDescriptor(int descriptor, const std::filesystem::path& name);

    void* mapped_ = nullptr;
    std::size_t mappedSize_ = 0;
    std::string read_;
};

} // namespace fieldizer::files
