#pragma once
// Prints a text in a fixed-pitch font, one page after another.

#include <string_view>

class QPrinter;

namespace fieldizer::ui {

// False when the printer could not be started.
bool printText(QPrinter& printer, std::string_view bytes);

} // namespace fieldizer::ui
