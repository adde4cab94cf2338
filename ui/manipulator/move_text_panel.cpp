#include "ui/manipulator/move_text_panel.h"

#include "text_engine/move_text.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace fieldizer::ui {

MoveTextPanel::MoveTextPanel(QWidget* page)
    : OperationPanel(operationKind(moveParameters, moveOperation, checkMoveFields), page) {
    setObjectName(QStringLiteral("moveTextPanel"));
    FieldGrid& fields = grid();
    combo1_ = fields.editableCombo("Combo1", "textToMove", "Enter text to move/Select move type:",
                                   {"General Move", "Specific Move"},
                                   "Enter text to move, or select from the dropdown list.");
    text1_ = fields.lineEdit("Text1", "moveSpecificText", "Specific text to move:",
                             "Enter specific text to move, and specify columns.");
    maskEdBox1_ = fields.numberBox("MaskEdBox1", "UpDown1", "moveFromCol", "Move from column:");
    maskEdBox3_ = fields.numberBox("MaskEdBox3", "UpDown3", "moveNumOfChars", "# of characters:");
    maskEdBox2_ = fields.numberBox("MaskEdBox2", "UpDown2", "moveToCol", "Move to column:");
    QCheckBox* check1 = fields.checkBox("Check1", "moveEndOfLine", "Move to end of line", false);
    const PanelField combo2 = fields.spacesOption("Combo2", "moveOptions", "Optons:");
    const PanelField maskEdBox5 =
        fields.numberBox("MaskEdBox5", "UpDown5", "moveSpaces", "# of spaces:");
    combo3_ = fields.placeSpaces("Combo3", "movePlaceSpaces");
    addAfterProcessBoxes("Check5", "moveAfterProcess", "Check11", "moveAfterProcessShow");
    addProcessButton("Command2", 2);
    selectAllAfterProcess_ = true;

    onChange(combo1_.control, [this] { combo1Rule(); });
    auto check1Rule = endOfLineRule(check1, maskEdBox2_);
    auto combo2Rule = spacesRule(combo2, {maskEdBox5, combo3_});
    onChange(maskEdBox2_.control, [this] { maskEdBox2Rule(); });
    finishBuilding([=, this] {
        combo1Rule();
        check1Rule();
        combo2Rule();
    });
}

// A typed text is moved wherever it stands: the columns and the specific
// text mean nothing then. "Move to column:" and the spaces stay as they are.
void MoveTextPanel::combo1Rule() {
    const QString mode = comboOf(combo1_)->currentText();
    const bool typed =
        !mode.isEmpty() && mode != latin("General Move") && mode != latin("Specific Move");
    maskEdBox1_.setEnabled(!typed);
    maskEdBox3_.setEnabled(!typed);
    text1_.setEnabled(mode == latin("Specific Move"));
}

// A target column given greys out the place of spaces, though the pass still
// reads it.
void MoveTextPanel::maskEdBox2Rule() {
    combo3_.setEnabled(lineEditOf(maskEdBox2_)->text().isEmpty());
}

} // namespace fieldizer::ui
