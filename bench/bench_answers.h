#pragma once
// The dialogs of a window benchmark or picture: every question is answered
// No, every message printed, no file chosen, and every input box given
// `input` (nothing: Cancel).

#include "shell/dialogs/file_dialogs.h"
#include "text_engine/user_dialogs.h"

#include <cstdio>
#include <optional>
#include <string>

namespace fieldizer::bench {

class FixedAnswers final : public UserDialogs, public FileDialogs {
  public:
    Answer ask(const Message&) override { return Answer::No; }
    void tell(const Message& message) override {
        std::printf("message: %s\n", message.text.c_str());
    }
    std::filesystem::path chooseFile(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> inputText(const std::string&, const std::string&,
                                         const std::string&) override {
        return input;
    }
    std::optional<std::string> input;
};

} // namespace fieldizer::bench
