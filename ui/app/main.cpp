// fieldizer [FILE]: the desktop program. FILE, when given, opens in the
// Manipulator as "&Open File..." would.
#include "ui/app/huge_pages.h"
#include "ui/dialogs/qt_file_dialogs.h"
#include "ui/dialogs/qt_user_dialogs.h"
#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QFile>
#include <QStringList>
#include <filesystem>

int main(int argc, char* argv[]) {
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
