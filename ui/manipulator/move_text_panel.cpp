#include "ui/manipulator/move_text_panel.h"

#include "shell/operation_fields/field_rules.h"
#include "text_engine/move_text.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace fieldizer::ui {

namespace names = manipulatorControls;

MoveTextPanel::MoveTextPanel(QWidget* page)
    : OperationPanel(operationKind(moveParameters, moveOperation, checkMoveFields), page) {
    setObjectName(QLatin1String(names::movePanel));
    FieldGrid& fields = grid();
    textToMove_ = fields.editableCombo(
        names::textToMove, "textToMove",
        "Enter text to move/Select move type:", {"General Move", "Specific Move"},
        "Enter text to move, or select from the dropdown list.");
    moveSpecificText_ = fields.lineEdit(
        names::moveSpecificText, "moveSpecificText",
        "Specific text to move:", "Enter specific text to move, and specify columns.");
    moveFromCol_ = fields.numberBox(names::moveFromCol, names::moveFromColSpinner, "moveFromCol",
                                    "Move from column:");
    moveNumOfChars_ = fields.numberBox(names::moveNumOfChars, names::moveNumOfCharsSpinner,
                                       "moveNumOfChars", "# of characters:");
    moveToCol_ =
        fields.numberBox(names::moveToCol, names::moveToColSpinner, "moveToCol", "Move to column:");
    QCheckBox* moveEndOfLine =
        fields.checkBox(names::moveEndOfLine, "moveEndOfLine", "Move to end of line", false);
    const PanelField moveOptions =
        fields.spacesOption(names::moveOptions, "moveOptions", "Optons:");
    const PanelField moveSpaces =
        fields.numberBox(names::moveSpaces, names::moveSpacesSpinner, "moveSpaces", "# of spaces:");
    movePlaceSpaces_ = fields.placeSpaces(names::movePlaceSpaces, "movePlaceSpaces");
    addAfterProcessBoxes(names::moveAfterProcess, "moveAfterProcess", names::moveAfterProcessShow,
                         "moveAfterProcessShow");
    addProcessButton(names::moveProcessButton, 2);
    selectAllAfterProcess_ = true;

    onChange(textToMove_.control, [this] { textToMoveRule(); });
    auto moveEndOfLineRule = endOfLineRule(moveEndOfLine, moveToCol_);
    auto moveOptionsRule = spacesRule(moveOptions, {moveSpaces, movePlaceSpaces_});
    onChange(moveToCol_.control, [this] { moveToColRule(); });
    finishBuilding([=, this] {
        textToMoveRule();
        moveEndOfLineRule();
        moveOptionsRule();
    });
}

void MoveTextPanel::textToMoveRule() {
    const MoveFieldStates states =
        moveFieldStates(fromQString(comboOf(textToMove_)->currentText()));
    moveFromCol_.setEnabled(states.fromColumn);
    moveNumOfChars_.setEnabled(states.numOfChars);
    moveSpecificText_.setEnabled(states.specificText);
}

void MoveTextPanel::moveToColRule() {
    movePlaceSpaces_.setEnabled(
        movePlaceSpacesEnabled(fromQString(lineEditOf(moveToCol_)->text())));
}

} // namespace fieldizer::ui
