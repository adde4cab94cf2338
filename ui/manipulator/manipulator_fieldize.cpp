// The "Fieldize Text" tab's place in the Manipulator: its panel on page 6,
// running its pass through the frame every "&Process" shares, and "Add
// Column from Selection" in the text box's context menu.
#include "ui/manipulator/fieldize_text_panel.h"
#include "ui/manipulator/manipulator.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/named_widget.h"
#include "ui/text_box/byte_text_box.h"

#include <QAction>
#include <QTabWidget>
#include <QVBoxLayout>

namespace fieldizer::ui {

namespace {

TextSelection selectionOf(const ByteTextBox& box) {
    const ByteTextBox::SelectionEnds ends = box.selectionEnds();
    TextSelection selection;
    selection.shape =
        ends.rectangular ? TextSelection::Shape::Rectangle : TextSelection::Shape::Stream;
    selection.anchor = {ends.anchor, ends.anchorVirtualSpace};
    selection.caret = {ends.caret, ends.caretVirtualSpace};
    return selection;
}

} // namespace

void Manipulator::buildFieldizePanel() {
    QWidget* page = tabs_->widget(6);
    FieldizePanelLinks links;
    links.text = [this] { return textBox_->bytes(); };
    links.selection = [this] { return selectionOf(*textBox_); };
    links.runPass = [this](const PassRequest& request) { runPass(request); };
    links.runFramed = [this](const std::function<void(PassObserver&)>& work) { runFramed(work); };
    fieldizePanel_ = new FieldizeTextPanel(state_, dialogs_, files_, std::move(links), page);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(fieldizePanel_);
    connect(fieldizePanel_, &FieldizeTextPanel::parametersChanged, this,
            &Manipulator::parametersChanged);
    connect(fieldizePanel_, &FieldizeTextPanel::textGuidesChanged, textBox_,
            &ByteTextBox::setGuideColumns);

    // Picking from the menu leaves the user at the text, to pick the next
    // column; the row waits in the grid.
    auto* addColumn = named(new QAction(QStringLiteral("A&dd Column from Selection"), this),
                            manipulatorControls::addColumnAction);
    connect(addColumn, &QAction::triggered, this, [this] {
        if (!passRunning_)
            fieldizePanel_->addColumnFromSelection();
    });
    textBox_->addContextAction(addColumn);
}

void Manipulator::refreshFieldizeGrid() {
    fieldizePanel_->refresh();
}

void Manipulator::setSettingsName(const std::string& name) {
    fieldizePanel_->setSettingsName(name);
}

} // namespace fieldizer::ui
