#pragma once
// The Replace and Delete mode combo boxes' fields, set by the mode's rule
// (modeFieldStates).

#include "ui/manipulator/panel_controls.h"

class QCheckBox;

namespace fieldizer::ui {

struct ModeFields {
    PanelField mode;
    const char* generalItem;
    const char* specificItem;
    PanelField count;    // "# of characters:"
    PanelField column;   // the column the end-of-line box replaces
    PanelField specific; // "Specific text to ...:"
    QCheckBox* endOfLine;
};

void applyModeRule(const ModeFields& fields);

} // namespace fieldizer::ui
