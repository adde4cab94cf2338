#pragma once
// The object names of the Find window's controls, the names the tests reach
// them by; each is set once, from here.

#include "shell/menus/form_names.h"

namespace fieldizer::ui::findWindowControls {

inline constexpr const char* window = formNames::find;
inline constexpr char searchLabel[] = "Label1";
inline constexpr char searchBox[] = "Text1";
inline constexpr char findButton[] = "Command1";
inline constexpr char findAgainButton[] = "Command2";
inline constexpr char findAllButton[] = "Command3";
inline constexpr char ignoreCaseCheck[] = "Check1";
inline constexpr char wholeWordCheck[] = "Check2";
inline constexpr char resetColourCheck[] = "Check3";

} // namespace fieldizer::ui::findWindowControls
