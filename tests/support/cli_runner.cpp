#include "cli_runner.h"

#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace fieldizer::test {

namespace fs = std::filesystem;

CliRunner::CliRunner() {
    std::string pattern = (fs::temp_directory_path() / "fieldizer_cli_XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    folder_ = pattern;
}

CliRunner::~CliRunner() {
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
}

fs::path CliRunner::write(const std::string& name, const std::string& bytes) const {
    const fs::path path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

std::string CliRunner::read(const std::string& name) const {
    std::ifstream file(folder_ / name, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

CliResult CliRunner::run(const std::vector<std::string>& args, const std::string& input) const {
    const fs::path in = write(".stdin", input);
    const fs::path out = folder_ / ".stdout";
    const fs::path err = folder_ / ".stderr";
    const pid_t child = ::fork();
    if (child == 0) {
        if (::chdir(folder_.c_str()) != 0)
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

} // namespace fieldizer::test
