#pragma once
// Input and output of the command line, byte for byte.

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace fieldizer::cli {

std::string readWholeFile(const std::filesystem::path& path);

// A file's bytes mapped into memory read-only: the whole text at no cost of
// copying it. The bytes stay valid while the object lives.
class MappedFile {
  public:
    explicit MappedFile(const std::filesystem::path& path);
    ~MappedFile();
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    std::string_view bytes() const { return {static_cast<const char*>(data_), size_}; }

  private:
    void* data_ = nullptr;
    std::size_t size_ = 0;
};
std::string readStandardInput();

// Writes a file through a temporary file beside it that is renamed over it
// by commit(), so that the file is either left as it was or holds all that
// was written. Without commit() the temporary file is removed.
class AtomicFileWriter {
  public:
    explicit AtomicFileWriter(std::filesystem::path path);
    ~AtomicFileWriter();
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

    void write(std::string_view bytes);
    void commit();

  private:
    std::filesystem::path path_;
    std::string temporary_;
    std::FILE* file_ = nullptr;
};

void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);
void writeStandardOutput(std::string_view bytes);

} // namespace fieldizer::cli
