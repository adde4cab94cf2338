#include "ui/manipulator/replace_text_panel.h"

#include "text_engine/replace_text.h"
#include "ui/manipulator/mode_rule.h"

#include <QCheckBox>

namespace fieldizer::ui {

ReplaceTextPanel::ReplaceTextPanel(QWidget* page)
    : OperationPanel(operationKind(replaceParameters, replaceOperation, checkReplaceFields), page) {
    setObjectName(QStringLiteral("replaceTextPanel"));
    FieldGrid& fields = grid();
    ModeFields mode{};
    mode.generalItem = "General Replace";
    mode.specificItem = "Specific Replace";
    mode.mode = fields.editableCombo(
        "Combo7", "replaceText",
        "Enter text to replace/Select replace type:", {mode.generalItem, mode.specificItem},
        "Enter text to replace, or select from the dropdown list.");
    mode.specific = fields.lineEdit(
        "Text4", "replaceSpecificText", "Specific text to replace:",
        "Enter specific text to replace, and specify column and number of characters.");
    fields.lineEdit("Text5", "replaceWith", "Replace with:");
    mode.column = fields.numberBox("MaskEdBox11", "UpDown11", "replaceAtCol", "Replace at column:");
    mode.count = fields.numberBox("MaskEdBox8", "UpDown8", "replaceNumOfChars", "# of characters:");
    mode.endOfLine = fields.checkBox("Check3", "replaceEndOfLine", "Replace end of line", false);
    addAfterProcessBoxes("Check7", "replaceAfterProcess", "Check13", "replaceAfterProcessShow");
    addProcessButton("Command4");

    auto check3Rule = endOfLineRule(mode.endOfLine, mode.column);
    onChange(mode.mode.control, [mode] { applyModeRule(mode); });
    finishBuilding([=] {
        applyModeRule(mode);
        check3Rule();
    });
}

} // namespace fieldizer::ui
