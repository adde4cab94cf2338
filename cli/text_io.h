#pragma once
// Running a text-reshaping command over its input and output: --in FILE or
// standard input, --out FILE (written only on success) or standard output.
// Empty input ends with the "nothing to process" message and exit status 2.

#include "cli/arguments.h"
#include "engine/processing_pass.h"

#include <functional>
#include <string>
#include <string_view>

namespace fieldizer::cli {

// File to file, the result goes to disk as it is built, so a report of any
// size needs little memory.
int runLineOperation(const ParsedArguments& parsed, const LineOperation& operation);

// A tool over the whole text: returns its result, or, given an output,
// hands the result to it in pieces and returns nothing.
using WholeTextTool = std::function<std::string(std::string_view text, PassOutput* output)>;
int runWholeTextTool(const ParsedArguments& parsed, const WholeTextTool& tool);

// The command line has no window to keep live: nothing yields or stops.
class QuietObserver final : public PassObserver {};

} // namespace fieldizer::cli
