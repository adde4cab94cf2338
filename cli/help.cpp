#include "cli/commands.h"

#include <iostream>

namespace fieldizer::cli {

void printHelp() {
    std::cout << "usage: fieldizer-cli OPERATION [KEY=VALUE ...] [--in FILE] [--out FILE]\n";
}

} // namespace fieldizer::cli
