#pragma once
// The column ruler over a text box, without its widget: where each character
// column of the box stands in the ruler's pixels, which columns carry a tick
// and a number, and where the caret's column is marked. Columns are counted
// as the Fieldize pass counts them, so the numbers are those the user types
// into the grid: the first character of a line is column 1. The text is
// taken to be in a fixed-width font, every character one column wide.

#include <optional>
#include <string>
#include <vector>

namespace fieldizer {

// What the ruler needs to know of the box, all in the ruler's pixels.
struct RulerView {
    double characterWidth = 0; // one character of the box's font at its zoom
    double textLeft = 0;       // where column 1 starts unscrolled: frame, margins, padding
    double scrollOffset = 0;   // how far the text is scrolled to the left
    double visibleWidth = 0;   // the ruler's width; left of textLeft the text is hidden
    double labelWidth = 0;     // room a number needs: numbers stand at least this far apart
    long caretColumn = 0;      // the caret's column, 0 when there is none
};

enum class TickSize { Small, Medium, Large };

struct RulerTick {
    long column = 0;
    double x = 0; // the middle of the column
    TickSize size = TickSize::Small;
};

struct RulerLabel {
    long column = 0;
    double x = 0; // the middle of the column, where the number is centred
    std::string text;
};

struct CaretMark {
    long column = 0;
    double left = 0; // cut to the part of the column that shows
    double width = 0;
};

struct RulerLayout {
    // The columns whose middles show; both 0 when none does.
    long firstColumn = 0;
    long lastColumn = 0;
    std::vector<RulerTick> ticks;
    std::vector<RulerLabel> labels;
    // Absent when the caret's column is scrolled out of sight.
    std::optional<CaretMark> caret;
};

// The left edge of `column` (1-based).
double columnLeft(const RulerView& view, long column);

// Ticks on every column while they stand at least a few pixels apart (on
// every fifth or tenth when the font is small), longer on every fifth and
// tenth; numbers on every tenth column, or every twentieth, fiftieth, ...
// when the numbers would otherwise run into each other.
RulerLayout layOutRuler(const RulerView& view);

} // namespace fieldizer
