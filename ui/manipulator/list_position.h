#pragma once
// The selected position of a list box kept across a refill, as the Settings
// and Save to Database tabs do after every change of their lists.

#include <QString>

class QComboBox;

namespace fieldizer::ui {

// The selected item's index, or -1 when the box holds typed text that is
// not the selected item (an editable combo keeps its index while typed in).
int selectedPosition(const QComboBox& box);

// After a refill: selects the remembered position again, or the one before
// it when the list got shorter by one; with nothing to select, the box
// keeps the text it had.
void restorePosition(QComboBox& box, int remembered, const QString& text);

} // namespace fieldizer::ui
