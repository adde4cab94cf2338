// The encoding of a file decided by its bytes, UTF-8 converted into the
// program's characters where it lies, the refusal of a character
// Windows-1252 cannot hold, and the way back for saving.
#include "runtime_error_checks.h"
#include "text_engine/cp1252.h"
#include "text_engine/text_encoding.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace fieldizer {
namespace {

const FileEncoding utf8{Encoding::Utf8, false};
const FileEncoding utf8WithMark{Encoding::Utf8, true};
const FileEncoding windows1252{Encoding::Windows1252, false};

struct Decoded {
    std::string text;
    FileEncoding encoding;
};

Decoded decode(std::string bytes, EncodingChoice choice = EncodingChoice::Automatic) {
    const DecodedText decoded = decodeInPlace(bytes.data(), bytes.size(), choice, "report.txt");
    bytes.resize(decoded.size);
    return {bytes, decoded.encoding};
}

std::string encode(std::string_view text, Encoding encoding) {
    std::string out(encodedSizeLimit(text.size()), '\0');
    out.resize(encodeText(text, encoding, out.data()));
    return out;
}

std::string everyByte() {
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes;
}

TEST(EncodingDetection, theRuleOnItsEdges) {
    EXPECT_EQ(detectEncoding(""), utf8) << "nothing at all is ASCII";
    EXPECT_EQ(detectEncoding("plain ASCII\r\n"), utf8);
    EXPECT_EQ(detectEncoding("Caf\xC3\xA9  12\xC2\xB0"
                             "C"),
              utf8);
    EXPECT_EQ(detectEncoding("\xEF\xBB\xBFplain"), utf8WithMark);
    EXPECT_EQ(detectEncoding("Caf\xE9"), windows1252) << "a lone 0xE9";
    EXPECT_EQ(detectEncoding("Caf\xE9 more text after it"), windows1252);
    EXPECT_EQ(detectEncoding("a\xC0\xAF"), windows1252) << "an overlong '/'";
    EXPECT_EQ(detectEncoding("a\xE0\x80\xAF"), windows1252) << "an overlong '/' in three bytes";
    EXPECT_EQ(detectEncoding("euro \xE2\x82"), windows1252) << "cut short at the end of the file";
    EXPECT_EQ(detectEncoding("\xED\xA0\x80"), windows1252) << "a surrogate";
    EXPECT_EQ(detectEncoding("\xD0\x96 and \xF0\x9F\x98\x80"), utf8)
        << "valid UTF-8 of characters Windows-1252 lacks is still UTF-8";
    EXPECT_EQ(detectEncoding(everyByte()), windows1252);
}

TEST(EncodingDetection, decodingAgreesWithTheRule) {
    for (const std::string& bytes :
         {std::string("Caf\xE9"), std::string("a\xC0\xAF"), std::string("euro \xE2\x82"),
          std::string("ok \xC3\xA9 then \xE9"), everyByte()}) {
        const Decoded decoded = decode(bytes);
        EXPECT_EQ(decoded.encoding, windows1252);
        EXPECT_EQ(decoded.text, bytes) << "a Windows-1252 file is the program's text as it is";
    }
}

TEST(Utf8Reading, oneCharacterPerColumn) {
    const Decoded decoded = decode("Caf\xC3\xA9  12\xC2\xB0"
                                   "C\r\n\xE2\x82\xAC 5\n");
    EXPECT_EQ(decoded.encoding, utf8);
    EXPECT_EQ(decoded.text, "Caf\xE9  12\xB0"
                            "C\r\n\x80 5\n");
}

TEST(Utf8Reading, theByteOrderMarkIsDroppedAndRemembered) {
    const Decoded decoded = decode("\xEF\xBB\xBF\xC3\xA9t\xC3\xA9");
    EXPECT_EQ(decoded.encoding, utf8WithMark);
    EXPECT_EQ(decoded.text, "\xE9t\xE9");
    EXPECT_EQ(decode("\xEF\xBB\xBF").text, "");
}

TEST(Utf8Reading, everyCharacterOfTheProgramAtEveryPlaceOfAWord) {
    // Each character after runs of ASCII of every length, so that it falls on
    // every position of the eight-byte steps.
    std::string text;
    for (int c = 0; c < 256; ++c)
        text += std::string(static_cast<std::size_t>(c % 11), 'x') + static_cast<char>(c);
    const std::string utf8Bytes = cp1252ToUtf8(text);
    const Decoded decoded = decode(utf8Bytes);
    EXPECT_EQ(decoded.encoding, utf8);
    EXPECT_EQ(decoded.text, text);
    EXPECT_EQ(encode(text, Encoding::Utf8), utf8Bytes);
}

TEST(Utf8Reading, aFileFoundNotUtf8LateComesBackAsItWasRead) {
    std::string bytes;
    for (int i = 0; i < 100; ++i)
        bytes += "line \xC3\xA9\xE2\x82\xAC\xC2\xB0 " + std::to_string(i) + "\r\n";
    bytes += "and a lone \xE9 at the end";
    const Decoded decoded = decode(bytes);
    EXPECT_EQ(decoded.encoding, windows1252);
    EXPECT_EQ(decoded.text, bytes);
}

TEST(Utf8Reading, aCharacterOutsideFollowedByBytesThatAreNoUtf8IsWindows1252) {
    const std::string bytes = "\xC3\xA9 \xD0\x96 then \xE9";
    const Decoded decoded = decode(bytes);
    EXPECT_EQ(decoded.encoding, windows1252);
    EXPECT_EQ(decoded.text, bytes);
}

TEST(Utf8Refusal, namesTheLineTheColumnAndTheCharacter) {
    EXPECT_RUNTIME_ERROR(decode("first line\r\nsecond\nab\xC3\xA9\tc\xD0\x96 more"),
                         errors::invalidCall,
                         "report.txt: line 3, column 6 holds the character U+0416 '\xD0\x96', "
                         "which Windows-1252 cannot hold. The program holds Western European "
                         "text; the file was not read.");
    EXPECT_RUNTIME_ERROR(decode("\rx\xF0\x9F\x98\x80"), errors::invalidCall,
                         "report.txt: line 2, column 2 holds the character U+1F600 "
                         "'\xF0\x9F\x98\x80', which Windows-1252 cannot hold. The program holds "
                         "Western European text; the file was not read.");
}

TEST(Utf8Refusal, thePlaceOfTheFirstCharacterOutsideInAnyText) {
    EXPECT_EQ(unheldCharacterPlace("Caf\xC3\xA9\n\xE2\x82\xAC \xCE\xB1\xCE\xB2"),
              "line 2, column 3 holds the character U+03B1 '\xCE\xB1'");
    EXPECT_EQ(unheldCharacterPlace("Caf\xC3\xA9 \xE2\x82\xAC"), "");
}

TEST(Utf8Refusal, isAnEncodingError) {
    try {
        decode("\xCE\xB1");
        ADD_FAILURE() << "no error";
    } catch (const EncodingError& error) {
        EXPECT_EQ(error.number(), errors::invalidCall);
    }
}

TEST(EncodingChoice, windows1252TakesEveryByteAsItIs) {
    const std::string bytes = "\xEF\xBB\xBF\xC3\xA9\xD0\x96";
    const Decoded decoded = decode(bytes, EncodingChoice::Windows1252);
    EXPECT_EQ(decoded.encoding, windows1252);
    EXPECT_EQ(decoded.text, bytes);
}

TEST(EncodingChoice, utf8RefusesBytesThatAreNoUtf8) {
    EXPECT_EQ(decode("Caf\xC3\xA9", EncodingChoice::Utf8).text, "Caf\xE9");
    EXPECT_RUNTIME_ERROR(decode("ab\r\nCaf\xE9", EncodingChoice::Utf8), errors::invalidCall,
                         "report.txt: line 2, column 4 is not UTF-8 (the byte 0xE9); read it as "
                         "Windows-1252. The file was not read.");
    EXPECT_RUNTIME_ERROR(decode("\xC3\xA9\xD0\x96 then \xE9", EncodingChoice::Utf8),
                         errors::invalidCall,
                         "report.txt: line 1, column 2 holds the character U+0416 '\xD0\x96', "
                         "which Windows-1252 cannot hold. The program holds Western European "
                         "text; the file was not read.");
}

TEST(EncodingChoice, aByteOrderMarkMakesTheFileUtf8WhateverFollows) {
    EXPECT_RUNTIME_ERROR(decode("\xEF\xBB\xBF"
                                "Caf\xE9"),
                         errors::invalidCall,
                         "report.txt: line 1, column 4 is not UTF-8 (the byte 0xE9); read it as "
                         "Windows-1252. The file was not read.");
}

TEST(Encoding, windows1252WritesTheTextAsItIs) {
    EXPECT_EQ(encode(everyByte(), Encoding::Windows1252), everyByte());
    EXPECT_EQ(encode("", Encoding::Utf8), "");
}

TEST(Encoding, utf8WritesEveryCharacterAsWindowsShowsIt) {
    EXPECT_EQ(encode("Caf\xE9  12\xB0"
                     "C \x80 \x81",
                     Encoding::Utf8),
              "Caf\xC3\xA9  12\xC2\xB0"
              "C \xE2\x82\xAC \xC2\x81");
    EXPECT_EQ(encodingName(Encoding::Utf8), "UTF-8");
    EXPECT_EQ(encodingName(Encoding::Windows1252), "Windows-1252");
}

} // namespace
} // namespace fieldizer
