// --in, --out, standard input and output, and --lf, against the built program.

#include "cli_runner.h"
#include "text_engine/required_fields.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace fieldizer::testing {
namespace {

namespace fs = std::filesystem;

// The layer's message as it stands, then what to do on the command line.
const std::string nothingToProcess =
    std::string(nothingToProcessMessage) +
    "\ngive a text of at least one byte with --in FILE or on standard input\n";

// Feeds `bytes` into a FIFO once someone opens it for reading; gives up after
// a while so that a program that never opens it cannot hang the test.
std::thread feedFifo(const fs::path& fifo, std::string bytes) {
    return std::thread([fifo, bytes = std::move(bytes)] {
        for (int attempt = 0; attempt < 5000; ++attempt) {
            const int descriptor = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
            if (descriptor >= 0) {
                ::fcntl(descriptor, F_SETFL, 0);
                [[maybe_unused]] auto written = ::write(descriptor, bytes.data(), bytes.size());
                ::close(descriptor);
                return;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
    });
}

// Reads a FIFO until `done` is set and nothing more comes.
std::thread drainFifo(const fs::path& fifo, std::string& received, const std::atomic<bool>& done) {
    return std::thread([&received, &done, fifo] {
        const int descriptor = ::open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
        char buffer[4096];
        for (;;) {
            const bool finished = done.load();
            const ssize_t got = ::read(descriptor, buffer, sizeof buffer);
            if (got > 0)
                received.append(buffer, static_cast<std::size_t>(got));
            else if (finished)
                break;
            else
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        ::close(descriptor);
    });
}

TEST(CliFiles, InputThatIsNotARegularFileIsReadToItsEnd) {
    CliRunner cli;
    const fs::path fifo = cli.folder() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::thread writer = feedFifo(fifo, "abc\r\ndef");
    auto result =
        cli.run({"replace", "replaceText=a", "replaceWith=X", "--in", "fifo", "--out", "o.txt"});
    writer.join();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(cli.read("o.txt"), "Xbc\r\ndef");

    result = cli.run({"replace", "replaceText=L", "replaceWith=l", "--in", "/proc/version"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_NE(result.out.find("linux"), std::string::npos) << result.out;
}

TEST(CliFiles, EmptyInputOfAnyKindIsExit2) {
    CliRunner cli;
    for (const std::vector<std::string>& input :
         {std::vector<std::string>{"--in", "/dev/null"}, std::vector<std::string>{}}) {
        std::vector<std::string> args{"replace", "replaceText=a", "--out", "o.txt"};
        args.insert(args.end(), input.begin(), input.end());
        auto result = cli.run(args);
        EXPECT_EQ(result.status, 2);
        EXPECT_EQ(result.err, nothingToProcess);
        EXPECT_FALSE(fs::exists(cli.folder() / "o.txt"));
    }
}

TEST(CliFiles, OutThroughASymbolicLinkWritesItsTarget) {
    CliRunner cli;
    cli.write("target.txt", "previous");
    fs::create_symlink("target.txt", cli.folder() / "link.txt");
    auto result =
        cli.run({"replace", "replaceText=a", "replaceWith=X", "--out", "link.txt"}, "abc");
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::is_symlink(cli.folder() / "link.txt"));
    EXPECT_EQ(cli.read("target.txt"), "Xbc");
}

TEST(CliFiles, OutIntoAFifoKeepsTheFifo) {
    CliRunner cli;
    const fs::path fifo = cli.folder() / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::string received;
    std::atomic<bool> done = false;
    std::thread reader = drainFifo(fifo, received, done);
    auto result = cli.run({"replace", "replaceText=a", "replaceWith=X", "--out", "fifo"}, "abc");
    done = true;
    reader.join();
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_TRUE(fs::is_fifo(fifo));
    EXPECT_EQ(received, "Xbc");
}

TEST(CliFiles, FileErrorsNameTheFileAndTheCause) {
    CliRunner cli;
    auto result = cli.run({"replace", "replaceText=a", "--out", "nofolder/o.txt"}, "abc");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.find("File not found"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("nofolder"), std::string::npos) << result.err;

    fs::create_directory(cli.folder() / "adir");
    result = cli.run({"replace", "replaceText=a", "--out", "adir"}, "abc");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.rfind("Path/file access error.\n", 0), 0u) << result.err;
    EXPECT_NE(result.err.find("adir"), std::string::npos) << result.err;
}

// AddressSanitizer's shadow memory alone is larger than the limit, so a
// sanitized build runs without it and the test only compares the outputs.
// The input is read whole into memory (24 MiB here); the program may take
// 8 MiB beside it.
#ifdef __SANITIZE_ADDRESS__
constexpr const char* dataLimit = "";
#else
constexpr const char* dataLimit = "ulimit -d 32768 && ";
#endif

// Runs the program through the shell with its data segment limited to 8 MiB
// more than its input.
int runInEightMiB(const CliRunner& cli, const std::string& arguments) {
    const std::string command = "cd '" + cli.folder().string() + "' && " + dataLimit + "'" +
                                FIELDIZER_CLI + "' " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Standard output takes the path of --out: the result is handed on in
// pieces, so a result three times the memory the program may take beside its
// input still comes out whole.
TEST(CliFiles, StandardOutputIsStreamedLikeOut) {
    CliRunner cli;
    std::string input;
    while (input.size() < (std::size_t{24} << 20))
        input += "alpha;beta;gamma;delta;epsilon;zeta;eta;theta\r\n";
    cli.write("big.txt", input);
    const std::string format = "format 'formatCreate=New line' 'formatDelimiter=;' --in big.txt";
    ASSERT_EQ(runInEightMiB(cli, format + " --out file.txt"), 0);
    EXPECT_EQ(runInEightMiB(cli, format + " > stdout.txt"), 0);
    EXPECT_TRUE(cli.read("stdout.txt") == cli.read("file.txt"));
}

// The rename would go around the file's mode: a read-only --out is refused
// as writing it is, and keeps its bytes.
TEST(CliFiles, AReadOnlyOutIsRefused) {
    CliRunner cli;
    const std::string path = cli.write("read-only.txt", "kept");
    fs::permissions(path, fs::perms::owner_read);
    auto result = cli.run({"replace", "replaceText=a", "--out", "read-only.txt"}, "abc");
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Permission denied.\nread-only.txt: Permission denied\n");
    EXPECT_EQ(cli.read("read-only.txt"), "kept");
}

// Ctrl-C or a kill while the result is written: the hidden temporary file
// beside --out goes with the program, and the target stays as it was.
TEST(CliFiles, AnInterruptedOutLeavesNoTemporaryFile) {
    CliRunner cli;
    std::string input;
    while (input.size() < (std::size_t{48} << 20))
        input += "alpha;beta;gamma;delta;epsilon;zeta;eta;theta\r\n";
    cli.write("big.txt", input);
    for (int signalNumber : {SIGINT, SIGTERM}) {
        cli.write("out.txt", "previous");
        const pid_t run = cli.start({"format", "formatCreate=New line", "formatDelimiter=;", "--in",
                                     "big.txt", "--out", "out.txt"});
        bool seen = false;
        for (int wait = 0; wait < 20000 && !seen; ++wait) {
            for (const auto& entry : fs::directory_iterator(cli.folder()))
                seen = seen || entry.path().filename().string().rfind(".out.txt.", 0) == 0;
            if (!seen)
                std::this_thread::sleep_for(std::chrono::microseconds(500));
        }
        ::kill(run, signalNumber);
        int status = 0;
        ::waitpid(run, &status, 0);
        ASSERT_TRUE(seen) << "the run wrote no temporary file";
        ASSERT_TRUE(WIFSIGNALED(status)) << "the run ended before the signal";
        EXPECT_EQ(WTERMSIG(status), signalNumber);
        std::vector<std::string> left;
        for (const auto& entry : fs::directory_iterator(cli.folder()))
            left.push_back(entry.path().filename().string());
        std::sort(left.begin(), left.end());
        EXPECT_EQ(left, (std::vector<std::string>{"big.txt", "out.txt"}));
        EXPECT_EQ(cli.read("out.txt"), "previous");
    }
}

// create-database links the finished file to its name and then syncs the
// folder, so that the new name survives a power cut. (The leak checker of a
// sanitizer build cannot run under strace, so it is off for this run.)
TEST(CliFiles, CreateDatabaseSyncsTheFolderAfterTheLink) {
    if (std::system("strace -V > /dev/null 2>&1") != 0)
        GTEST_SKIP() << "strace is not installed";
    CliRunner cli;
    const std::string command = "cd '" + cli.folder().string() +
                                "' && ASAN_OPTIONS=detect_leaks=0 strace -f -e "
                                "trace=link,linkat,fsync -o trace.txt '" +
                                FIELDIZER_CLI + "' create-database new.mdb";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::string trace = cli.read("trace.txt");
    const std::size_t link = trace.find("link");
    ASSERT_NE(link, std::string::npos) << trace;
    EXPECT_NE(trace.find("fsync(", link), std::string::npos) << trace;
}

} // namespace
} // namespace fieldizer::testing
