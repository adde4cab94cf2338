#pragma once
// Running a conversion in a child process. libmdb is C code reading a file
// that may come from anywhere, and a damaged file can make it loop without
// end or fault; in a child, Stop ends the work at any moment, and a fault or
// a lost child is an error about the file, never the end of the program.
// The child reports progress and its outcome through a pipe.

#include "engine/processing_pass.h"
#include "workbench/access/conversion_report.h"

#include <functional>
#include <string>

namespace fieldizer::access {

// Runs `work` in a child process with an observer that hands its progress
// to `observer`; Stop kills the child and gives a report marked stopped.
// An error the work throws is thrown here with its number and text; a
// child that ends without an outcome (killed by a fault) is 3343 for
// `source`.
ConversionReport runConversionInChild(const std::function<ConversionReport(PassObserver&)>& work,
                                      PassObserver& observer, const std::string& source);

} // namespace fieldizer::access
