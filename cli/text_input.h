#pragma once
// The input of a text command: --in FILE or standard input, read whole and
// converted into the program's text. --encoding auto|utf-8|windows-1252
// (auto when not given) says how it is read: auto decides by the file's
// bytes (text_encoding.h). The output is written in the encoding the input
// was read in, its UTF-8 byte-order mark included.

#include "cli/arguments.h"
#include "shell/text_files/input_text.h"
#include "text_engine/text_encoding.h"

namespace fieldizer::cli {

inline constexpr const char* encodingOption = "--encoding";

// Throws UsageError for a value that names no encoding.
EncodingChoice encodingChoiceOf(const ParsedArguments& parsed);

struct TextInput {
    files::InputText input;
    FileEncoding encoding;
    std::string_view text() const { return input.bytes(); }
};

// Throws RuntimeError when the input cannot be read, EncodingError when it
// holds a character the program cannot take.
TextInput readTextInput(const ParsedArguments& parsed);

} // namespace fieldizer::cli
