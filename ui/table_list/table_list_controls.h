#pragma once
// The object names of the table list window's controls, the names the tests
// reach them by; each is set once, from here.

#include "shell/menus/form_names.h"

namespace fieldizer::ui::tableListControls {

inline constexpr const char* window = formNames::tableList;
inline constexpr char instructionLabel[] = "Label1";
inline constexpr char tableNamesList[] = "List1";

} // namespace fieldizer::ui::tableListControls
