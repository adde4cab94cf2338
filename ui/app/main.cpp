// fieldizer [FILE]: the desktop program. FILE, when given, opens in the
// Manipulator as "&Open File..." would. --help and --version print and end
// without opening a window (and without needing a display).
#include "ui/app/huge_pages.h"
#include "ui/dialogs/qt_file_dialogs.h"
#include "ui/dialogs/qt_user_dialogs.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <cstring>
#include <filesystem>
#include <iostream>

namespace {

constexpr const char* usage =
    "Usage: fieldizer [FILE]\n"
    "The Fieldizer desktop program: turns loosely formatted text reports into\n"
    "database records. FILE, when given, opens in the Manipulator window.\n"
    "The program's database is fieldizer.mdb, looked for in the current folder.\n"
    "The same work without a window: fieldizer-cli --help.\n"
    "\n"
    "  --help     print this text and exit\n"
    "  --version  print the version and exit\n";

// True when the first argument asked for the usage or the version, which are
// then printed.
bool printedInformation(int argc, char* argv[]) {
    if (argc < 2)
        return false;
    if (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        std::cout << usage;
        return true;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << "fieldizer " << FIELDIZER_VERSION << '\n';
        return true;
    }
    return false;
}

} // namespace

int main(int argc, char* argv[]) {
    if (printedInformation(argc, argv))
        return 0;
    fieldizer::ui::restartWithHugePages(argv);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Fieldizer"));
    // Ties the window to the installed desktop entry, whose icon it shows.
    QGuiApplication::setDesktopFileName(QStringLiteral("fieldizer"));
    const QStringList arguments = QApplication::arguments();
    // A file named relative to where the program started, before start-up
    // may move to the database's folder.
    std::string file;
    if (arguments.size() > 1)
        file = std::filesystem::absolute(QFile::encodeName(arguments[1]).toStdString()).string();

    fieldizer::ProgramState state;
    fieldizer::ui::QtUserDialogs dialogs;
    fieldizer::ui::QtFileDialogs files;
    fieldizer::ui::MainWindow window(state, dialogs, files);
    dialogs.setParent(&window);
    files.setParent(&window);
    window.show();
    if (!window.start(std::filesystem::current_path()))
        return 0;
    if (!file.empty())
        window.openFileCommand(file);
    return QApplication::exec();
}
