#pragma once
// FileDialogs for tests: every dialog takes the next answer of the script
// (a path, or empty for Cancel) and is kept with its request. A dialog
// beyond the script is a test failure (`unexpected`) and is cancelled.

#include "shell/dialogs/file_dialogs.h"

#include <deque>
#include <vector>

namespace fieldizer::testing {

class ScriptedFileDialogs final : public FileDialogs {
  public:
    explicit ScriptedFileDialogs(std::deque<std::string> files = {}) : files_(std::move(files)) {}

    std::string chooseFile(const FileDialogRequest& request) override {
        requests.push_back(request);
        if (files_.empty()) {
            unexpected = true;
            return {};
        }
        std::string file = std::move(files_.front());
        files_.pop_front();
        return file;
    }
    std::optional<std::string> inputText(const std::string&, const std::string&,
                                         const std::string&) override {
        unexpected = true;
        return std::nullopt;
    }
    void add(std::string file) { files_.push_back(std::move(file)); }

    std::vector<FileDialogRequest> requests;
    bool unexpected = false;

  private:
    std::deque<std::string> files_;
};

} // namespace fieldizer::testing
