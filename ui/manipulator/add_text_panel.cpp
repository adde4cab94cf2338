#include "ui/manipulator/add_text_panel.h"

#include "text_engine/add_text.h"

#include <QCheckBox>

namespace fieldizer::ui {

namespace {

constexpr const char* text3Tip =
    "If left blank, the text will be added to all lines.  To process a blank line/carriage "
    "return, place cursor in field and hit Enter.  If scrollbar is enabled, at least two "
    "lines/a carriage return is in this field.";

} // namespace

AddTextPanel::AddTextPanel(QWidget* page)
    : OperationPanel(operationKind(addParameters, addOperation, checkAddFields), page) {
    setObjectName(QStringLiteral("addTextPanel"));
    FieldGrid& fields = grid();
    fields.lineEdit("Text2", "addText", "Text to add:", "Enter text to add, and specify column.");
    fields.multiLine("Text3", "addIfContains", "Add text if line contains (optional):", text3Tip);
    const PanelField maskEdBox9 =
        fields.numberBox("MaskEdBox9", "UpDown9", "addAtCol", "Add at column:");
    QCheckBox* check2 = fields.checkBox("Check2", "addEndOfLine", "Add to end of line", false);
    const PanelField combo5 = fields.spacesOption("Combo5", "addOptions", "Options:");
    const PanelField maskEdBox6 =
        fields.numberBox("MaskEdBox6", "UpDown6", "addSpaces", "# of spaces:");
    const PanelField combo4 = fields.placeSpaces("Combo4", "addPlaceSpaces");
    addAfterProcessBoxes("Check6", "addAfterProcess", "Check12", "addAfterProcessShow");
    addProcessButton("Command3", 1);

    auto check2Rule = endOfLineRule(check2, maskEdBox9);
    auto combo5Rule = spacesRule(combo5, {maskEdBox6, combo4});
    finishBuilding([=] {
        check2Rule();
        combo5Rule();
    });
}

} // namespace fieldizer::ui
