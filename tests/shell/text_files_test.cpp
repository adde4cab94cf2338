#include "engine/runtime_error.h"
#include "scratch_folder.h"
#include "shell/text_files/input_text.h"
#include "shell/text_files/output_file.h"

#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fieldizer::files {
namespace {

namespace fs = std::filesystem;

// A scratch folder; the paths of the tests are built on it.
class TextFiles : public ::testing::Test {
  protected:
    std::string write(const std::string& name, const std::string& bytes) const {
        return scratch_.write(name, bytes);
    }
    static std::string read(const fs::path& path) {
        std::ifstream file(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    fieldizer::testing::ScratchFolder scratch_;
    const fs::path folder_ = scratch_.path();
};

void expectError(const std::function<void()>& action, int number, const std::string& named) {
    try {
        action();
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), number) << error.description();
        EXPECT_NE(error.description().find(named), std::string::npos) << error.description();
    }
}

TEST_F(TextFiles, ARegularFileIsReadByteForByte) {
    const std::string bytes("a\0b\r\nc\rd\n\xff", 10);
    EXPECT_EQ(InputText::openFile(write("in.txt", bytes)).bytes(), bytes);
    EXPECT_EQ(InputText::openFile(write("empty.txt", "")).bytes(), "");
}

// Their metadata gives no size (a pipe) or a wrong one (a /proc file says 0).
TEST_F(TextFiles, WhatIsNotARegularFileIsReadToItsEnd) {
    int ends[2];
    ASSERT_EQ(::pipe(ends), 0);
    ASSERT_EQ(::write(ends[1], "abc\r\ndef", 8), 8);
    ::close(ends[1]);
    EXPECT_EQ(InputText::openFile("/proc/self/fd/" + std::to_string(ends[0])).bytes(),
              "abc\r\ndef");
    ::close(ends[0]);

    const std::string version = InputText::openFile("/proc/version").bytes().data();
    EXPECT_FALSE(version.empty());
    EXPECT_EQ(InputText::openFile("/dev/null").bytes(), "");
}

TEST_F(TextFiles, AMissingInputOrFolderIsNamed) {
    expectError([&] { InputText::openFile(folder_ / "nowhere.txt"); }, 53, "nowhere.txt");
    expectError([&] { InputText::openFile(folder_ / "nofolder" / "x.txt"); }, 76, "nofolder");
}

TEST_F(TextFiles, OutputReplacesAFileOnlyOnCommit) {
    const fs::path path = write("out.txt", "previous");
    {
        OutputFile output(path);
        output.write("partial");
    }
    EXPECT_EQ(read(path), "previous");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1)
        << "the temporary file is gone";
    OutputFile output(path);
    output.write("new ");
    output.write("text");
    output.commit();
    EXPECT_EQ(read(path), "new text");
}

TEST_F(TextFiles, OutputGoesThroughSymbolicLinksToTheirTarget) {
    write("target.txt", "previous");
    fs::create_directory(folder_ / "sub");
    fs::create_symlink("../target.txt", folder_ / "sub" / "inner");
    fs::create_symlink("sub/inner", folder_ / "link.txt");
    fs::create_symlink("new.txt", folder_ / "dangling");
    for (const char* link : {"link.txt", "dangling"}) {
        OutputFile output(folder_ / link);
        output.write(link);
        output.commit();
        EXPECT_TRUE(fs::is_symlink(folder_ / link)) << link;
    }
    EXPECT_EQ(read(folder_ / "target.txt"), "link.txt");
    EXPECT_EQ(read(folder_ / "new.txt"), "dangling");
    EXPECT_TRUE(fs::is_symlink(folder_ / "sub" / "inner"));
}

// A FIFO (like a device) cannot be replaced by a regular file without harm to
// whoever uses it: it is written straight into.
TEST_F(TextFiles, OutputIntoAFifoIsWrittenStraight) {
    const fs::path fifo = folder_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::thread reader([&] { received = read(fifo); });
    {
        OutputFile output(fifo);
        output.write("through ");
        output.write("the fifo");
        output.commit();
    }
    reader.join();
    EXPECT_EQ(received, "through the fifo");
    EXPECT_TRUE(fs::is_fifo(fifo));
}

TEST_F(TextFiles, OutputErrorsNameTheFileAndTheCause) {
    expectError([&] { OutputFile(folder_ / "nofolder" / "x.txt"); }, 76, "nofolder");
    fs::create_directory(folder_ / "adir");
    expectError([&] { OutputFile(folder_ / "adir"); }, 75, "adir");
}

} // namespace
} // namespace fieldizer::files
