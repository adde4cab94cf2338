// The "Fieldize Text" tab's place in the Manipulator: its panel on page 6,
// running its pass through the frame every "&Process" shares.
#include "ui/manipulator/fieldize_text_panel.h"
#include "ui/manipulator/manipulator.h"
#include "ui/text_box/byte_text_box.h"

#include <QTabWidget>
#include <QVBoxLayout>

namespace fieldizer::ui {

void Manipulator::buildFieldizePanel() {
    QWidget* page = tabs_->widget(6);
    fieldizePanel_ = new FieldizeTextPanel(
        state_, dialogs_, [this] { return textBox_->bytes(); },
        [this](const PassRequest& request) { runPass(request); }, page);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fieldizePanel_);
    connect(fieldizePanel_, &FieldizeTextPanel::parametersChanged, this,
            &Manipulator::parametersChanged);
    connect(fieldizePanel_, &FieldizeTextPanel::textGuidesChanged, textBox_,
            &ByteTextBox::setGuideColumns);
}

void Manipulator::refreshFieldizeGrid() {
    fieldizePanel_->refresh();
}

void Manipulator::setSettingsName(const std::string& name) {
    fieldizePanel_->setSettingsName(name);
}

} // namespace fieldizer::ui
