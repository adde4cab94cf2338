#pragma once
// The "Move Text" tab: the piece to move (a typed text, "General Move" or
// "Specific Move"), its source and target, the spaces around it, and
// "&Process" (Command2), which runs the Move pass.

#include "ui/manipulator/operation_panel.h"

namespace fieldizer::ui {

class MoveTextPanel final : public OperationPanel {
    Q_OBJECT
  public:
    explicit MoveTextPanel(QWidget* page);

  private:
    void textToMoveRule();
    void moveToColRule();

    PanelField textToMove_, moveSpecificText_, moveFromCol_, moveNumOfChars_, moveToCol_,
        movePlaceSpaces_;
};

} // namespace fieldizer::ui
