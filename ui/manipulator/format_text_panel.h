#pragma once
// The "Format Text" tab: what a delimiter creates, the delimiter, the text
// added to each section with its spaces, and "&Process" (Command6), which
// runs the Format pass.

#include "ui/manipulator/operation_panel.h"

#include <functional>
#include <string_view>
#include <vector>

namespace fieldizer::ui {

class FormatTextPanel final : public OperationPanel {
    Q_OBJECT
  public:
    explicit FormatTextPanel(QWidget* page);

  private:
    void formatCreateRule();
    void formatAddTextRule();
    void formatTextToAddRule();
    void fillAddTextItems(const std::vector<std::string_view>& items);
    void setAddedTextEnabled(bool enabled);

    PanelField formatCreate_, formatSpacesBetweenCols_, formatAddText_, formatTextToAdd_,
        formatAddFromCol_, formatNumOfChars_, formatFirstSection_, formatOptions_,
        formatPlaceSpaces_, formatSpaces_;
    std::function<void()> formatOptionsRule_;
};

} // namespace fieldizer::ui
