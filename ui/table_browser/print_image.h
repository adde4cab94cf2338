#pragma once
// Prints a window as it shows on screen, scaled to fit the page.

class QPrinter;
class QWidget;

namespace fieldizer::ui {

// False when the printer could not be started.
bool printWidgetImage(QPrinter& printer, QWidget& window);

} // namespace fieldizer::ui
