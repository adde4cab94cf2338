#include "ui/manipulator/format_text_panel.h"

#include "shell/operation_fields/field_rules.h"
#include "text_engine/format_text.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/text_box/cp1252_qstring.h"

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
    onChange(formatTextToAdd_.control, [this] { formatTextToAddRule(); });
    onChange(formatAddFromCol_.control, [this] {
        formatTextToAdd_.setEnabled(
            formatTextToAddEnabled(fromQString(lineEditOf(formatAddFromCol_)->text())));
    });
    formatOptionsRule_ = spacesRule(formatOptions_, {formatSpaces_, formatPlaceSpaces_});
    finishBuilding([this] {
        formatCreateRule();
        formatAddTextRule();
    });
}

void FormatTextPanel::formatCreateRule() {
    const std::string create = fromQString(comboOf(formatCreate_)->currentText());
    if (const auto items = formatAddTextItems(create))
        fillAddTextItems(*items);
    else
        setAddedTextEnabled(false);
    formatSpacesBetweenCols_.setVisible(formatSpacesBetweenColsShown(create));
}

// The choice keeps its place in the list when the items change.
void FormatTextPanel::fillAddTextItems(const std::vector<std::string_view>& items) {
    QStringList texts;
    for (std::string_view item : items)
        texts << toQString(item);
    QComboBox* combo = comboOf(formatAddText_);
    QStringList current;
    for (int i = 0; i < combo->count(); ++i)
        current << combo->itemText(i);
    if (current == texts)
        return; // the focus re-applies the rule: nothing changes then
    const int index = combo->currentIndex();
    combo->clear();
    combo->addItems(texts);
    combo->setCurrentIndex(index >= 0 ? index : static_cast<int>(texts.size()) - 1);
}

void FormatTextPanel::formatAddTextRule() {
    if (!formatAddedTextEnabled(fromQString(comboOf(formatAddText_)->currentText())))
        return setAddedTextEnabled(false);
    formatOptions_.setEnabled(true);
    formatTextToAdd_.setEnabled(true);
    formatFirstSection_.setEnabled(true);
    formatTextToAddRule();
    // The spaces fields follow "Added text:" again, which was greyed out.
    formatOptionsRule_();
}

void FormatTextPanel::formatTextToAddRule() {
    const bool fromColumn =
        formatTextFromColumnEnabled(fromQString(lineEditOf(formatTextToAdd_)->text()));
    formatAddFromCol_.setEnabled(fromColumn);
    formatNumOfChars_.setEnabled(fromColumn);
}

void FormatTextPanel::setAddedTextEnabled(bool enabled) {
    for (const PanelField& field :
         {formatOptions_, formatPlaceSpaces_, formatSpaces_, formatTextToAdd_, formatAddFromCol_,
          formatNumOfChars_, formatFirstSection_})
        field.setEnabled(enabled);
}

} // namespace fieldizer::ui
