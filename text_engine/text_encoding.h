#pragma once
// The encodings of text files. The program's text is Windows-1252 inside; a
// file is decided to be UTF-8 or Windows-1252 when it is read, converted to
// the program's characters then, and written back in its own encoding.

#include "text_engine/runtime_error.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace fieldizer {

enum class Encoding { Utf8, Windows1252 };

// A file's encoding, with the UTF-8 byte-order mark it began with, which a
// save puts back. A new text is UTF-8 without one: the platform's way.
struct FileEncoding {
    Encoding encoding = Encoding::Utf8;
    bool byteOrderMark = false;
    friend bool operator==(const FileEncoding&, const FileEncoding&) = default;
};

// How to read a file: by detectEncoding's rule, or as the encoding named.
enum class EncodingChoice { Automatic, Utf8, Windows1252 };

inline constexpr std::string_view utf8ByteOrderMark = "\xEF\xBB\xBF";

// "UTF-8" or "Windows-1252", as the window and the command line name them.
std::string_view encodingName(Encoding encoding);

// A file that starts with the UTF-8 byte-order mark, or whose bytes above
// 0x7F all form valid UTF-8, is UTF-8; any other file is Windows-1252. A file
// of ASCII alone is both, and counts as UTF-8.
FileEncoding detectEncoding(std::string_view bytes);

// A file whose text the program cannot take as it is: a character
// Windows-1252 has no byte for, or bytes that are no UTF-8 in a file read as
// UTF-8 (error 5, as for a character code out of range). Its description
// names the file, the line and column (counted in characters, lines ending
// at CR LF, CR or LF) and the character; unlike other descriptions it is
// UTF-8, since the character is one the program's text cannot hold.
class EncodingError final : public RuntimeError {
  public:
    using RuntimeError::RuntimeError;
};

// Where the first character of UTF-8 `text` that Windows-1252 cannot hold
// stands, in the words of EncodingError: "line 2, column 4 holds the
// character U+0416 'Ж'" (UTF-8). Empty when the text has none; the text is
// read up to its first byte that is no UTF-8.
std::string unheldCharacterPlace(std::string_view text);

// Converts the `size` bytes of a file at `bytes`, in place, into the
// program's text, and returns its encoding and the text's size (never more
// than `size`). UTF-8 loses its byte-order mark and becomes one byte per
// character; Windows-1252 stays as it is. One pass over the bytes; a file
// that Automatic finds is not UTF-8 after all is put back as it was read.
// Throws EncodingError naming `source`; the bytes are then of no use.
struct DecodedText {
    FileEncoding encoding;
    std::size_t size = 0;
};
DecodedText decodeInPlace(char* bytes, std::size_t size, EncodingChoice choice,
                          std::string_view source);

// The largest size encodeText can make of `size` characters.
inline constexpr std::size_t encodedSizeLimit(std::size_t size) {
    return 3 * size;
}

// Writes the program's text in `encoding` at `out`, which has room for
// encodedSizeLimit(text.size()) bytes, and returns the bytes written. No
// byte-order mark: the writer puts it first, once.
std::size_t encodeText(std::string_view text, Encoding encoding, char* out);

} // namespace fieldizer
