#include "ui/manipulator/replace_text_panel.h"

#include "text_engine/replace_text.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/mode_rule.h"

#include <QCheckBox>

namespace fieldizer::ui {

namespace names = manipulatorControls;

ReplaceTextPanel::ReplaceTextPanel(QWidget* page)
    : OperationPanel(operationKind(replaceParameters, replaceOperation, checkReplaceFields), page) {
    setObjectName(QLatin1String(names::replacePanel));
    FieldGrid& fields = grid();
    ModeFields mode{};
    mode.generalItem = "General Replace";
    mode.specificItem = "Specific Replace";
    mode.mode = fields.editableCombo(
        names::replaceText, "replaceText",
        "Enter text to replace/Select replace type:", {mode.generalItem, mode.specificItem},
        "Enter text to replace, or select from the dropdown list.");
    mode.specific = fields.lineEdit(
        names::replaceSpecificText, "replaceSpecificText", "Specific text to replace:",
        "Enter specific text to replace, and specify column and number of characters.");
    fields.lineEdit(names::replaceWith, "replaceWith", "Replace with:");
    mode.column = fields.numberBox(names::replaceAtCol, names::replaceAtColSpinner, "replaceAtCol",
                                   "Replace at column:");
    mode.count = fields.numberBox(names::replaceNumOfChars, names::replaceNumOfCharsSpinner,
                                  "replaceNumOfChars", "# of characters:");
    mode.endOfLine =
        fields.checkBox(names::replaceEndOfLine, "replaceEndOfLine", "Replace end of line", false);
    addAfterProcessBoxes(names::replaceAfterProcess, "replaceAfterProcess",
                         names::replaceAfterProcessShow, "replaceAfterProcessShow");
    addProcessButton(names::replaceProcessButton);

    auto replaceEndOfLineRule = endOfLineRule(mode.endOfLine, mode.column);
    onChange(mode.mode.control, [mode] { applyModeRule(mode); });
    finishBuilding([=] {
        applyModeRule(mode);
        replaceEndOfLineRule();
    });
}

} // namespace fieldizer::ui
