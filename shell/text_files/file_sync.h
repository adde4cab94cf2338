#pragma once
// Making a written file last: its bytes reach the disk before it is renamed
// into place, and the folder's new entry after, so that after a power cut the
// name holds the old file or the new one, never an empty or partial one.

#include <filesystem>

namespace fieldizer::files {

// Flushes an open file's bytes to the disk; throws RuntimeError naming `name`.
void syncDescriptor(int descriptor, const std::filesystem::path& name);

// Opens `path` and flushes it to the disk.
void syncFile(const std::filesystem::path& path);

// Flushes the entries of the folder that holds `path` (a rename, a link).
// A file system that cannot sync a folder keeps its entries by itself.
void syncFolderOf(const std::filesystem::path& path);

} // namespace fieldizer::files
