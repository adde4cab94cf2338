// The column ruler's geometry: which columns show, where their ticks and
// numbers stand, and the caret's mark, as the box scrolls, zooms and keeps
// margins.
#include "shell/column_ruler/column_ruler.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

RulerView view(double characterWidth, double textLeft = 0, double scrollOffset = 0) {
    RulerView result;
    result.characterWidth = characterWidth;
    result.textLeft = textLeft;
    result.scrollOffset = scrollOffset;
    result.visibleWidth = 400;
    result.labelWidth = 24;
    return result;
}

std::vector<long> labelledColumns(const RulerLayout& layout) {
    std::vector<long> columns;
    for (const RulerLabel& label : layout.labels) {
        EXPECT_EQ(label.text, std::to_string(label.column));
        columns.push_back(label.column);
    }
    return columns;
}

TEST(ColumnRuler, unscrolledItStartsAtColumnOneWithATickOverEveryCharacter) {
    const RulerView box = view(8);
    const RulerLayout layout = layOutRuler(box);
    EXPECT_EQ(layout.firstColumn, 1);
    EXPECT_EQ(layout.lastColumn, 50); // 400 pixels of 8-pixel characters
    ASSERT_EQ(layout.ticks.size(), 50U);
    for (const RulerTick& tick : layout.ticks)
        EXPECT_DOUBLE_EQ(tick.x, (static_cast<double>(tick.column) - 0.5) * 8) << tick.column;
    EXPECT_EQ(layout.ticks[0].size, TickSize::Small);
    EXPECT_EQ(layout.ticks[4].size, TickSize::Medium);
    EXPECT_EQ(layout.ticks[9].size, TickSize::Large);
    EXPECT_EQ(labelledColumns(layout), (std::vector<long>{10, 20, 30, 40, 50}));
    // The number stands over the middle of its character.
    EXPECT_DOUBLE_EQ(layout.labels[0].x, 9.5 * 8);
}

TEST(ColumnRuler, scrolledTheNumbersFollowTheText) {
    // 25 characters scrolled out: column 26 is the first that shows.
    RulerLayout layout = layOutRuler(view(8, 0, 25 * 8));
    EXPECT_EQ(layout.firstColumn, 26);
    EXPECT_EQ(layout.lastColumn, 75);
    EXPECT_EQ(labelledColumns(layout), (std::vector<long>{30, 40, 50, 60, 70}));
    EXPECT_DOUBLE_EQ(layout.labels[0].x, 4.5 * 8);
    EXPECT_DOUBLE_EQ(columnLeft(view(8, 0, 25 * 8), 26), 0);

    // A column scrolled more than half out of sight has no tick.
    layout = layOutRuler(view(8, 0, 25 * 8 + 5));
    EXPECT_EQ(layout.firstColumn, 27);
    EXPECT_EQ(layout.ticks.front().column, 27);
    // Less than half: it keeps it.
    layout = layOutRuler(view(8, 0, 25 * 8 + 3));
    EXPECT_EQ(layout.firstColumn, 26);
}

TEST(ColumnRuler, theCharacterWidthSetsTheSpacingOfTicksAndNumbers) {
    // Zoomed in: twice the width, half the columns, numbers twice as far apart.
    const RulerLayout zoomedIn = layOutRuler(view(16));
    EXPECT_EQ(zoomedIn.lastColumn, 25);
    EXPECT_EQ(labelledColumns(zoomedIn), (std::vector<long>{10, 20}));
    EXPECT_DOUBLE_EQ(zoomedIn.labels[1].x, 19.5 * 16);

    // Zoomed out to 2 pixels: a tick on every fifth column, and a number on
    // every twentieth, since ten columns are narrower than a number.
    const RulerLayout zoomedOut = layOutRuler(view(2));
    EXPECT_EQ(zoomedOut.lastColumn, 200);
    ASSERT_FALSE(zoomedOut.ticks.empty());
    for (const RulerTick& tick : zoomedOut.ticks)
        EXPECT_EQ(tick.column % 5, 0) << tick.column;
    EXPECT_EQ(zoomedOut.ticks.size(), 40U);
    EXPECT_EQ(labelledColumns(zoomedOut).front(), 20);
    EXPECT_EQ(zoomedOut.labels.size(), 10U);

    // A fractional width adds up without drifting from the text.
    const RulerLayout fractional = layOutRuler(view(7.25));
    EXPECT_DOUBLE_EQ(fractional.labels[4].x, 49.5 * 7.25);
}

TEST(ColumnRuler, theMarginKeepsColumnOneToTheRightAndHidesWhatScrollsUnderIt) {
    const RulerLayout unscrolled = layOutRuler(view(8, 40));
    EXPECT_EQ(unscrolled.firstColumn, 1);
    EXPECT_DOUBLE_EQ(unscrolled.ticks.front().x, 44);
    EXPECT_EQ(unscrolled.lastColumn, 45); // 360 pixels left for the text

    // Scrolled, the columns under the margin have neither tick nor number.
    RulerView scrolled = view(8, 40, 8 * 8);
    const RulerLayout layout = layOutRuler(scrolled);
    EXPECT_EQ(layout.firstColumn, 9);
    EXPECT_GE(layout.ticks.front().x, 40);
    EXPECT_DOUBLE_EQ(layout.labels.front().x, 40 + 1.5 * 8);

    // A caret column half under the margin is marked where it shows.
    scrolled.scrollOffset = 8 * 8 + 4;
    scrolled.caretColumn = 9;
    const RulerLayout half = layOutRuler(scrolled);
    ASSERT_TRUE(half.caret);
    EXPECT_DOUBLE_EQ(half.caret->left, 40);
    EXPECT_DOUBLE_EQ(half.caret->width, 4);
}

TEST(ColumnRuler, theCaretsColumnIsMarkedWhileItShows) {
    RulerView box = view(8, 10);
    box.caretColumn = 17;
    RulerLayout layout = layOutRuler(box);
    ASSERT_TRUE(layout.caret);
    EXPECT_EQ(layout.caret->column, 17);
    EXPECT_DOUBLE_EQ(layout.caret->left, 10 + 16 * 8);
    EXPECT_DOUBLE_EQ(layout.caret->width, 8);

    // Scrolled out of sight on either side: no mark.
    box.scrollOffset = 20 * 8;
    EXPECT_FALSE(layOutRuler(box).caret);
    box.scrollOffset = 0;
    box.caretColumn = 60;
    EXPECT_FALSE(layOutRuler(box).caret);
    // No caret, no mark.
    box.caretColumn = 0;
    EXPECT_FALSE(layOutRuler(box).caret);
}

TEST(ColumnRuler, aBoxWithNoRoomOrNoFontShowsNoColumns) {
    for (const RulerView& box : {view(0), view(8, 400), view(8, 500)}) {
        const RulerLayout layout = layOutRuler(box);
        EXPECT_EQ(layout.firstColumn, 0);
        EXPECT_EQ(layout.lastColumn, 0);
        EXPECT_TRUE(layout.ticks.empty());
        EXPECT_TRUE(layout.labels.empty());
        EXPECT_FALSE(layout.caret);
    }
}

} // namespace
} // namespace fieldizer
