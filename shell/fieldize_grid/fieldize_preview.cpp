#include "shell/fieldize_grid/fieldize_preview.h"

#include "columns/fieldize.h"
#include "shell/fieldize_grid/spec_grid_rules.h"
#include "text_engine/text_lines.h"

namespace fieldizer {

FieldizePreview fieldizePreview(std::string_view text, const ColumnSpecs& specs, int startLineAt,
                                std::size_t lineCount) {
    FieldizePreview preview;
    ColumnSpecs usable;
    for (std::size_t row = 0; row < specs.size(); ++row) {
        if (isUsableLayoutSpec(specs[row]))
            usable.push_back(specs[row]);
        else
            preview.unusableRows.push_back(row);
    }
    if (usable.empty())
        return preview;
    std::string heading = headingLine(usable, startLineAt);
    heading.resize(heading.size() - crlf.size());
    preview.lines.push_back(std::move(heading));
    // The pass's own line rules: an empty line stays empty, without the
    // start-column spaces.
    LineCursor cursor(text);
    for (std::size_t shown = 0; shown < lineCount && !cursor.atEnd(); ++shown) {
        const std::string_view line = cursor.next();
        std::string laidOut;
        if (!line.empty())
            layOutLine(usable, line, startLineAt, laidOut);
        preview.lines.push_back(std::move(laidOut));
    }
    return preview;
}

} // namespace fieldizer
