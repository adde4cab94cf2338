#pragma once
// The rule of the Replace and Delete mode combo boxes: a typed text is found
// wherever it stands, so the place fields mean nothing and the end-of-line
// box is cleared; "Specific ..." works on a given text, "General ..." on a
// number of characters.

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
