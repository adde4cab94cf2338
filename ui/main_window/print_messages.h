#pragma once
// The message of a print that could not start, for every window that prints.

#include "text_engine/user_dialogs.h"

namespace fieldizer::ui {

inline constexpr const char* printProblem = "There was a problem printing to your printer.";
inline constexpr MessageId printFailed{"print.failed"};

} // namespace fieldizer::ui
