#include "shell/column_ruler/column_ruler.h"

#include <algorithm>
#include <cmath>

namespace fieldizer {
namespace {

// Ticks closer than this blur into a grey band.
constexpr double minimumTickSpacing = 3.0;
// Below this a character is no longer a column anyone can point at.
constexpr double smallestCharacterWidth = 0.01;

double columnMiddle(const RulerView& view, long column) {
    return columnLeft(view, column) + view.characterWidth / 2;
}

// The first step of 1, 5, 10, 50, 100, ... whose ticks stand far enough
// apart to be told from each other.
long tickStep(double characterWidth) {
    long step = 1;
    for (bool five = true; static_cast<double>(step) * characterWidth < minimumTickSpacing;
         five = !five)
        step *= five ? 5 : 2;
    return step;
}

// The first step of 10, 20, 50, 100, 200, ... that leaves `labelWidth` for a
// number.
long labelStep(double characterWidth, double labelWidth) {
    for (long decade = 10;; decade *= 10)
        for (long multiple : {1, 2, 5})
            if (static_cast<double>(multiple * decade) * characterWidth >= labelWidth)
                return multiple * decade;
}

TickSize tickSize(long column) {
    if (column % 10 == 0)
        return TickSize::Large;
    return column % 5 == 0 ? TickSize::Medium : TickSize::Small;
}

long firstMultiple(long from, long step) {
    return (from + step - 1) / step * step;
}

std::optional<CaretMark> caretMark(const RulerView& view) {
    if (view.caretColumn < 1)
        return std::nullopt;
    const double left = std::max(columnLeft(view, view.caretColumn), view.textLeft);
    const double right = std::min(columnLeft(view, view.caretColumn + 1), view.visibleWidth);
    if (right <= left)
        return std::nullopt;
    return CaretMark{view.caretColumn, left, right - left};
}

} // namespace

double columnLeft(const RulerView& view, long column) {
    return view.textLeft - view.scrollOffset +
           static_cast<double>(column - 1) * view.characterWidth;
}

RulerLayout layOutRuler(const RulerView& view) {
    RulerLayout layout;
    if (view.characterWidth < smallestCharacterWidth || view.visibleWidth <= view.textLeft)
        return layout;
    // A column shows when its middle lies between the text's left edge and
    // the ruler's right edge.
    const double shownFrom = view.scrollOffset / view.characterWidth + 0.5;
    const double shownTo =
        (view.visibleWidth - view.textLeft + view.scrollOffset) / view.characterWidth + 0.5;
    layout.firstColumn = std::max(1L, static_cast<long>(std::ceil(shownFrom)));
    layout.lastColumn = static_cast<long>(std::ceil(shownTo)) - 1;
    if (layout.lastColumn < layout.firstColumn) {
        layout.firstColumn = layout.lastColumn = 0;
        return layout;
    }
    const long ticks = tickStep(view.characterWidth);
    for (long column = firstMultiple(layout.firstColumn, ticks); column <= layout.lastColumn;
         column += ticks)
        layout.ticks.push_back({column, columnMiddle(view, column), tickSize(column)});
    const long labels = labelStep(view.characterWidth, view.labelWidth);
    for (long column = firstMultiple(layout.firstColumn, labels); column <= layout.lastColumn;
         column += labels)
        layout.labels.push_back({column, columnMiddle(view, column), std::to_string(column)});
    layout.caret = caretMark(view);
    return layout;
}

} // namespace fieldizer
