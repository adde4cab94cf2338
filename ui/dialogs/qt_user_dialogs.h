#pragma once
// UserDialogs answered by real message boxes: the title, buttons, icon and
// default button the message asks for, modal over `parent`.

#include "text_engine/user_dialogs.h"

class QWidget;

namespace fieldizer::ui {

class QtUserDialogs final : public UserDialogs {
  public:
    explicit QtUserDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    Answer ask(const Message& question) override;
    void tell(const Message& message) override;

  private:
    QWidget* parent_;
};

} // namespace fieldizer::ui
