#pragma once
// FileDialogs for tests: every dialog takes the next answer of the script
// (a path, or empty for Cancel) and is kept with its request; every input
// box the next scripted text. A dialog or input box beyond the script fails
// the test that opened it (and sets `unexpected`) and is cancelled.

#include "shell/dialogs/file_dialogs.h"

#include <deque>
#include <gtest/gtest.h>
#include <vector>

namespace fieldizer::testing {

class ScriptedFileDialogs final : public FileDialogs {
  public:
    explicit ScriptedFileDialogs(std::deque<std::filesystem::path> files = {})
        : files_(std::move(files)) {}

    std::filesystem::path chooseFile(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (files_.empty()) {
            unexpected = true;
            ADD_FAILURE() << "unscripted file dialog: " << request.title;
            return {};
        }
        std::filesystem::path file = std::move(files_.front());
        files_.pop_front();
        return file;
    }
    std::optional<std::string> inputText(const std::string& prompt, const std::string& title,
                                         const std::string&) override {
        prompts.push_back(prompt);
        titles.push_back(title);
        if (inputs_.empty()) {
            unexpected = true;
            ADD_FAILURE() << "unscripted input box: " << prompt;
            return std::nullopt;
        }
        std::optional<std::string> answer = std::move(inputs_.front());
        inputs_.pop_front();
        return answer;
    }
    void add(std::filesystem::path file) { files_.push_back(std::move(file)); }
    // The next input box's answer; nothing stands for Cancel.
    void addInput(std::optional<std::string> answer) { inputs_.push_back(std::move(answer)); }

    std::vector<FileDialogRequest> requests;
    std::vector<std::string> prompts; // every input box's prompt, in order
    std::vector<std::string> titles;  // and its title
    bool unexpected = false;

  private:
    std::deque<std::filesystem::path> files_;
    std::deque<std::optional<std::string>> inputs_;
};

} // namespace fieldizer::testing
