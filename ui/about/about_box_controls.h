#pragma once
// The object names of the About box and its button; each is set once, from
// here.

#include "shell/menus/form_names.h"

namespace fieldizer::ui::aboutBoxControls {

inline constexpr const char* window = formNames::about;
inline constexpr char okButton[] = "Command1";

} // namespace fieldizer::ui::aboutBoxControls
