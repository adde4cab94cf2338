#include "ui/manipulator/delete_text_panel.h"

#include "text_engine/delete_text.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/mode_rule.h"

#include <QCheckBox>

namespace fieldizer::ui {

namespace names = manipulatorControls;

namespace {

constexpr const char* deleteSpecificTextTip =
    "Enter specific text to del, then specify column/number of chars.  To process a blank "
    "line/carriage return, place cursor in field and hit Enter.  If scrollbar is enabled, at "
    "least two lines/a carriage return is in this field.";

} // namespace

DeleteTextPanel::DeleteTextPanel(QWidget* page)
    : OperationPanel(operationKind(deleteParameters, deleteOperation, checkDeleteFields), page) {
    setObjectName(QLatin1String(names::deletePanel));
    FieldGrid& fields = grid();
    ModeFields mode{};
    mode.generalItem = "General Delete";
    mode.specificItem = "Specific Delete";
    mode.mode = fields.editableCombo(
        names::deleteText, "deleteText",
        "Enter text to delete/Select delete type:", {mode.generalItem, mode.specificItem},
        "Enter text to delete, or select from the dropdown list.");
    mode.specific = fields.multiLine(names::deleteSpecificText, "deleteSpecificText",
                                     "Specific text to delete:", deleteSpecificTextTip);
    mode.column = fields.numberBox(names::deleteFromCol, names::deleteFromColSpinner,
                                   "deleteFromCol", "Delete from column:");
    mode.count = fields.numberBox(names::deleteNumOfChars, names::deleteNumOfCharsSpinner,
                                  "deleteNumOfChars", "# of characters:");
    mode.endOfLine =
        fields.checkBox(names::deleteEndOfLine, "deleteEndOfLine", "Delete end of line", false);
    const PanelField deleteOptions =
        fields.spacesOption(names::deleteOptions, "deleteOptions", "Optons:");
    const PanelField deleteSpaces = fields.numberBox(
        names::deleteSpaces, names::deleteSpacesSpinner, "deleteSpaces", "# of spaces:");
    addAfterProcessBoxes(names::deleteAfterProcess, "deleteAfterProcess",
                         names::deleteAfterProcessShow, "deleteAfterProcessShow");
    addProcessButton(names::deleteProcessButton);

    auto deleteEndOfLineRule = endOfLineRule(mode.endOfLine, mode.column);
    auto deleteOptionsRule = spacesRule(deleteOptions, {deleteSpaces});
    onChange(mode.mode.control, [mode] { applyModeRule(mode); });
    finishBuilding([=] {
        applyModeRule(mode);
        deleteEndOfLineRule();
        deleteOptionsRule();
    });
}

} // namespace fieldizer::ui
