#include "scratch_folder.h"
#include "shell/text_files/input_text.h"
#include "shell/text_files/output_file.h"
#include "text_engine/runtime_error.h"

#include <chrono>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

// Every fsync of the program's code in this test binary is recorded before it
// is made: which file or folder, and what the file being written held then.
namespace {
struct Sync {
    std::filesystem::path synced;
    std::string targetHeld;
};
std::vector<Sync> syncs;
std::filesystem::path watchedTarget;
} // namespace

extern "C" int fsync(int descriptor) {
    char link[4096];
    const ssize_t length =
        ::readlink(("/proc/self/fd/" + std::to_string(descriptor)).c_str(), link, sizeof link);
    std::ifstream target(watchedTarget, std::ios::binary);
    std::ostringstream held;
    held << target.rdbuf();
    syncs.push_back({std::string(link, length > 0 ? std::size_t(length) : 0), held.str()});
    return static_cast<int>(::syscall(SYS_fsync, descriptor));
}

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

// Another program shrinks and refills the file while it is read: the read
// ends with its own error or returns one whole state of the file, and never
// takes the program down (a mapped file that shrank did, by SIGBUS).
TEST_F(TextFiles, AFileChangingWhileItIsReadIsAnErrorNeverACrash) {
    const std::size_t size = std::size_t{32} << 20;
    const fs::path path = write("changing.txt", std::string(size, 'x'));
    const pid_t reader = ::fork();
    ASSERT_GE(reader, 0);
    if (reader == 0) {
        int changed = 0;
        const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(1500);
        while (std::chrono::steady_clock::now() < end) {
            try {
                const std::string copy(InputText::openFile(path).bytes());
                if (copy.size() != size && copy.size() != size / 2)
                    ::_exit(2); // a part of the file, silently
            } catch (const RuntimeError& error) {
                if (error.number() != 62 ||
                    error.description() != path.string() + ": the file changed while it was read")
                    ::_exit(3);
                ++changed;
            }
        }
        ::_exit(changed > 0 ? 0 : 4);
    }
    const int descriptor = ::open(path.c_str(), O_WRONLY);
    int status = 0;
    while (::waitpid(reader, &status, WNOHANG) == 0) {
        EXPECT_EQ(::ftruncate(descriptor, off_t(size / 2)), 0);
        EXPECT_EQ(::ftruncate(descriptor, off_t(size)), 0);
    }
    ::close(descriptor);
    ASSERT_TRUE(WIFEXITED(status)) << "the reader ended by signal " << WTERMSIG(status);
    EXPECT_EQ(WEXITSTATUS(status), 0) << "2: a part read silently, 3: another error, "
                                         "4: no change was ever noticed";
}

// The rename would go around the file's mode: a file that may not be written
// is refused as the system refuses writing it, and stays as it was.
TEST_F(TextFiles, AReadOnlyFileIsNotReplaced) {
    const fs::path path = write("read-only.txt", "kept");
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        OutputFile output(path);
        output.write("replaced");
        output.commit();
        ADD_FAILURE() << "a read-only file was replaced";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 70);
        EXPECT_EQ(errorReportText(error), "Permission denied.");
        EXPECT_EQ(error.description(), path.string() + ": Permission denied");
    }
    EXPECT_EQ(read(path), "kept");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1)
        << "nothing else is left in the folder";
}

// The bytes reach the disk under the temporary name while the target still
// holds its former bytes; the folder, holding the new name, after.
TEST_F(TextFiles, ACommittedOutputReachesTheDiskBeforeAndAfterItsRename) {
    const fs::path path = write("durable.txt", "former");
    watchedTarget = path;
    syncs.clear();
    OutputFile output(path);
    output.write("latter");
    output.commit();
    ASSERT_EQ(syncs.size(), 2u);
    EXPECT_EQ(syncs[0].synced.parent_path(), fs::canonical(folder_));
    EXPECT_EQ(syncs[0].synced.filename().string().rfind(".durable.txt.", 0), 0u) << syncs[0].synced;
    EXPECT_EQ(syncs[0].targetHeld, "former");
    EXPECT_EQ(syncs[1].synced, fs::canonical(folder_));
    EXPECT_EQ(syncs[1].targetHeld, "latter");
}

// A run killed outright leaves its temporary file, named with its process
// id; the next write of the same target removes it, and only such files.
TEST_F(TextFiles, ATemporaryOfAProcessThatIsGoneIsRemovedByTheNextWrite) {
    const pid_t gone = ::fork();
    if (gone == 0)
        ::_exit(0);
    ::waitpid(gone, nullptr, 0);
    const std::string stale = ".out.txt.fieldizer-" + std::to_string(gone) + ".a1b2c3";
    const std::string live = ".out.txt.fieldizer-" + std::to_string(::getppid()) + ".d4e5f6";
    write(stale, "left by kill -9");
    write(live, "still being written by a running program");
    write(".out.txt.unrelated", "the user's");
    OutputFile output(folder_ / "out.txt");
    output.write("written");
    output.commit();
    EXPECT_FALSE(fs::exists(folder_ / stale));
    EXPECT_TRUE(fs::exists(folder_ / live));
    EXPECT_TRUE(fs::exists(folder_ / ".out.txt.unrelated"));
    EXPECT_EQ(read(folder_ / "out.txt"), "written");
}

} // namespace
} // namespace fieldizer::files
