#pragma once
// Controls made with their object names, the names the Settings, the tests
// and the focus rules reach them by.

#include <QLabel>
#include <QPushButton>
#include <QString>

namespace fieldizer::ui {

template <class Widget> Widget* named(Widget* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

inline QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    return named(new QPushButton(QString::fromLatin1(caption), parent), name);
}

// A caption whose mnemonic moves the focus into `buddy`.
inline QLabel* label(const char* name, const char* caption, QWidget* buddy, QWidget* parent) {
    auto* result = named(new QLabel(QString::fromLatin1(caption), parent), name);
    result->setBuddy(buddy);
    return result;
}

} // namespace fieldizer::ui
