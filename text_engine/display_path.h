#pragma once
// File-system paths are the system's bytes, not text of the program's
// character set: they are held as std::filesystem::path from where they
// enter (the command line, a file dialog, the current folder) to the system
// call, and never converted on the way. Only to be shown (a caption, a
// message) is a path turned into the program's text, here.

#include <filesystem>
#include <string>

namespace fieldizer {

// The path as Windows-1252 text for a caption or a message. UTF-8 becomes
// its Windows-1252 characters, a character Windows-1252 lacks "?", and a
// byte that is not UTF-8 stays that byte; it never throws.
std::string displayPath(const std::filesystem::path& path);

} // namespace fieldizer
