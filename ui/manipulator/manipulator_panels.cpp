// The operation tabs Move to Format: one panel each on its page, its
// "&Process" handed to the pass frame and its changes announced.
#include "ui/manipulator/add_text_panel.h"
#include "ui/manipulator/delete_text_panel.h"
#include "ui/manipulator/format_text_panel.h"
#include "ui/manipulator/manipulator.h"
#include "ui/manipulator/move_text_panel.h"
#include "ui/manipulator/replace_text_panel.h"

#include <QLineEdit>
#include <QTabWidget>

namespace fieldizer::ui {

void Manipulator::buildOperationPanels() {
    auto page = [this](int tab) { return tabs_->widget(tab); };
    OperationPanel* panels[] = {new MoveTextPanel(page(1)), new AddTextPanel(page(2)),
                                new ReplaceTextPanel(page(3)), new DeleteTextPanel(page(4)),
                                new FormatTextPanel(page(5))};
    for (OperationPanel* panel : panels) {
        connect(panel, &OperationPanel::parametersChanged, this, &Manipulator::parametersChanged);
        connect(panel, &OperationPanel::processRequested, this,
                [this, panel] { runPass(panel->passRequest()); });
        connect(panel, &OperationPanel::nextTabRequested, tabs_, &QTabWidget::setCurrentIndex);
    }
    // The line length of the Text/Lines tab is a Settings parameter too.
    connect(startLineAfter_, &QLineEdit::textChanged, this, &Manipulator::parametersChanged);
}

void Manipulator::restoreNumberDefaults() {
    for (OperationPanel* panel : findChildren<OperationPanel*>())
        panel->restoreNumberDefaults();
}

} // namespace fieldizer::ui
