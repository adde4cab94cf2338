#pragma once
// File failures as the error numbers the error report knows.

#include "text_engine/runtime_error.h"

#include <filesystem>

namespace fieldizer {

// The run-time error for a failed file access, chosen from errno: 53 file
// not found, 76 path not found (its folder is missing), 70 permission
// denied, 61 disk full, 75 otherwise. The description names the file.
RuntimeError fileError(int errnoValue, const std::filesystem::path& path);

// A file that shrank or grew while it was read: what was read is no copy of
// any state of the file (62, with the file named).
RuntimeError fileChangedWhileRead(const std::filesystem::path& path);

} // namespace fieldizer
