#include "ui/manipulator/format_text_panel.h"

#include "text_engine/format_text.h"
#include "ui/manipulator/manipulator_controls.h"

#include <QComboBox>
#include <QLineEdit>

namespace fieldizer::ui {

namespace names = manipulatorControls;

namespace {

constexpr const char* formatDelimiterTip =
    "If there are a series of delimiters in 1 line, enter them as they would occur (no "
    "spaces).  Separately, spaces may be used as a delimiter.";

} // namespace

FormatTextPanel::FormatTextPanel(QWidget* page)
    : OperationPanel(operationKind(formatParameters, formatOperation, checkFormatFields), page) {
    setObjectName(QLatin1String(names::formatPanel));
    FieldGrid& fields = grid();
    formatCreate_ =
        fields.listCombo(names::formatCreate, "formatCreate",
                         "At delimiter, create:", {"New column", "New line"}, "New line");
    fields.editableCombo(names::formatDelimiter, "formatDelimiter",
                         "Select delimiter, or enter delimiter(s)",
                         {";", ",", "\"", "|", "=", "/", "\\"}, formatDelimiterTip);
    fields.listCombo(names::formatLineStart, "formatLineStart", "Line starts with delimiter?",
                     {"Yes", "No"}, "No");
    formatSpacesBetweenCols_ =
        fields.numberBox(names::formatSpacesBetweenCols, names::formatSpacesBetweenColsSpinner,
                         "formatSpacesBetweenCols", "Spaces between columns:");
    formatAddText_ =
        fields.listCombo(names::formatAddText, "formatAddText",
                         "Add text:", {"Start of line", "End of line", "Omit text"}, "Omit text");
    formatTextToAdd_ =
        fields.lineEdit(names::formatTextToAdd, "formatTextToAdd", "Text to add:",
                        "Enter text to add, or specify the column where text starts, and "
                        "the number of characters.");
    formatAddFromCol_ = fields.numberBox(names::formatAddFromCol, names::formatAddFromColSpinner,
                                         "formatAddFromCol", "Add text from column:");
    formatNumOfChars_ = fields.numberBox(names::formatNumOfChars, names::formatNumOfCharsSpinner,
                                         "formatNumOfChars", "# of characters:");
    formatFirstSection_ =
        fields.listCombo(names::formatFirstSection, "formatFirstSection",
                         "Add text to first delimited section?", {"No", "Yes"}, "Yes");
    formatFirstSection_.control->setToolTip(
        latin("If the text to add is being taken from the first "
              "delimited section of each original line, select no."));
    formatOptions_ = fields.spacesOption(names::formatOptions, "formatOptions", "Added text:");
    formatPlaceSpaces_ = fields.placeSpaces(names::formatPlaceSpaces, "formatPlaceSpaces");
    formatSpaces_ = fields.numberBox(names::formatSpaces, names::formatSpacesSpinner,
                                     "formatSpaces", "# of spaces:");
    addAfterProcessBoxes(names::formatAfterProcess, "formatAfterProcess",
                         names::formatAfterProcessShow, "formatAfterProcessShow");
    addProcessButton(names::formatProcessButton);

    onChange(formatCreate_.control, [this] { formatCreateRule(); });
    onChange(formatAddText_.control, [this] { formatAddTextRule(); });
    onChange(formatTextToAdd_.control, [this] {
        const bool empty = lineEditOf(formatTextToAdd_)->text().isEmpty();
        formatAddFromCol_.setEnabled(empty);
        formatNumOfChars_.setEnabled(empty);
    });
    onChange(formatAddFromCol_.control, [this] {
        formatTextToAdd_.setEnabled(lineEditOf(formatAddFromCol_)->text().toInt() < 1);
    });
    formatOptionsRule_ = spacesRule(formatOptions_, {formatSpaces_, formatPlaceSpaces_});
    finishBuilding([this] {
        formatCreateRule();
        formatAddTextRule();
    });
}

// The items of "Add text:" speak of columns or of lines as the sections
// become either; the choice keeps its place in the list.
void FormatTextPanel::formatCreateRule() {
    const QString create = comboOf(formatCreate_)->currentText();
    const bool newColumn = create == latin("New column");
    if (newColumn)
        fillAddTextItems({latin("Start of column"), latin("End of column"), latin("Omit text")});
    else if (create == latin("New line"))
        fillAddTextItems({latin("Start of line"), latin("End of line"), latin("Omit text")});
    else
        setAddedTextEnabled(false);
    formatSpacesBetweenCols_.setVisible(newColumn);
}

void FormatTextPanel::fillAddTextItems(const QStringList& items) {
    QComboBox* combo = comboOf(formatAddText_);
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

void FormatTextPanel::formatAddTextRule() {
    if (comboOf(formatAddText_)->currentText() == latin("Omit text"))
        return setAddedTextEnabled(false);
    formatOptions_.setEnabled(true);
    formatTextToAdd_.setEnabled(true);
    formatFirstSection_.setEnabled(true);
    const bool fromLine = lineEditOf(formatTextToAdd_)->text().isEmpty();
    formatAddFromCol_.setEnabled(fromLine);
    formatNumOfChars_.setEnabled(fromLine);
    // The spaces fields follow "Added text:" again, which was greyed out.
    formatOptionsRule_();
}

void FormatTextPanel::setAddedTextEnabled(bool enabled) {
    for (const PanelField& field :
         {formatOptions_, formatPlaceSpaces_, formatSpaces_, formatTextToAdd_, formatAddFromCol_,
          formatNumOfChars_, formatFirstSection_})
        field.setEnabled(enabled);
}

} // namespace fieldizer::ui
