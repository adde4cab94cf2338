#pragma once
// The "Replace Text" tab: the text to find (or "General Replace", "Specific
// Replace"), the place, the replacement, and "&Process" (Command4), which
// runs the Replace pass.

#include "ui/manipulator/operation_panel.h"

namespace fieldizer::ui {

class ReplaceTextPanel final : public OperationPanel {
    Q_OBJECT
  public:
    explicit ReplaceTextPanel(QWidget* page);
};

} // namespace fieldizer::ui
