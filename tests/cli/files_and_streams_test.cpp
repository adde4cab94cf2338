// --in, --out, standard input and output, and --lf, against the built program.

#include "cli_runner.h"
#include "engine/required_fields.h"

#include <atomic>
#include <chrono>
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
#ifdef __SANITIZE_ADDRESS__
constexpr const char* dataLimit = "";
#else
constexpr const char* dataLimit = "ulimit -d 8192 && ";
#endif

// Runs the program through the shell with its data segment limited to 8 MiB.
int runInEightMiB(const CliRunner& cli, const std::string& arguments) {
    const std::string command = "cd '" + cli.folder().string() + "' && " + dataLimit + "'" +
                                FIELDIZER_CLI + "' " + arguments + " 2>/dev/null";
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Standard output takes the path of --out: the result is handed on in
// pieces, so a result three times the memory the program may take still
// comes out whole.
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

} // namespace
} // namespace fieldizer::testing
