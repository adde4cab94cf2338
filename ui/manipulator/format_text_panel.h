#pragma once
// The "Format Text" tab: what a delimiter creates, the delimiter, the text
// added to each section with its spaces, and "&Process" (Command6), which
// runs the Format pass.

#include "ui/manipulator/operation_panel.h"

#include <functional>

namespace fieldizer::ui {

class FormatTextPanel final : public OperationPanel {
    Q_OBJECT
  public:
    explicit FormatTextPanel(QWidget* page);

  private:
    void combo12Rule();
    void combo13Rule();
    void fillCombo13(const QStringList& items);
    void setAddedTextEnabled(bool enabled);

    PanelField combo12_, maskEdBox16_, combo13_, text9_, maskEdBox14_, maskEdBox15_, combo15_,
        combo10_, combo11_, maskEdBox13_;
    std::function<void()> combo10Rule_;
};

} // namespace fieldizer::ui
