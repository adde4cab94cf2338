#include "ui/manipulator/delete_text_panel.h"

#include "text_engine/delete_text.h"
#include "ui/manipulator/mode_rule.h"

#include <QCheckBox>

namespace fieldizer::ui {

namespace {

constexpr const char* text6Tip =
    "Enter specific text to del, then specify column/number of chars.  To process a blank "
    "line/carriage return, place cursor in field and hit Enter.  If scrollbar is enabled, at "
    "least two lines/a carriage return is in this field.";

} // namespace

DeleteTextPanel::DeleteTextPanel(QWidget* page)
    : OperationPanel(operationKind(deleteParameters, deleteOperation, checkDeleteFields), page) {
    setObjectName(QStringLiteral("deleteTextPanel"));
    FieldGrid& fields = grid();
    ModeFields mode{};
    mode.generalItem = "General Delete";
    mode.specificItem = "Specific Delete";
    mode.mode = fields.editableCombo(
        "Combo6", "deleteText",
        "Enter text to delete/Select delete type:", {mode.generalItem, mode.specificItem},
        "Enter text to delete, or select from the dropdown list.");
    mode.specific =
        fields.multiLine("Text6", "deleteSpecificText", "Specific text to delete:", text6Tip);
    mode.column = fields.numberBox("MaskEdBox7", "UpDown7", "deleteFromCol", "Delete from column:");
    mode.count =
        fields.numberBox("MaskEdBox10", "UpDown10", "deleteNumOfChars", "# of characters:");
    mode.endOfLine = fields.checkBox("Check4", "deleteEndOfLine", "Delete end of line", false);
    const PanelField combo8 = fields.spacesOption("Combo8", "deleteOptions", "Optons:");
    const PanelField maskEdBox12 =
        fields.numberBox("MaskEdBox12", "UpDown12", "deleteSpaces", "# of spaces:");
    addAfterProcessBoxes("Check8", "deleteAfterProcess", "Check14", "deleteAfterProcessShow");
    addProcessButton("Command5");

    auto check4Rule = endOfLineRule(mode.endOfLine, mode.column);
    auto combo8Rule = spacesRule(combo8, {maskEdBox12});
    onChange(mode.mode.control, [mode] { applyModeRule(mode); });
    finishBuilding([=] {
        applyModeRule(mode);
        check4Rule();
        combo8Rule();
    });
}

} // namespace fieldizer::ui
