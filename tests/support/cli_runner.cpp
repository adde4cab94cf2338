#include "cli_runner.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fieldizer::testing {

namespace fs = std::filesystem;

CliResult CliRunner::run(const std::vector<std::string>& args, const std::string& input) const {
    const fs::path in = write(".stdin", input);
    const fs::path out = folder() / ".stdout";
    const fs::path err = folder() / ".stderr";
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder().c_str()) != 0)
            ::_exit(127);
        ::dup2(::open(in.c_str(), O_RDONLY), 0);
        ::dup2(::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        ::dup2(::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 2);
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
    int status = 0;
    ::waitpid(child, &status, 0);
    CliResult result;
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = read(".stdout");
    result.err = read(".stderr");
    return result;
}

} // namespace fieldizer::testing
