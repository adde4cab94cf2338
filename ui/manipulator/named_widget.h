#pragma once
// Controls carry the names the rest of the system finds them by.

#include <QLatin1String>
#include <QObject>

namespace fieldizer::ui {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

} // namespace fieldizer::ui
