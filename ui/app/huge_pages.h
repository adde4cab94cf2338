#pragma once
// The program's text lives in buffers of hundreds of megabytes (the editor's
// document, the Undo copy). On the kernel's 4 KiB pages every new buffer
// costs a page fault per page, and on the machines measured that cost more
// than the work done with the text (Break into lines on a 95 MB report: 0.90
// s of processor time on small pages, 0.24 s on huge pages). The C library
// asks the kernel for huge pages for its large allocations only when told so
// at start-up, through its GLIBC_TUNABLES setting.

namespace fieldizer::ui {

// Starts the process again with that setting added, unless it is already
// there. Returns only when the program goes on as it is (the restart failed,
// or was not needed); a C library that does not know the setting ignores it.
void restartWithHugePages(char* argv[]);

} // namespace fieldizer::ui
