#pragma once
// Text files of the Manipulator: read whole, byte for byte, from a file that
// may be read-only; written through a temporary file in the target's folder
// renamed over the target, so that a failed save never leaves a half-written
// file. Failures are RuntimeErrors with the file-access numbers.

#include <filesystem>
#include <string>
#include <string_view>

namespace fieldizer {

std::string loadTextFile(const std::filesystem::path& path);

void saveTextFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace fieldizer
