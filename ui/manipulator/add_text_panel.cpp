#include "ui/manipulator/add_text_panel.h"

#include "text_engine/add_text.h"
#include "ui/manipulator/manipulator_controls.h"

#include <QCheckBox>

namespace fieldizer::ui {

namespace names = manipulatorControls;

namespace {

constexpr const char* addIfContainsTip =
    "If left blank, the text will be added to all lines.  To process a blank line/carriage "
    "return, place cursor in field and hit Enter.  If scrollbar is enabled, at least two "
    "lines/a carriage return is in this field.";

} // namespace

AddTextPanel::AddTextPanel(QWidget* page)
    : OperationPanel(operationKind(addParameters, addOperation, checkAddFields), page) {
    setObjectName(QLatin1String(names::addPanel));
    FieldGrid& fields = grid();
    fields.lineEdit(names::addText, "addText",
                    "Text to add:", "Enter text to add, and specify column.");
    fields.multiLine(names::addIfContains, "addIfContains",
                     "Add text if line contains (optional):", addIfContainsTip);
    const PanelField addAtCol =
        fields.numberBox(names::addAtCol, names::addAtColSpinner, "addAtCol", "Add at column:");
    QCheckBox* addEndOfLine =
        fields.checkBox(names::addEndOfLine, "addEndOfLine", "Add to end of line", false);
    const PanelField addOptions = fields.spacesOption(names::addOptions, "addOptions", "Options:");
    const PanelField addSpaces =
        fields.numberBox(names::addSpaces, names::addSpacesSpinner, "addSpaces", "# of spaces:");
    const PanelField addPlaceSpaces = fields.placeSpaces(names::addPlaceSpaces, "addPlaceSpaces");
    addAfterProcessBoxes(names::addAfterProcess, "addAfterProcess", names::addAfterProcessShow,
                         "addAfterProcessShow");
    addProcessButton(names::addProcessButton, 1);

    auto addEndOfLineRule = endOfLineRule(addEndOfLine, addAtCol);
    auto addOptionsRule = spacesRule(addOptions, {addSpaces, addPlaceSpaces});
    finishBuilding([=] {
        addEndOfLineRule();
        addOptionsRule();
    });
}

} // namespace fieldizer::ui
