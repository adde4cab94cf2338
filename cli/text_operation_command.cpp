#include "cli/commands.h"

#include <iostream>

namespace fieldizer::cli {

bool isTextOperation(std::string_view) {
    return false;
}

int runTextOperation(std::string_view, Args) {
    return exitUsage;
}

} // namespace fieldizer::cli
