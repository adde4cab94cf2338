// Text files come back byte for byte; a read-only file loads; a failed save
// leaves the former file as it was and says why.
#include "engine/runtime_error.h"
#include "scratch_folder.h"
#include "shell/file_access/text_file_access.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using testing::ScratchFolder;

std::string everyByte() {
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes += static_cast<char>(c);
    return bytes + "a\nb\rc\r\n\t";
}

TEST(TextFileAccess, everyByteSurvivesSaveAndLoad) {
    ScratchFolder files;
    saveTextFile(files.file("all.txt"), everyByte());
    EXPECT_EQ(files.read("all.txt"), everyByte());
    EXPECT_EQ(loadTextFile(files.file("all.txt")), everyByte());
    EXPECT_EQ(loadTextFile(files.write("empty.txt", "")), "");
}

TEST(TextFileAccess, aReadOnlyFileLoads) {
    ScratchFolder files;
    const std::string path = files.write("ro.txt", "kept");
    std::filesystem::permissions(path, std::filesystem::perms::owner_read);
    EXPECT_EQ(loadTextFile(path), "kept");
}

TEST(TextFileAccess, failuresAreNumberedErrors) {
    ScratchFolder files;
    EXPECT_THROW(loadTextFile(files.file("missing.txt")), RuntimeError);
    // A folder where the file should be: the write cannot replace it.
    std::filesystem::create_directories(files.folder() / "taken");
    try {
        saveTextFile(files.file("taken"), "text");
        FAIL() << "saving over a folder succeeded";
    } catch (const RuntimeError& error) {
        EXPECT_NE(error.number(), 0);
    }
    EXPECT_TRUE(std::filesystem::is_directory(files.folder() / "taken"));
    EXPECT_THROW(saveTextFile(files.file("no/such/folder.txt"), "text"), RuntimeError);
}

} // namespace
} // namespace fieldizer
