#pragma once
// Reads a file line by line in large chunks, by the splitting rule of
// text_lines.h, without holding the whole file in memory.

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace fieldizer {

class FileLineReader {
  public:
    // Opens the file for reading; throws RuntimeError when it cannot.
    explicit FileLineReader(const std::filesystem::path& path,
                            std::size_t chunkSize = std::size_t{1} << 20);

    std::uint64_t size() const noexcept { return size_; }
    bool atEnd();
    // The next line; valid until the next call. Only call while !atEnd().
    std::string_view next();
    // Bytes consumed so far, line breaks included.
    std::uint64_t position() const noexcept { return consumed_; }

  private:
    void refill();

    struct FileCloser {
        void operator()(std::FILE* file) const { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::filesystem::path path_;
    std::size_t chunkSize_;
    std::uint64_t size_ = 0;
    std::uint64_t consumed_ = 0;
    std::string buffer_;
    std::size_t start_ = 0;   // where the unread part of buffer_ begins
    std::size_t scanned_ = 0; // bytes after start_ known to hold no CR
    bool endOfFile_ = false;
};

} // namespace fieldizer
