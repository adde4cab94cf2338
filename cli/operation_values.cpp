#include "cli/operation_table.h"

namespace fieldizer::cli {

ParameterValues loadOperationValues(const ParsedArguments& parsed) {
    ParameterValues values = defaultParameterValues();
    for (const auto& [key, value] : parsed.keys)
        values[key] = value;
    return values;
}

} // namespace fieldizer::cli
