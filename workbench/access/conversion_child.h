#pragma once
// Running a conversion in a child process. libmdb is C code reading a file
// that may come from anywhere, and a damaged file can make it loop without
// end, allocate without end or fault; in a child, Stop ends the work at any
// moment, the kernel bounds its time and memory (child_limits.h), and a
// fault or a lost child is an error about the file, never the end of the
// program. The child reports progress and its outcome through a pipe;
// whatever it prints (libmdb tells of damage it reads past on standard
// error) comes through another.

#include "text_engine/processing_pass.h"
#include "workbench/access/child_limits.h"
#include "workbench/access/conversion_report.h"

#include <filesystem>
#include <functional>
#include <string>

namespace fieldizer::access {

// Runs `work` in a child process bounded by `limits`, with an observer that
// hands its progress to `observer`; Stop kills the child and gives a report
// marked stopped. An error the work throws is thrown here with its number
// and text. Error 3343 for `source`, with the reason, when the child ends
// without an outcome (a fault, its time or memory spent), and when it
// printed anything: a report of damage, even from work that went on, means
// the copy cannot be trusted.
ConversionReport runConversionInChild(const std::function<ConversionReport(PassObserver&)>& work,
                                      PassObserver& observer, const std::filesystem::path& source,
                                      const ChildLimits& limits);

} // namespace fieldizer::access
