#pragma once
// Running a text-reshaping command over its input and output: --in FILE or
// standard input, --out FILE (written only on success) or standard output.
// Both outputs take the same path: the result is handed on in pieces as it
// is built, never held whole. Empty input ends with the "nothing to process"
// message and exit status 2. --lf reads and writes LF line ends.

#include "cli/arguments.h"
#include "text_engine/processing_pass.h"

#include <functional>
#include <string_view>

namespace fieldizer::cli {

int runLineOperation(const ParsedArguments& parsed, const LineOperation& operation);

// A tool over the whole text that hands its result to `output` in pieces.
using WholeTextTool = std::function<void(std::string_view text, PassOutput& output)>;
int runWholeTextTool(const ParsedArguments& parsed, const WholeTextTool& tool);

// The command line has no window to keep live: nothing yields or stops.
class QuietObserver final : public PassObserver {};

} // namespace fieldizer::cli
