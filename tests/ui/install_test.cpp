// `cmake --install` into a scratch prefix: the program, the command line,
// the desktop entry, its icon and the launcher land where a desktop finds
// them, and the launcher starts the program in the user's data folder.
#include "scratch_folder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace fieldizer::testing {
namespace {

namespace fs = std::filesystem;

bool isExecutable(const fs::path& path) {
    return fs::is_regular_file(path) &&
           (fs::status(path).permissions() & fs::perms::owner_exec) != fs::perms::none;
}

std::string readText(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

int runShell(const std::string& command) {
    return std::system(command.c_str());
}

class Install : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        prefix_ = new ScratchFolder;
        installStatus_ =
            runShell(std::string("'") + FIELDIZER_CMAKE + "' --install '" + FIELDIZER_BUILD_DIR +
                     "' --prefix '" + prefix_->path().string() + "' >/dev/null");
    }
    static void TearDownTestSuite() {
        delete prefix_;
        prefix_ = nullptr;
    }
    static fs::path installed(const std::string& name) { return prefix_->path() / name; }

    // A bin folder with the installed launcher and command line beside a
    // stand-in program that writes down where and with what it started.
    fs::path launcherBeside(const ScratchFolder& scratch) const {
        const fs::path bin = scratch.folder("bin");
        fs::copy_file(installed("bin/fieldizer-launcher"), bin / "fieldizer-launcher");
        fs::create_symlink(installed("bin/fieldizer-cli"), bin / "fieldizer-cli");
        const std::string stub = "#!/bin/sh\n{ pwd; for a; do echo \"$a\"; done; } > '" +
                                 scratch.file("started") + "'\n";
        std::ofstream(bin / "fieldizer") << stub;
        fs::permissions(bin / "fieldizer", fs::perms::owner_all);
        return bin / "fieldizer-launcher";
    }

    static ScratchFolder* prefix_;
    static int installStatus_;
};

ScratchFolder* Install::prefix_ = nullptr;
int Install::installStatus_ = -1;

TEST_F(Install, putsTheProgramsTheDesktopEntryAndTheIconInThePrefix) {
    ASSERT_EQ(installStatus_, 0);
    EXPECT_TRUE(isExecutable(installed("bin/fieldizer")));
    EXPECT_TRUE(isExecutable(installed("bin/fieldizer-cli")));
    EXPECT_TRUE(isExecutable(installed("bin/fieldizer-launcher")));
    EXPECT_TRUE(fs::is_regular_file(installed("share/icons/hicolor/scalable/apps/fieldizer.svg")));
    const std::string entry = readText(installed("share/applications/fieldizer.desktop"));
    EXPECT_NE(entry.find("\nExec=fieldizer-launcher %f\n"), std::string::npos) << entry;
    EXPECT_NE(entry.find("\nIcon=fieldizer\n"), std::string::npos);
    EXPECT_NE(entry.find("MimeType=text/plain;"), std::string::npos);
}

TEST_F(Install, theLauncherStartsInTheDataFolderWithADatabaseAndTheFileByItsFullPath) {
    ASSERT_EQ(installStatus_, 0);
    ScratchFolder scratch;
    const fs::path launcher = launcherBeside(scratch);
    const fs::path home = scratch.folder("home");
    const fs::path from = scratch.folder("documents");
    const std::string run = "cd '" + from.string() + "' && env -u XDG_DATA_HOME HOME='" +
                            home.string() + "' '" + launcher.string() + "' ";

    ASSERT_EQ(runShell(run + "report.txt"), 0);
    const fs::path data = home / ".local/share/Fieldizer";
    EXPECT_TRUE(fs::is_regular_file(data / "fieldizer.mdb"));
    // A file that does not exist yet is still handed over, by its full path.
    EXPECT_EQ(readText(scratch.file("started")),
              data.string() + "\n" + (from / "report.txt").string() + "\n");

    // The user's database is kept; without a file the program starts bare.
    std::ofstream(data / "fieldizer.mdb", std::ios::trunc) << "mine";
    ASSERT_EQ(runShell(run), 0);
    EXPECT_EQ(readText(data / "fieldizer.mdb"), "mine");
    EXPECT_EQ(readText(scratch.file("started")), data.string() + "\n");
}

// --help and --version print and end, with no display and no window.
TEST_F(Install, theProgramPrintsItsUsageAndVersionWithoutADisplay) {
    ASSERT_EQ(installStatus_, 0);
    ScratchFolder scratch;
    for (const std::string option : {"--help", "--version"}) {
        const std::string command =
            "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 20 '" +
            installed("bin/fieldizer").string() + "' " + option + " > '" + scratch.file("printed") +
            "' 2>/dev/null";
        EXPECT_EQ(runShell(command), 0) << option;
        const std::string printed = readText(scratch.file("printed"));
        EXPECT_EQ(printed.rfind(option == "--help" ? "Usage: fieldizer [FILE]\n" : "fieldizer ", 0),
                  0u)
            << printed;
    }
}

} // namespace
} // namespace fieldizer::testing
