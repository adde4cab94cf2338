#include "ui/manipulator/format_text_panel.h"

#include "text_engine/format_text.h"

#include <QComboBox>
#include <QLineEdit>

namespace fieldizer::ui {

namespace {

constexpr const char* combo9Tip =
    "If there are a series of delimiters in 1 line, enter them as they would occur (no "
    "spaces).  Separately, spaces may be used as a delimiter.";

} // namespace

FormatTextPanel::FormatTextPanel(QWidget* page)
    : OperationPanel(operationKind(formatParameters, formatOperation, checkFormatFields), page) {
    setObjectName(QStringLiteral("formatTextPanel"));
    FieldGrid& fields = grid();
    combo12_ = fields.listCombo("Combo12", "formatCreate",
                                "At delimiter, create:", {"New column", "New line"}, "New line");
    fields.editableCombo("Combo9", "formatDelimiter", "Select delimiter, or enter delimiter(s)",
                         {";", ",", "\"", "|", "=", "/", "\\"}, combo9Tip);
    fields.listCombo("Combo14", "formatLineStart", "Line starts with delimiter?", {"Yes", "No"},
                     "No");
    maskEdBox16_ = fields.numberBox("MaskEdBox16", "UpDown16", "formatSpacesBetweenCols",
                                    "Spaces between columns:");
    combo13_ =
        fields.listCombo("Combo13", "formatAddText",
                         "Add text:", {"Start of line", "End of line", "Omit text"}, "Omit text");
    text9_ = fields.lineEdit("Text9", "formatTextToAdd", "Text to add:",
                             "Enter text to add, or specify the column where text starts, and "
                             "the number of characters.");
    maskEdBox14_ =
        fields.numberBox("MaskEdBox14", "UpDown14", "formatAddFromCol", "Add text from column:");
    maskEdBox15_ =
        fields.numberBox("MaskEdBox15", "UpDown15", "formatNumOfChars", "# of characters:");
    combo15_ = fields.listCombo("Combo15", "formatFirstSection",
                                "Add text to first delimited section?", {"No", "Yes"}, "Yes");
    combo15_.control->setToolTip(latin("If the text to add is being taken from the first "
                                       "delimited section of each original line, select no."));
    combo10_ = fields.spacesOption("Combo10", "formatOptions", "Added text:");
    combo11_ = fields.placeSpaces("Combo11", "formatPlaceSpaces");
    maskEdBox13_ = fields.numberBox("MaskEdBox13", "UpDown13", "formatSpaces", "# of spaces:");
    addAfterProcessBoxes("Check9", "formatAfterProcess", "Check15", "formatAfterProcessShow");
    addProcessButton("Command6");

    onChange(combo12_.control, [this] { combo12Rule(); });
    onChange(combo13_.control, [this] { combo13Rule(); });
    onChange(text9_.control, [this] {
        const bool empty = lineEditOf(text9_)->text().isEmpty();
        maskEdBox14_.setEnabled(empty);
        maskEdBox15_.setEnabled(empty);
    });
    onChange(maskEdBox14_.control,
             [this] { text9_.setEnabled(lineEditOf(maskEdBox14_)->text().toInt() < 1); });
    combo10Rule_ = spacesRule(combo10_, {maskEdBox13_, combo11_});
    finishBuilding([this] {
        combo12Rule();
        combo13Rule();
    });
}

// The items of "Add text:" speak of columns or of lines as the sections
// become either; the choice keeps its place in the list.
void FormatTextPanel::combo12Rule() {
    const QString create = comboOf(combo12_)->currentText();
    const bool newColumn = create == latin("New column");
    if (newColumn)
        fillCombo13({latin("Start of column"), latin("End of column"), latin("Omit text")});
    else if (create == latin("New line"))
        fillCombo13({latin("Start of line"), latin("End of line"), latin("Omit text")});
    else
        setAddedTextEnabled(false);
    maskEdBox16_.setVisible(newColumn);
}

void FormatTextPanel::fillCombo13(const QStringList& items) {
    QComboBox* combo = comboOf(combo13_);
    QStringList current;
    for (int i = 0; i < combo->count(); ++i)
        current << combo->itemText(i);
    if (current == items)
        return; // the focus re-applies the rule: nothing changes then
    const int index = combo->currentIndex();
    combo->clear();
    combo->addItems(items);
    combo->setCurrentIndex(index >= 0 ? index : static_cast<int>(items.size()) - 1);
}

void FormatTextPanel::combo13Rule() {
    if (comboOf(combo13_)->currentText() == latin("Omit text"))
        return setAddedTextEnabled(false);
    combo10_.setEnabled(true);
    text9_.setEnabled(true);
    combo15_.setEnabled(true);
    const bool fromLine = lineEditOf(text9_)->text().isEmpty();
    maskEdBox14_.setEnabled(fromLine);
    maskEdBox15_.setEnabled(fromLine);
    // The spaces fields follow "Added text:" again, which was greyed out.
    combo10Rule_();
}

void FormatTextPanel::setAddedTextEnabled(bool enabled) {
    for (const PanelField& field :
         {combo10_, combo11_, maskEdBox13_, text9_, maskEdBox14_, maskEdBox15_, combo15_})
        field.setEnabled(enabled);
}

} // namespace fieldizer::ui
