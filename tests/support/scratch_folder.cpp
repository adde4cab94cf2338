#include "scratch_folder.h"

#include <fstream>
#include <iterator>
#include <stdexcept>
#include <unistd.h>

namespace fieldizer::testing {

namespace fs = std::filesystem;

// mkdtemp makes a name no other test process can hold at the same time, as
// ctest runs every test in a process of its own, several at once.
ScratchFolder::ScratchFolder() {
    std::string pattern = (fs::temp_directory_path() / "fieldizer-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("cannot make a scratch folder in " +
                                 fs::temp_directory_path().string());
    path_ = pattern;
}

// A test may have taken permissions away to provoke an error; give them back
// so that everything can be removed.
ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    fs::permissions(path_, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path_, ignored);
}

std::string ScratchFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream(path_ / name, std::ios::binary) << bytes;
    return file(name);
}

std::string ScratchFolder::read(const std::string& name) const {
    std::ifstream in(path_ / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace fieldizer::testing
