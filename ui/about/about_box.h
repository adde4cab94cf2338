#pragma once
// Fieldz2, the About box: modal, centred on the screen; it records its form
// name as the active form while it is shown, and its one button closes it.

#include "shell/program_state/program_state.h"

#include <QDialog>

namespace fieldizer::ui {

class AboutBox final : public QDialog {
    Q_OBJECT
  public:
    AboutBox(ProgramState& state, QWidget* parent = nullptr);
    ~AboutBox() override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    ProgramState& state_;
};

} // namespace fieldizer::ui
