#include "cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fieldizer::testing {

namespace fs = std::filesystem;

namespace {

// In the child: runs fieldizer-cli in `folder` with the given standard
// streams; never returns.
[[noreturn]] void execCli(const fs::path& folder, const std::vector<std::string>& args,
                          const char* in, const char* out, const char* err) {
    if (::chdir(folder.c_str()) != 0)
        ::_exit(127);
    ::dup2(::open(in, O_RDONLY), 0);
    ::dup2(::open(out, O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
    ::dup2(::open(err, O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
    std::vector<char*> argv;
    std::string program = FIELDIZER_CLI;
    argv.push_back(program.data());
    std::vector<std::string> copies(args);
    for (auto& arg : copies)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

} // namespace

CliResult CliRunner::run(const std::vector<std::string>& args, const std::string& input) const {
    const fs::path in = write(".stdin", input);
    const fs::path out = folder() / ".stdout";
    const fs::path err = folder() / ".stderr";
    const pid_t child = ::fork();
    if (child == 0)
        execCli(folder(), args, in.c_str(), out.c_str(), err.c_str());
    int status = 0;
    ::waitpid(child, &status, 0);
    CliResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = read(".stdout");
    result.err = read(".stderr");
    return result;
}

pid_t CliRunner::start(const std::vector<std::string>& args) const {
    const pid_t child = ::fork();
    if (child == 0)
        execCli(folder(), args, "/dev/null", "/dev/null", "/dev/null");
    return child;
}

} // namespace fieldizer::testing
