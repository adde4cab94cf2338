#pragma once
// The checks a file must pass before and after it is opened as a database.

#include <cstdint>
#include <filesystem>
#include <string>

namespace fieldizer::db {

// Refuses, before SQLite touches it, a path that does not exist (3024), a
// folder (3044) and an unreadable file (3051). It opens no descriptor of the
// file: closing one would drop the locks this process holds on it.
void checkDatabaseFile(const std::filesystem::path& path);

// Whether the first 100 bytes of a file of `fileSize` bytes are the header
// of a whole SQLite database: magic text, page size, and no fewer pages
// than the header counts. An empty file, random bytes, another engine's
// format or a cut-off file fail. Only meaningful for a file read while no
// one writes it: a writer updates the header before the file grows.
bool soundDatabaseHeader(const unsigned char* header, std::uint64_t fileSize);

} // namespace fieldizer::db
