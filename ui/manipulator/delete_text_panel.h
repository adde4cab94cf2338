#pragma once
// The "Delete Text" tab: the text to delete (or "General Delete", "Specific
// Delete"), the place, the spaces left in its place, the blank-line rule (a
// specific text of one line break), and "&Process" (Command5), which runs the
// Delete pass.

#include "ui/manipulator/operation_panel.h"

namespace fieldizer::ui {

class DeleteTextPanel final : public OperationPanel {
    Q_OBJECT
  public:
    explicit DeleteTextPanel(QWidget* page);
};

} // namespace fieldizer::ui
