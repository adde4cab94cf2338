// Text files come back byte for byte, in their own encoding; a read-only
// file loads; a file the program cannot hold is refused; a failed save
// leaves the former file as it was and says why.
#include "runtime_error_checks.h"
#include "scratch_folder.h"
#include "shell/file_access/text_file_access.h"
#include "text_engine/runtime_error.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::ScratchFolder;

const FileEncoding utf8{Encoding::Utf8, false};
const FileEncoding windows1252{Encoding::Windows1252, false};

std::string everyByte() {
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes + "a\nb\rc\r\n\t";
}

TEST(TextFileAccess, everyByteSurvivesSaveAndLoad) {
    ScratchFolder files;
    saveTextFile(files.file("all.txt"), everyByte(), windows1252);
    EXPECT_EQ(files.read("all.txt"), everyByte());
    EXPECT_EQ(loadTextFile(files.file("all.txt")).text, everyByte());
    EXPECT_EQ(loadTextFile(files.write("empty.txt", "")).text, "");
}

// Opened and saved unchanged, a file comes back byte for byte.
void expectRoundTrip(const std::string& bytes, FileEncoding encoding, const std::string& text) {
    ScratchFolder files;
    const LoadedText loaded = loadTextFile(files.write("in.txt", bytes));
    EXPECT_EQ(loaded.encoding, encoding);
    EXPECT_EQ(loaded.text, text);
    saveTextFile(files.file("out.txt"), loaded.text, loaded.encoding);
    EXPECT_EQ(files.read("out.txt"), bytes);
}

TEST(TextFileRoundTrip, utf8WithAndWithoutItsByteOrderMark) {
    expectRoundTrip("Caf\xC3\xA9  12\xC2\xB0"
                    "C\r\n\xE2\x82\xAC 3\n",
                    utf8,
                    "Caf\xE9  12\xB0"
                    "C\r\n\x80 3\n");
    expectRoundTrip("\xEF\xBB\xBF"
                    "Caf\xC3\xA9\r\n",
                    {Encoding::Utf8, true}, "Caf\xE9\r\n");
    expectRoundTrip("\xEF\xBB\xBF", {Encoding::Utf8, true}, "");
}

TEST(TextFileRoundTrip, windows1252WithEveryByteAbove0x7F) {
    std::string bytes = "high bytes: ";
    for (int c = 0x80; c < 0x100; ++c)
        bytes += static_cast<char>(c);
    expectRoundTrip(bytes + "\r\n", windows1252, bytes + "\r\n");
}

TEST(TextFileRoundTrip, asciiAndMixedLineEnds) {
    expectRoundTrip("plain\r\nmixed\nends\rhere", utf8, "plain\r\nmixed\nends\rhere");
    expectRoundTrip("d\xC3\xA9j\xC3\xA0\r\nvu\n\xC3\xA9t\xC3\xA9\r", utf8,
                    "d\xE9j\xE0\r\nvu\n\xE9t\xE9\r");
}

TEST(TextFileRoundTrip, aRealUtf8FileAndItsWindows1252Copy) {
    ScratchFolder files;
    const std::string data = FIELDIZER_TEST_DATA;
    const std::string utf8Bytes = files.read(data + "/ch_communes_snapshot.csv");
    const std::string windowsBytes = files.read(data + "/ch_communes_snapshot-windows-1252.csv");
    ASSERT_NE(utf8Bytes.find("Z\xC3\xBCrich"), std::string::npos);
    // Both read as the same text of the program, one character per column.
    expectRoundTrip(utf8Bytes, utf8, windowsBytes);
    expectRoundTrip(windowsBytes, windows1252, windowsBytes);
}

TEST(TextFileRoundTrip, newTextIsWrittenAsUtf8) {
    ScratchFolder files;
    saveTextFile(files.file("new.txt"),
                 "12\xB0"
                 "C",
                 FileEncoding{});
    EXPECT_EQ(files.read("new.txt"), "12\xC2\xB0"
                                     "C");
}

TEST(TextFileRoundTrip, theChosenEncodingWinsOverTheRule) {
    ScratchFolder files;
    const std::string path = files.write("in.txt", "Caf\xC3\xA9");
    const LoadedText loaded = loadTextFile(path, EncodingChoice::Windows1252);
    EXPECT_EQ(loaded.text, "Caf\xC3\xA9");
    EXPECT_EQ(loaded.encoding, windows1252);
}

TEST(TextFileRefusal, aCharacterOutsideWindows1252NamesTheFileAndThePlace) {
    ScratchFolder files;
    const std::string path = files.write("greek.txt", "Name\r\n\xCE\xB1\xCE\xB2\r\n");
    EXPECT_RUNTIME_ERROR(loadTextFile(path), errors::invalidCall,
                         path + ": line 2, column 1 holds the character U+03B1 '\xCE\xB1', which "
                                "Windows-1252 cannot hold. The program holds Western European "
                                "text; the file was not read.");
}

TEST(TextFileAccess, aReadOnlyFileLoads) {
    ScratchFolder files;
    const std::string path = files.write("ro.txt", "kept");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(loadTextFile(path).text, "kept");
}

TEST(TextFileAccess, failuresAreNumberedErrorsNamingTheFile) {
    ScratchFolder files;
    const std::string missing = files.file("missing.txt");
    EXPECT_RUNTIME_ERROR(loadTextFile(missing), errors::fileNotFound, "File not found: " + missing);
    // A folder where the file should be: the write cannot replace it.
    std::filesystem::create_directories(files.folder() / "taken");
    const std::string taken = files.file("taken");
    EXPECT_RUNTIME_ERROR(saveTextFile(taken, "text", utf8), errors::pathFileAccess,
                         taken + ": Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(files.folder() / "taken"));
    const std::string noFolder = files.file("no/such/folder.txt");
    EXPECT_RUNTIME_ERROR(saveTextFile(noFolder, "text", utf8), errors::pathNotFound,
                         "Path not found: " + files.file("no/such"));
}

} // namespace
} // namespace fieldizer
