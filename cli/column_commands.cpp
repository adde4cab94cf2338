#include "cli/commands.h"

#include <iostream>

namespace fieldizer::cli {

int runFieldize(Args) {
    std::cerr << "fieldizer-cli: fieldize is not available yet\n";
    return exitUsage;
}

int runSave(Args) {
    std::cerr << "fieldizer-cli: save is not available yet\n";
    return exitUsage;
}

} // namespace fieldizer::cli
