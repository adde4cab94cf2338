#pragma once
// Recognising a Microsoft Access file by what it holds, not by its name: a
// ".mdb" may be one of the program's own SQLite databases, and an Access file
// may carry any name.

#include <filesystem>

namespace fieldizer::access {

// Whether the file at `path` begins as an Access database does: the engine's
// name "Standard Jet DB" (Access 97 to 2003) or "Standard ACE DB" (2007 and
// later) at bytes 4 to 18. False for a file that cannot be read.
bool isAccessDatabaseFile(const std::filesystem::path& path);

} // namespace fieldizer::access
