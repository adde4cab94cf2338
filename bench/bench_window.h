#pragma once
// The desktop program for a benchmark: the main window on the offscreen
// platform over a fresh program database in a scratch folder, every message
// printed and answered No, a file dialog answered only when told the file.

#include "shell/dialogs/file_dialogs.h"
#include "text_engine/user_dialogs.h"
#include "ui/main_window/main_window.h"
#include "workbench/fieldizer_database.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <utility>

namespace fieldizer::bench {

class Silent final : public UserDialogs, public FileDialogs {
  public:
    Answer ask(const Message&) override { return Answer::No; }
    void tell(const Message& message) override {
        last = message.text;
        std::printf("message:       %s\n", last.c_str());
    }
    // The file chosen in the next file dialog; none (Cancel) unless set.
    std::filesystem::path chooseFile(const FileDialogRequest&) override {
        return std::exchange(nextFile, {});
    }
    std::optional<std::string> inputText(const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
    std::string last;
    std::filesystem::path nextFile;
};

// The window, started in `folder` (made afresh, removed at the end).
class BenchWindow {
  public:
    explicit BenchWindow(std::filesystem::path folder)
        : folder_(std::move(folder)), window_(makeFolder(), dialogs_, dialogs_) {
        window_.show();
        window_.start(folder_, false);
    }
    ~BenchWindow() {
        state_.textModified = false; // no save question at the end
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    ui::MainWindow& window() { return window_; }
    ProgramState& state() { return state_; }
    Silent& dialogs() { return dialogs_; }

  private:
    ProgramState& makeFolder() {
        std::filesystem::remove_all(folder_);
        std::filesystem::create_directories(folder_);
        db::createFieldizerDatabase((folder_ / "fieldizer.mdb").string());
        return state_;
    }

    std::filesystem::path folder_;
    ProgramState state_;
    Silent dialogs_;
    ui::MainWindow window_;
};

} // namespace fieldizer::bench
