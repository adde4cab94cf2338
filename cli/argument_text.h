#pragma once
// How the command line reads text from its arguments. A terminal hands
// arguments over as UTF-8; the program's text (values, headings, names, the
// bytes of its input and output) is Windows-1252. Every text argument is
// converted once, here, so that a character typed on the command line is the
// same character in a value, a heading, a table name and a Settings name:
// - valid UTF-8 becomes Windows-1252 (`é` is byte E9);
// - an argument that is not valid UTF-8 is taken byte for byte, as the
//   Windows-1252 text it then most likely is;
// - a character Windows-1252 cannot hold is a usage error naming the argument.
// File paths are not text: they stay as the system gave them.

#include <string>
#include <string_view>

namespace fieldizer::cli {

// `argument` as the program's text; `whole` is the argument as typed, named
// in the usage error.
std::string textArgument(std::string_view argument, std::string_view whole);
inline std::string textArgument(std::string_view argument) {
    return textArgument(argument, argument);
}

// The program's text as the terminal shows it.
std::string terminalText(std::string_view text);

} // namespace fieldizer::cli
