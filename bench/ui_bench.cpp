// The desktop program on a large report, through its real windows on the
// offscreen platform: open and show, Join Lines and Break into lines from the
// click to the text shown, Find All of a word, how soon Stop takes effect,
// the key-up hand-over to the Text Viewer and the peak memory.
// usage: ui_bench REPORT WORD
#include "bench_window.h"
#include "ui/app/huge_pages.h"
#include "ui/find/find_window.h"
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_viewer/text_viewer.h"
#include "workbench/fieldizer_database.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <optional>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double cpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// The processor time of the last timed action: on a machine shared with
// other work the wall time mostly measures the waiting.
double lastCpu = 0;

// Runs `action` and the event loop until the window has painted.
template <class Action> double timed(Action action) {
    const auto start = Clock::now();
    const double cpuStart = cpuSeconds();
    action();
    QApplication::processEvents();
    lastCpu = cpuSeconds() - cpuStart;
    return secondsSince(start);
}

void printTimed(const char* what, double seconds) {
    std::printf("%-14s %.2f s wall, %.2f s cpu\n", what, seconds, lastCpu);
}

void click(QWidget* window, const char* name) {
    window->findChild<QPushButton*>(QLatin1String(name))->click();
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: ui_bench REPORT WORD\n");
        return 2;
    }
    fieldizer::ui::restartWithHugePages(argv); // as the program starts
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string report = std::filesystem::absolute(argv[1]).string();
    fieldizer::bench::BenchWindow bench(std::filesystem::temp_directory_path() /
                                        "fieldizer-ui-bench");
    auto& window = bench.window();
    auto& manipulator = *window.manipulator();

    printTimed("open and show:", timed([&] { window.openFileCommand(report); }));
    printTimed("join lines:", timed([&] { click(&manipulator, "Command13"); }));
    manipulator.undo();
    manipulator.findChild<QLineEdit*>(QStringLiteral("MaskEdBox17"))->setText(QStringLiteral("40"));
    printTimed("break lines:", timed([&] { click(&manipulator, "Command14"); }));
    manipulator.undo();

    window.showFind();
    auto* find = window.findWindow();
    find->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QString::fromLatin1(argv[2]));
    find->findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(false);
    printTimed("find all:", timed([&] { find->findAll(); }));

    std::optional<Clock::time_point> stopClicked;
    QTimer::singleShot(100, [&] {
        stopClicked = Clock::now();
        click(&manipulator, "Command17");
    });
    click(&manipulator, "Command13");
    if (stopClicked)
        std::printf("stop effect:   %.0f ms\n", secondsSince(*stopClicked) * 1000);
    else
        std::printf("stop effect:   Join Lines ended before Stop (text too short)\n");

    // The key-up hand-over from the Text Viewer to the Manipulator: a key
    // that moves the caret, then one that types.
    manipulator.undo();
    window.showTextViewer();
    auto* viewer = window.textViewer()->textBox();
    const auto key = [viewer](Qt::Key code, const QString& text) {
        return timed([&] {
            QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
            QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
            QApplication::sendEvent(viewer, &press);
            QApplication::sendEvent(viewer, &release);
        });
    };
    printTimed("key-up, caret:", key(Qt::Key_Right, {}));
    printTimed("key-up, typed:", key(Qt::Key_X, QStringLiteral("x")));

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory:   %ld MB (file %ld MB)\n", usage.ru_maxrss / 1024,
                static_cast<long>(std::filesystem::file_size(report) / (1024 * 1024)));
    return 0;
}
