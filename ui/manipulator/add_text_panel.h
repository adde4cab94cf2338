#pragma once
// The "Add Text" tab: the text to add, the optional condition (Enter in the
// empty box selects the empty lines), the column or the end of the line, the
// spaces around the text, and "&Process" (Command3), which runs the Add pass.

#include "ui/manipulator/operation_panel.h"

namespace fieldizer::ui {

class AddTextPanel final : public OperationPanel {
    Q_OBJECT
  public:
    explicit AddTextPanel(QWidget* page);
};

} // namespace fieldizer::ui
