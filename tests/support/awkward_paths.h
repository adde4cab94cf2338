#pragma once
// A folder name of the kind paths trip over: letters beyond ASCII (é, which
// Windows-1252 holds, and ł, which it lacks), a space and a quote, in UTF-8
// as this platform names files. Files are made elsewhere and moved in, so
// that only the code under test meets the name.

#include <filesystem>
#include <string>

namespace fieldizer::testing {

inline const std::string awkwardFolderName = "d\xC3\xA9 x'y \xC5\x82";
// The same name as the program's messages show it.
inline const std::string awkwardFolderShown = "d\xE9 x'y ?";

// Moves `file` into the awkward folder beside it (made on the way) under
// `name`, and gives its new path.
inline std::filesystem::path moveIntoAwkwardFolder(const std::filesystem::path& file,
                                                   const std::string& name) {
    const std::filesystem::path folder = file.parent_path() / awkwardFolderName;
    std::filesystem::create_directories(folder);
    std::filesystem::rename(file, folder / name);
    return folder / name;
}

} // namespace fieldizer::testing
