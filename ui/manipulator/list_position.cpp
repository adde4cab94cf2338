#include "ui/manipulator/list_position.h"

#include "settings/name_list.h"

#include <QComboBox>

namespace fieldizer::ui {

int selectedPosition(const QComboBox& box) {
    const int index = box.currentIndex();
    return index >= 0 && box.itemText(index) == box.currentText() ? index : -1;
}

void restorePosition(QComboBox& box, int remembered, const QString& text) {
    const int position = positionAfterRefresh(remembered, static_cast<std::size_t>(box.count()));
    if (position >= 0)
        box.setCurrentIndex(position);
    else if (box.isEditable())
        box.setEditText(text);
}

} // namespace fieldizer::ui
