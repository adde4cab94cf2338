#pragma once
// The object names of the Password Access dialog's controls, the names the
// tests reach them by; each is set once, from here.

#include "shell/menus/form_names.h"

namespace fieldizer::ui::passwordAccessControls {

inline constexpr const char* window = formNames::passwordAccess;
inline constexpr char detailsFrame[] = "Frame1";
inline constexpr char userNameLabel[] = "Label1";
inline constexpr char userNameBox[] = "Text1";
inline constexpr char passwordLabel[] = "Label2";
inline constexpr char passwordBox[] = "Text2";
inline constexpr char okButton[] = "Command1";
inline constexpr char cancelButton[] = "Command2";

} // namespace fieldizer::ui::passwordAccessControls
