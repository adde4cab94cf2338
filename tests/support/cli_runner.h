#pragma once
// Runs the built fieldizer-cli in a scratch folder of its own, as a user runs
// it, and captures its exit status and output.

#include "scratch_folder.h"

#include <filesystem>
#include <string>
#include <sys/types.h>
#include <vector>

namespace fieldizer::testing {

struct CliResult {
    int status = -1;
    std::string out; // standard output, bytes
    std::string err; // standard error
};

class CliRunner {
  public:
    // Runs fieldizer-cli with `args` (no shell involved) in the scratch
    // folder, feeding `input` on standard input.
    CliResult run(const std::vector<std::string>& args, const std::string& input = "") const;
    // Starts fieldizer-cli the same way without waiting for it, standard
    // input empty and its output discarded, for a test that stops it part-way
    // or races it; the caller waits for the returned process.
    pid_t start(const std::vector<std::string>& args) const;

    const std::filesystem::path& folder() const { return scratch_.path(); }
    // The path of `name` in the scratch folder.
    std::string file(const std::string& name) const { return scratch_.file(name); }
    std::string write(const std::string& name, const std::string& bytes) const {
        return scratch_.write(name, bytes);
    }
    std::string read(const std::string& name) const { return scratch_.read(name); }

  private:
    ScratchFolder scratch_;
};

} // namespace fieldizer::testing
