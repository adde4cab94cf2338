#pragma once
// Runs the built fieldizer-cli in a scratch folder and captures its results.

#include <filesystem>
#include <string>
#include <vector>

namespace fieldizer::test {

struct CliResult {
    int status = -1;
    std::string out; // standard output, bytes
    std::string err; // standard error
};

class CliRunner {
  public:
    CliRunner();
    ~CliRunner();
    CliRunner(const CliRunner&) = delete;
    CliRunner& operator=(const CliRunner&) = delete;

    // Runs fieldizer-cli with `args` (no shell involved) in the scratch
    // folder, feeding `input` on standard input.
    CliResult run(const std::vector<std::string>& args, const std::string& input = "") const;

    const std::filesystem::path& folder() const { return folder_; }
    std::filesystem::path write(const std::string& name, const std::string& bytes) const;
    std::string read(const std::string& name) const;

  private:
    std::filesystem::path folder_;
};

} // namespace fieldizer::test
