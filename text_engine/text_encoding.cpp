#include "text_engine/text_encoding.h"

#include "text_engine/cp1252.h"
#include "text_engine/utf8_sequence.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

namespace fieldizer {
namespace {

// Eight bytes at a time while they are ASCII: most of a report is.
constexpr std::uint64_t highBits = 0x8080808080808080ULL;

std::uint64_t wordAt(const char* bytes) {
    std::uint64_t word;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

// The UTF-8 of every byte of the program's text, one to three bytes long.
struct Utf8OfByte {
    std::array<std::array<char, 3>, 256> bytes{};
    std::array<unsigned char, 256> length{};
};

Utf8OfByte buildUtf8OfByte() {
    Utf8OfByte table;
    for (unsigned byte = 0; byte < 256; ++byte) {
        const char32_t c = cp1252CodePoint(static_cast<unsigned char>(byte));
        auto& out = table.bytes[byte];
        if (c < 0x80) {
            out[0] = char(c);
            table.length[byte] = 1;
        } else if (c < 0x800) {
            out[0] = char(0xC0 | (c >> 6));
            out[1] = char(0x80 | (c & 0x3F));
            table.length[byte] = 2;
        } else {
            out[0] = char(0xE0 | (c >> 12));
            out[1] = char(0x80 | ((c >> 6) & 0x3F));
            out[2] = char(0x80 | (c & 0x3F));
            table.length[byte] = 3;
        }
    }
    return table;
}

const Utf8OfByte& utf8OfByte() {
    static const Utf8OfByte table = buildUtf8OfByte();
    return table;
}

bool validUtf8(const char* bytes, std::size_t size, std::size_t pos) {
    while (pos < size) {
        while (pos + 8 <= size && (wordAt(bytes + pos) & highBits) == 0)
            pos += 8;
        if (pos == size)
            break;
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        char32_t c = 0;
        const std::size_t length = decodeUtf8Sequence(bytes, size, pos, c);
        if (length == 0)
            return false;
        pos += length;
    }
    return true;
}

// Where the conversion of UTF-8 stopped, and why.
struct Utf8Stop {
    enum class Kind { End, NotUtf8, Unheld } kind = Kind::End;
    std::size_t read = 0;
    std::size_t written = 0;
    char32_t character = 0;
};

// Converts UTF-8 from bytes[read] on into the program's characters from
// bytes[written] on (written <= read: a character never takes more bytes
// in the program's text than in UTF-8).
Utf8Stop convertUtf8(char* bytes, std::size_t size, std::size_t read, std::size_t written) {
    while (read < size) {
        while (read + 8 <= size) {
            const std::uint64_t word = wordAt(bytes + read);
            if ((word & highBits) != 0)
                break;
            std::memcpy(bytes + written, &word, sizeof word);
            read += 8;
            written += 8;
        }
        if (read == size)
            break;
        if (static_cast<unsigned char>(bytes[read]) < 0x80) {
            bytes[written++] = bytes[read++];
            continue;
        }
        char32_t c = 0;
        const std::size_t length = decodeUtf8Sequence(bytes, size, read, c);
        if (length == 0)
            return {Utf8Stop::Kind::NotUtf8, read, written, 0};
        const int byte = cp1252ByteOf(c);
        if (byte < 0)
            return {Utf8Stop::Kind::Unheld, read, written, c};
        bytes[written++] = char(byte);
        read += length;
    }
    return {Utf8Stop::Kind::End, read, written, 0};
}

// Puts back the UTF-8 that the first `written` characters were converted
// from, so that they fill the first `read` bytes again. From the end
// backwards: a character's UTF-8 is never shorter than the character, so
// nothing is overwritten before it is read. The converted characters were
// valid UTF-8 in the shortest form, the only form UTF-8 allows, so they come
// back byte for byte.
void restoreUtf8(char* bytes, std::size_t written, std::size_t read) {
    const Utf8OfByte& table = utf8OfByte();
    std::size_t to = read;
    for (std::size_t from = written; from > 0;) {
        const auto byte = static_cast<unsigned char>(bytes[--from]);
        const std::size_t length = table.length[byte];
        to -= length;
        std::memcpy(bytes + to, table.bytes[byte].data(), length);
    }
}

// Line and column of the character after the program's text `converted`:
// lines end at CR LF, a lone CR or an LF, as an editor shows the file.
std::string placeAfter(std::string_view converted) {
    std::size_t line = 1;
    std::size_t lineStart = 0;
    for (std::size_t i = 0; i < converted.size(); ++i) {
        const char c = converted[i];
        if (c == '\n' || (c == '\r' && (i + 1 == converted.size() || converted[i + 1] != '\n'))) {
            ++line;
            lineStart = i + 1;
        }
    }
    return "line " + std::to_string(line) + ", column " +
           std::to_string(converted.size() - lineStart + 1);
}

std::string codePointName(char32_t c) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(c));
    return name;
}

std::string unheldPlace(std::string_view converted, std::string_view character, char32_t c) {
    return placeAfter(converted) + " holds the character " + codePointName(c) + " '" +
           std::string(character) + "'";
}

EncodingError unheldCharacterError(std::string_view source, std::string_view converted,
                                   std::string_view character, char32_t c) {
    return EncodingError(errors::invalidCall,
                         std::string(source) + ": " + unheldPlace(converted, character, c) +
                             ", which Windows-1252 cannot hold. The program holds Western "
                             "European text; the file was not read.");
}

EncodingError notUtf8Error(std::string_view source, std::string_view converted,
                           unsigned char byte) {
    char shown[8];
    std::snprintf(shown, sizeof shown, "0x%02X", byte);
    return EncodingError(errors::invalidCall,
                         std::string(source) + ": " + placeAfter(converted) +
                             " is not UTF-8 (the byte " + shown +
                             "); read it as Windows-1252. The file was not read.");
}

DecodedText decodeUtf8(char* bytes, std::size_t size, bool strict, std::string_view source) {
    const bool mark = std::string_view(bytes, size).starts_with(utf8ByteOrderMark);
    const std::size_t start = mark ? utf8ByteOrderMark.size() : 0;
    const Utf8Stop stop = convertUtf8(bytes, size, start, 0);
    const std::string_view converted(bytes, stop.written);
    switch (stop.kind) {
    case Utf8Stop::Kind::End:
        return {{Encoding::Utf8, mark}, stop.written};
    case Utf8Stop::Kind::NotUtf8:
        if (strict || mark)
            throw notUtf8Error(source, converted, static_cast<unsigned char>(bytes[stop.read]));
        break;
    case Utf8Stop::Kind::Unheld: {
        char32_t c = 0;
        const std::size_t length = decodeUtf8Sequence(bytes, size, stop.read, c);
        // Only a file that is UTF-8 throughout is UTF-8 at all.
        if (strict || mark || validUtf8(bytes, size, stop.read + length))
            throw unheldCharacterError(source, converted,
                                       std::string_view(bytes + stop.read, length), c);
        break;
    }
    }
    restoreUtf8(bytes, stop.written, stop.read);
    return {{Encoding::Windows1252, false}, size};
}

std::size_t encodeUtf8(std::string_view text, char* out) {
    const Utf8OfByte& table = utf8OfByte();
    const char* in = text.data();
    const std::size_t size = text.size();
    char* const begin = out;
    std::size_t pos = 0;
    while (pos < size) {
        while (pos + 8 <= size) {
            const std::uint64_t word = wordAt(in + pos);
            if ((word & highBits) != 0)
                break;
            std::memcpy(out, &word, sizeof word);
            out += 8;
            pos += 8;
        }
        if (pos == size)
            break;
        const auto byte = static_cast<unsigned char>(in[pos++]);
        std::memcpy(out, table.bytes[byte].data(), 3);
        out += table.length[byte];
    }
    return static_cast<std::size_t>(out - begin);
}

} // namespace

std::string_view encodingName(Encoding encoding) {
    return encoding == Encoding::Utf8 ? "UTF-8" : "Windows-1252";
}

std::string unheldCharacterPlace(std::string_view text) {
    std::string bytes(text);
    const Utf8Stop stop = convertUtf8(bytes.data(), bytes.size(), 0, 0);
    if (stop.kind != Utf8Stop::Kind::Unheld)
        return {};
    char32_t c = 0;
    const std::size_t length = decodeUtf8Sequence(bytes.data(), bytes.size(), stop.read, c);
    return unheldPlace(std::string_view(bytes.data(), stop.written),
                       std::string_view(bytes.data() + stop.read, length), c);
}

FileEncoding detectEncoding(std::string_view bytes) {
    if (bytes.starts_with(utf8ByteOrderMark))
        return {Encoding::Utf8, true};
    if (validUtf8(bytes.data(), bytes.size(), 0))
        return {Encoding::Utf8, false};
    return {Encoding::Windows1252, false};
}

DecodedText decodeInPlace(char* bytes, std::size_t size, EncodingChoice choice,
                          std::string_view source) {
    if (choice == EncodingChoice::Windows1252)
        return {{Encoding::Windows1252, false}, size};
    return decodeUtf8(bytes, size, choice == EncodingChoice::Utf8, source);
}

std::size_t encodeText(std::string_view text, Encoding encoding, char* out) {
    if (text.empty())
        return 0;
    if (encoding == Encoding::Windows1252) {
        std::memcpy(out, text.data(), text.size());
        return text.size();
    }
    return encodeUtf8(text, out);
}

} // namespace fieldizer
