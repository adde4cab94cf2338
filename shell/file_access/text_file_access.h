#pragma once
// Text files of the Manipulator: read whole from a file that may be
// read-only and converted from the file's encoding (UTF-8 or Windows-1252,
// text_encoding.h) into the program's text; written back in an encoding
// through a temporary file in the target's folder renamed over the target,
// so that a failed save never leaves a half-written file. Failures are
// RuntimeErrors with the file-access numbers, or an EncodingError.

#include "text_engine/text_encoding.h"

#include <filesystem>
#include <string>
#include <string_view>

namespace fieldizer {

struct LoadedText {
    std::string text;
    FileEncoding encoding;
};

LoadedText loadTextFile(const std::filesystem::path& path,
                        EncodingChoice choice = EncodingChoice::Automatic);

void saveTextFile(const std::filesystem::path& path, std::string_view text, FileEncoding encoding);

} // namespace fieldizer
