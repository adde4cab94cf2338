// The desktop program on a large report, through its real windows on the
// offscreen platform: open and show, Join Lines and Break into lines from the
// click to the text shown, Find All of a word, how soon Stop takes effect,
// and the peak memory. usage: ui_bench REPORT WORD
#include "bench_window.h"
#include "ui/find/find_window.h"
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"
#include "ui/text_box/byte_text_box.h"
#include "workbench/fieldizer_database.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Runs `action` and the event loop until the window has painted.
template <class Action> double timed(Action action) {
    const auto start = Clock::now();
    action();
    QApplication::processEvents();
    return secondsSince(start);
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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string report = std::filesystem::absolute(argv[1]).string();
    fieldizer::bench::BenchWindow bench(std::filesystem::temp_directory_path() /
                                        "fieldizer-ui-bench");
    auto& window = bench.window();
    auto& manipulator = *window.manipulator();

    std::printf("open and show: %.2f s\n", timed([&] { window.openFileCommand(report); }));
    std::printf("join lines:    %.2f s\n", timed([&] { click(&manipulator, "Command13"); }));
    manipulator.undo();
    manipulator.findChild<QLineEdit*>(QStringLiteral("MaskEdBox17"))->setText(QStringLiteral("40"));
    std::printf("break lines:   %.2f s\n", timed([&] { click(&manipulator, "Command14"); }));
    manipulator.undo();

    window.showFind();
    auto* find = window.findWindow();
    find->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QString::fromLatin1(argv[2]));
    find->findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(false);
    const double findAll = timed([&] { find->findAll(); });
    std::printf("find all:      %.2f s\n", findAll);

    std::optional<Clock::time_point> stopClicked;
    QTimer::singleShot(300, [&] {
        stopClicked = Clock::now();
        click(&manipulator, "Command17");
    });
    click(&manipulator, "Command13");
    if (stopClicked)
        std::printf("stop effect:   %.0f ms\n", secondsSince(*stopClicked) * 1000);
    else
        std::printf("stop effect:   Join Lines ended before Stop (text too short)\n");

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory:   %ld MB (file %ld MB)\n", usage.ru_maxrss / 1024,
                static_cast<long>(std::filesystem::file_size(report) / (1024 * 1024)));
    return 0;
}
