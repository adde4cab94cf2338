#pragma once
// Input and output of the command line, byte for byte.

#include <filesystem>
#include <string>
#include <string_view>

namespace fieldizer::cli {

std::string readWholeFile(const std::filesystem::path& path);
std::string readStandardInput();

// Writes to a temporary file beside `path` and renames it over `path`, so
// that `path` is either left as it was or holds all of `bytes`.
void writeFileAtomically(const std::filesystem::path& path, std::string_view bytes);
void writeStandardOutput(std::string_view bytes);

} // namespace fieldizer::cli
