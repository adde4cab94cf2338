#pragma once

#include "cli/commands.h"

namespace fieldizer::cli {

// fieldizer-cli save: writes every input line as a record.
int runSaveCommand(Args args);

} // namespace fieldizer::cli
