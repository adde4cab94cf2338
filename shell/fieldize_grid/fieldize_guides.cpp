#include "shell/fieldize_grid/fieldize_guides.h"

#include "columns/laid_out_text.h"
#include "shell/fieldize_grid/spec_grid_rules.h"

#include <algorithm>

namespace fieldizer {
namespace {

ColumnSpecs usableSpecs(const ColumnSpecs& specs) {
    ColumnSpecs usable;
    std::copy_if(specs.begin(), specs.end(), std::back_inserter(usable), isUsableLayoutSpec);
    return usable;
}

// The text box's 0-based columns of the specs' starts, each once.
std::vector<long> guideColumns(const ColumnSpecs& specs) {
    std::vector<long> columns;
    for (const ColumnSpec& spec : specs) {
        const long column = *spec.getDataFromColumn - 1;
        if (column < guideColumnLimit &&
            std::find(columns.begin(), columns.end(), column) == columns.end())
            columns.push_back(column);
    }
    return columns;
}

} // namespace

std::vector<long> sourceGuideColumns(const ColumnSpecs& specs) {
    return guideColumns(usableSpecs(specs));
}

std::vector<long> laidOutGuideColumns(const ColumnSpecs& specs, int startLineAt) {
    const std::size_t prefix = startLineAt > 1 ? static_cast<std::size_t>(startLineAt - 1) : 0;
    return guideColumns(laidOutPositions(usableSpecs(specs), prefix));
}

} // namespace fieldizer
