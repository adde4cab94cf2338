#pragma once
// Where a result is written: a file, safely, or standard output.

#include "shell/text_files/temporary_files.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace fieldizer::files {

class OutputFile {
  public:
    // Writes the file at `path`. A symbolic link is followed to its target.
    // A regular file, or a new one, is written through a temporary file
    // beside it (temporary_files.h) that commit() syncs to the disk and
    // renames over it, so that it holds either its former bytes or all that
    // was written, never a part, even after a power cut. A file that may not
    // be written (read-only) is refused with error 70. Anything else found
    // there (a device such as /dev/null, a FIFO) cannot be replaced without
    // harm, so it is written straight into. Throws RuntimeError naming the
    // file and the cause.
    explicit OutputFile(const std::filesystem::path& path);
    // Standard output, written straight into.
    static OutputFile standardOutput();

    // Without commit() a temporary file is removed and the target left as it was.
    ~OutputFile();
    OutputFile(OutputFile&& other) noexcept;
    OutputFile& operator=(OutputFile&&) = delete;
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void write(std::string_view bytes);
    void commit();

  private:
    OutputFile() = default;
    void openTemporaryBeside(const std::filesystem::path& target);
    void openStraight(const std::filesystem::path& target);

    std::FILE* file_ = nullptr;
    bool ownsFile_ = true;
    std::filesystem::path target_; // the file written, for renames and messages
    std::string temporary_;        // empty when written straight into
    std::optional<TemporaryRegistration> registration_;
};

} // namespace fieldizer::files
