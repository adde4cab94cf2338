// Open and Save As of the same report in UTF-8 and in Windows-1252 through
// the real window on the offscreen platform, best of 3 each, and the
// conversion alone in memory: UTF-8 into the program's text and back.
// usage: encoding_bench UTF8-REPORT WINDOWS-1252-REPORT OUTPUT
#include "bench_window.h"
#include "shell/text_files/input_text.h"
#include "text_engine/text_encoding.h"
#include "ui/app/huge_pages.h"
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"

#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
constexpr int runs = 3;

template <class Action> double seconds(Action action) {
    const auto start = Clock::now();
    action();
    QApplication::processEvents();
    return std::chrono::duration<double>(Clock::now() - start).count();
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

struct Times {
    double open = 1e9;
    double save = 1e9;
};

// One Open and one Save As, each kept when it is the best so far.
void openAndSave(fieldizer::bench::BenchWindow& bench, const std::string& report,
                 const std::string& output, Times& best) {
    auto& window = bench.window();
    std::filesystem::remove(output);
    best.open = std::min(best.open, seconds([&] { window.openFileCommand(report); }));
    bench.dialogs().nextFile = output;
    best.save = std::min(best.save, seconds([&] { window.manipulator()->saveFileAs(); }));
}

void printTimes(const std::string& report, const Times& best, bool cameBack) {
    std::printf("%-40s open %.3f s, save as %.3f s, %s\n",
                std::filesystem::path(report).filename().c_str(), best.open, best.save,
                cameBack ? "byte for byte" : "CHANGED");
}

// UTF-8 into the program's text where it lies, and back into a buffer.
void conversionAlone(const std::string& report) {
    double decode = 1e9;
    double encode = 1e9;
    std::size_t size = 0;
    for (int run = 0; run < runs; ++run) {
        auto input = fieldizer::files::InputText::openFile(report);
        size = input.bytes().size();
        decode = std::min(
            decode, seconds([&] { input.decode(fieldizer::EncodingChoice::Automatic, report); }));
        const std::string_view text = input.bytes();
        auto out = std::make_unique_for_overwrite<char[]>(fieldizer::encodedSizeLimit(text.size()));
        encode = std::min(encode, seconds([&] {
                              fieldizer::encodeText(text, fieldizer::Encoding::Utf8, out.get());
                          }));
    }
    std::printf("conversion alone: decode %.3f s (%.0f MB/s), encode %.3f s (%.0f MB/s)\n", decode,
                static_cast<double>(size) / 1e6 / decode, encode,
                static_cast<double>(size) / 1e6 / encode);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: encoding_bench UTF8-REPORT WINDOWS-1252-REPORT OUTPUT\n");
        return 2;
    }
    fieldizer::ui::restartWithHugePages(argv); // as the program starts
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string utf8 = std::filesystem::absolute(argv[1]).string();
    const std::string windows1252 = std::filesystem::absolute(argv[2]).string();
    const std::string output = std::filesystem::absolute(argv[3]).string();
    fieldizer::bench::BenchWindow bench(std::filesystem::temp_directory_path() /
                                        "fieldizer-encoding-bench");
    // Taken in turns, so that neither pays alone for what a process's first
    // runs cost.
    Times ofUtf8;
    Times ofWindows;
    bool cameBack[2] = {true, true};
    for (int run = 0; run < runs; ++run) {
        openAndSave(bench, utf8, output, ofUtf8);
        cameBack[0] = cameBack[0] && fileBytes(output) == fileBytes(utf8);
        openAndSave(bench, windows1252, output, ofWindows);
        cameBack[1] = cameBack[1] && fileBytes(output) == fileBytes(windows1252);
    }
    printTimes(utf8, ofUtf8, cameBack[0]);
    printTimes(windows1252, ofWindows, cameBack[1]);
    std::printf("window, UTF-8 / Windows-1252: open+save as %.2f (target at most 1.3)\n",
                (ofUtf8.open + ofUtf8.save) / (ofWindows.open + ofWindows.save));
    conversionAlone(utf8);
    std::filesystem::remove(output);
    return 0;
}
