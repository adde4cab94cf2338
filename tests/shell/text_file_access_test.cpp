// Text files come back byte for byte; a read-only file loads; a failed save
// leaves the former file as it was and says why.
#include "runtime_error_checks.h"
#include "scratch_folder.h"
#include "shell/file_access/text_file_access.h"
#include "text_engine/runtime_error.h"

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

TEST(TextFileAccess, failuresAreNumberedErrorsNamingTheFile) {
    ScratchFolder files;
    const std::string missing = files.file("missing.txt");
    EXPECT_RUNTIME_ERROR(loadTextFile(missing), errors::fileNotFound, "File not found: " + missing);
    // A folder where the file should be: the write cannot replace it.
    std::filesystem::create_directories(files.folder() / "taken");
    const std::string taken = files.file("taken");
    EXPECT_RUNTIME_ERROR(saveTextFile(taken, "text"), errors::pathFileAccess,
                         taken + ": Is a directory");
    EXPECT_TRUE(std::filesystem::is_directory(files.folder() / "taken"));
    const std::string noFolder = files.file("no/such/folder.txt");
    EXPECT_RUNTIME_ERROR(saveTextFile(noFolder, "text"), errors::pathNotFound,
                         "Path not found: " + files.file("no/such"));
}

} // namespace
} // namespace fieldizer
