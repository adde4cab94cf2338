#pragma once
// The parameter controls of every tab, reached through their Qt property
// "settingsKey" rather than by name, so the Settings tab reads and restores
// whichever panels exist. A control kind this file does not know holds no
// parameter.

#include "text_engine/parameter_keys.h"

#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace fieldizer::ui {

// The control under `root` whose "settingsKey" is `key`, or null.
QWidget* parameterControl(const QWidget& root, std::string_view key);

// What the control holds, as the Settings store keeps it: a box's or
// combo's text exactly as typed (a line break of a multi-line box is CR LF),
// "0"/"1" for a check box. Null for a control of an unknown kind.
std::optional<std::string> controlValue(const QWidget& control);

// Puts a stored value into the control the way a user's edit would, so the
// control's own change handling (its enable and show rules) runs. False
// when the control cannot take it (an unknown kind, a flag other than 0/1).
bool setControlValue(QWidget& control, std::string_view value);

// Every key's value: from its control when one exists, else the value a
// freshly opened window shows.
ParameterValues readParameterControls(const QWidget& root);

// Puts each key of `values` into its control, in stored order; keys without
// a control, and values a control refuses, leave things as they were.
void showParameterValues(const QWidget& root, const ParameterValues& values);

} // namespace fieldizer::ui
