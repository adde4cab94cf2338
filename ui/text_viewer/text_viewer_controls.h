#pragma once
// The object names of the Text Viewer and its box, the names the tests reach
// them by; each is set once, from here.

#include "shell/menus/form_names.h"

namespace fieldizer::ui::textViewerControls {

inline constexpr const char* window = formNames::textViewer;
inline constexpr char textBox[] = "RichTextBox1";

} // namespace fieldizer::ui::textViewerControls
