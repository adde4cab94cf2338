#include "workbench/access/access_file_header.h"

#include <array>
#include <fstream>
#include <string_view>

namespace fieldizer::access {

bool isAccessDatabaseFile(const std::filesystem::path& path) {
    constexpr std::size_t nameOffset = 4;
    constexpr std::string_view jet = "Standard Jet DB";
    constexpr std::string_view ace = "Standard ACE DB";
    std::ifstream file(path, std::ios::binary);
    std::array<char, nameOffset + jet.size()> head{};
    if (!file.read(head.data(), std::streamsize(head.size())))
        return false;
    std::string_view name(head.data() + nameOffset, jet.size());
    return name == jet || name == ace;
}

} // namespace fieldizer::access
