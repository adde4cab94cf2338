#include "ui/manipulator/mode_rule.h"

#include "shell/operation_fields/field_rules.h"
#include "ui/text_box/cp1252_qstring.h"

#include <QCheckBox>
#include <QComboBox>

namespace fieldizer::ui {

void applyModeRule(const ModeFields& fields) {
    const ModeFieldStates states =
        modeFieldStates(fromQString(comboOf(fields.mode)->currentText()), fields.generalItem,
                        fields.specificItem, fields.endOfLine->isChecked());
    // Cleared first: the box's own rule would enable the column again.
    if (states.clearEndOfLine)
        fields.endOfLine->setChecked(false);
    fields.endOfLine->setEnabled(states.endOfLine);
    fields.column.setEnabled(states.column);
    fields.specific.setEnabled(states.specific);
    fields.count.setEnabled(states.count);
}

} // namespace fieldizer::ui
