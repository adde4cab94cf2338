#include "cli/commands.h"

#include <iostream>

namespace fieldizer::cli {

int runCreateDatabase(Args) {
    std::cerr << "fieldizer-cli: create-database is not available yet\n";
    return exitUsage;
}

int runSql(Args) {
    std::cerr << "fieldizer-cli: sql is not available yet\n";
    return exitUsage;
}

} // namespace fieldizer::cli
