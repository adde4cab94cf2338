#pragma once
// A fresh temporary folder per test, removed with everything in it when the
// test ends, and helpers to put files in it and read them back.

#include <filesystem>
#include <string>

namespace fieldizer::testing {

class ScratchFolder {
  public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The path of `name` inside the folder, whether or not it exists.
    std::string file(const std::string& name) const { return (path_ / name).string(); }
    // Writes `bytes` to `name` exactly, and returns its path.
    std::string write(const std::string& name, const std::string& bytes) const;
    // The folder itself, or a sub-folder of it made on the way.
    std::filesystem::path folder(const std::string& sub = {}) const {
        auto made = path_ / sub;
        std::filesystem::create_directories(made);
        return made;
    }
    // The bytes of `name`; empty when it cannot be read.
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path path_;
};

} // namespace fieldizer::testing
