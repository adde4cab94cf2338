#include "ui/manipulator/mode_rule.h"

#include <QCheckBox>
#include <QComboBox>

namespace fieldizer::ui {

void applyModeRule(const ModeFields& fields) {
    const QString mode = comboOf(fields.mode)->currentText();
    const bool specific = mode == latin(fields.specificItem);
    if (!mode.isEmpty() && !specific && mode != latin(fields.generalItem)) {
        // Cleared first: the box's own rule would enable the column again.
        fields.endOfLine->setChecked(false);
        for (const PanelField& field : {fields.count, fields.column, fields.specific})
            field.setEnabled(false);
        fields.endOfLine->setEnabled(false);
        return;
    }
    fields.endOfLine->setEnabled(true);
    fields.column.setEnabled(!fields.endOfLine->isChecked());
    fields.specific.setEnabled(specific);
    fields.count.setEnabled(!specific);
}

} // namespace fieldizer::ui
