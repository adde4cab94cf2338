#pragma once
// FileDialogs answered by the system's file dialogs and Qt's input box.

#include "shell/dialogs/file_dialogs.h"

class QWidget;

namespace fieldizer::ui {

class QtFileDialogs final : public FileDialogs {
  public:
    explicit QtFileDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    std::filesystem::path chooseFile(const FileDialogRequest& request) override;
    std::optional<std::string> inputText(const std::string& prompt, const std::string& title,
                                         const std::string& initial) override;

  private:
    QWidget* parent_;
};

} // namespace fieldizer::ui
