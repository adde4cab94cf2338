// The column rulers over the Manipulator's text box and the Fieldize
// preview, and the guides at the columns' starts on the Fieldize Text tab.
#include "desktop_fixture.h"
#include "shell/fieldize_grid/spec_grid_rules.h"
#include "ui/manipulator/fieldize_spec_model.h"
#include "ui/manipulator/fieldize_text_panel.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/text_box/byte_text_box.h"
#include "ui/text_box/column_ruler.h"
#include "wait_until.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabWidget>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

constexpr int textLinesTab = 0;
constexpr int moveTextTab = 1;
constexpr int fieldizeTab = 6;

// Lines long enough to scroll: each character tells its column's last digit.
std::string numberedLines(int lines, int length) {
    std::string text;
    for (int line = 0; line < lines; ++line) {
        if (line > 0)
            text += "\r\n";
        for (int column = 1; column <= length; ++column)
            text += static_cast<char>('0' + column % 10);
    }
    return text;
}

class ColumnRulers : public DesktopTest {
  protected:
    ui::ColumnRuler& ruler(const char* name = names::textBoxRuler) const {
        return *find<ui::ColumnRuler>(name);
    }
    ui::ByteTextBox& preview() const { return *find<ui::ByteTextBox>(names::preview); }

    // Where the box draws the middle of the character at byte `position`,
    // in the ruler's pixels.
    static double characterMiddle(const ui::ColumnRuler& ruler, ui::ByteTextBox& box,
                                  std::size_t position) {
        const auto x = [&](std::size_t at) {
            return box.SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL,
                                     static_cast<long>(at));
        };
        const QWidget* top = box.window();
        const double left =
            box.viewport()->mapTo(top, QPoint(static_cast<int>(x(position)), 0)).x() -
            ruler.mapTo(top, QPoint(0, 0)).x();
        return left + static_cast<double>(x(position + 1) - x(position)) / 2;
    }

    // Every number of the ruler stands over its character of `line` (within
    // a pixel).
    static void expectNumbersOverTheirCharacters(const ui::ColumnRuler& ruler, ui::ByteTextBox& box,
                                                 unsigned long line = 0) {
        const RulerLayout layout = ruler.currentLayout();
        ASSERT_FALSE(layout.labels.empty());
        const long lineStart = box.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
        for (const RulerLabel& label : layout.labels) {
            const double middle =
                characterMiddle(ruler, box, static_cast<std::size_t>(lineStart + label.column - 1));
            EXPECT_NEAR(label.x, middle, 1.0) << label.column;
        }
    }

    static long firstNumber(const ui::ColumnRuler& ruler) {
        const RulerLayout layout = ruler.currentLayout();
        return layout.labels.empty() ? 0 : layout.labels.front().column;
    }
    // The first number the ruler painted.
    static long firstNumberShown(const ui::ColumnRuler& ruler) {
        const RulerLayout& layout = ruler.paintedLayout();
        return layout.labels.empty() ? 0 : layout.labels.front().column;
    }

    void showFieldizeTab() const { manipulator().tabs()->setCurrentIndex(fieldizeTab); }
};

TEST_F(ColumnRulers, theTextBoxHasARulerRightAboveIt) {
    const ui::ColumnRuler& above = ruler();
    ASSERT_TRUE(above.isVisible());
    EXPECT_EQ(above.parentWidget(), box().parentWidget());
    EXPECT_EQ(above.geometry().left(), box().geometry().left());
    EXPECT_EQ(above.geometry().width(), box().geometry().width());
    EXPECT_EQ(above.geometry().bottom() + 1, box().geometry().top());
    EXPECT_GT(above.height(), 0);
}

TEST_F(ColumnRulers, itsNumbersStandOverTheCharactersOfTheirColumns) {
    box().setBytes(numberedLines(3, 400));
    ASSERT_TRUE(waitUntil([&] { return firstNumber(ruler()) == 10; }));
    expectNumbersOverTheirCharacters(ruler(), box());
}

TEST_F(ColumnRulers, itFollowsTheTextScrolledSideways) {
    box().setBytes(numberedLines(3, 400));
    ASSERT_TRUE(waitUntil([&] { return firstNumberShown(ruler()) == 10; }));
    const RulerView unscrolled = ruler().measuredView();
    // The user drags the scroll bar by 40 characters, once it reaches so far.
    QScrollBar& scrollBar = *box().horizontalScrollBar();
    const auto distance = static_cast<int>(40 * unscrolled.characterWidth);
    ASSERT_TRUE(waitUntil([&] { return scrollBar.maximum() >= distance; })) << scrollBar.maximum();
    scrollBar.setValue(distance);
    EXPECT_TRUE(waitUntil([&] { return firstNumberShown(ruler()) == 50; }))
        << firstNumberShown(ruler());
    expectNumbersOverTheirCharacters(ruler(), box());
}

TEST_F(ColumnRulers, itFollowsTheZoom) {
    box().setBytes(numberedLines(3, 400));
    ASSERT_TRUE(waitUntil([&] { return firstNumberShown(ruler()) == 10; }));
    const double before = ruler().paintedLayout().labels.front().x;
    box().zoomIn(4);
    EXPECT_TRUE(waitUntil([&] { return ruler().paintedLayout().labels.front().x > before; }));
    expectNumbersOverTheirCharacters(ruler(), box());
}

TEST_F(ColumnRulers, itMarksTheCaretsColumnAsTheStatusBarCountsIt) {
    box().setBytes("abc\r\n" + numberedLines(2, 60));
    box().setFocus();
    box().setCaret(5 + 16); // the 17th character of the second line
    EXPECT_TRUE(waitUntil([&] {
        const std::optional<CaretMark>& shown = ruler().paintedLayout().caret;
        return shown && shown->column == 17;
    }));
    const RulerLayout layout = ruler().currentLayout();
    ASSERT_TRUE(layout.caret);
    EXPECT_EQ(layout.caret->column, 17);
    const double middle = characterMiddle(ruler(), box(), 5 + 16);
    EXPECT_NEAR(layout.caret->left + layout.caret->width / 2, middle, 1.0);
    EXPECT_TRUE(waitUntil([&] {
        return find<QLabel>("caretStatus")->text().contains(QStringLiteral("Column 17"));
    })) << find<QLabel>("caretStatus")->text().toStdString();
}

TEST_F(ColumnRulers, thePreviewHasARulerRightAboveIt) {
    box().setBytes(numberedLines(5, 300));
    database_.setWorking({ColumnSpec{"A", 1, 120, 1, 120}});
    showFieldizeTab();
    const ui::ColumnRuler& above = ruler(names::previewRuler);
    ASSERT_TRUE(waitUntil([&] { return above.isVisible() && firstNumber(above) == 10; }));
    EXPECT_EQ(above.geometry().left(), preview().geometry().left());
    EXPECT_EQ(above.geometry().bottom() + 1, preview().geometry().top());
    // The first line laid out, under the heading.
    expectNumbersOverTheirCharacters(above, preview(), 1);
}

class FieldizeGuides : public ColumnRulers {
  protected:
    const ColumnSpecs specs = {ColumnSpec{"DY", 1, 3, 1, 3}, ColumnSpec{"MAX", 4, 4, 1, 4},
                               ColumnSpec{"MIN", 12, 4, 2, 4}};
    // The 0-based columns where the specs take their data from, and where
    // the pass puts them.
    const std::vector<long> textColumns = {0, 3, 11};
    const std::vector<long> laidOutColumns = {0, 4, 9};
};

TEST_F(FieldizeGuides, theFieldizeTabDrawsAGuideAtEveryColumnsStart) {
    box().setBytes(numberedLines(5, 80));
    database_.setWorking(specs);
    EXPECT_TRUE(box().guideColumns().empty());
    showFieldizeTab();
    EXPECT_TRUE(waitUntil([&] { return box().guideColumns() == textColumns; }));
    EXPECT_TRUE(waitUntil([&] { return preview().guideColumns() == laidOutColumns; }));
    EXPECT_EQ(box().edgeMode(), QsciScintilla::EdgeMultipleLines);

    // The preview draws them where its characters are.
    const QImage shown = preview().viewport()->grab().toImage();
    for (long column : laidOutColumns) {
        const auto x = static_cast<int>(
            preview().SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, column));
        EXPECT_EQ(shown.pixelColor(x, shown.height() - 2), QColor(232, 96, 96)) << column;
    }
}

TEST_F(FieldizeGuides, theyFollowTheGrid) {
    box().setBytes(numberedLines(5, 80));
    database_.setWorking(specs);
    showFieldizeTab();
    ASSERT_TRUE(waitUntil([&] { return box().guideColumns() == textColumns; }));
    ui::FieldizeSpecModel& model = manipulator().fieldizePanel()->model();
    // The last column now takes its data from column 20.
    model.setData(model.index(2, static_cast<int>(SpecColumn::Start)), QStringLiteral("20"));
    EXPECT_TRUE(waitUntil([&] { return box().guideColumns() == std::vector<long>{0, 3, 19}; }));
    // "New lines start at column:" moves the laid-out ones.
    find<QLineEdit>(names::fieldizeStartLineAt)->setText(QStringLiteral("3"));
    EXPECT_TRUE(waitUntil([&] { return preview().guideColumns() == std::vector<long>{2, 6, 11}; }));
}

TEST_F(FieldizeGuides, stayInTheTextForPickingAndGoOnAnotherOperationTab) {
    box().setBytes(numberedLines(5, 80));
    database_.setWorking(specs);
    showFieldizeTab();
    ASSERT_TRUE(waitUntil([&] { return box().guideColumns() == textColumns; }));
    // Text/Lines shows where the columns are while the next one is picked.
    manipulator().tabs()->setCurrentIndex(textLinesTab);
    EXPECT_EQ(box().guideColumns(), textColumns);
    EXPECT_EQ(box().edgeMode(), QsciScintilla::EdgeMultipleLines);
    manipulator().tabs()->setCurrentIndex(moveTextTab);
    EXPECT_TRUE(box().guideColumns().empty());
    EXPECT_EQ(box().edgeMode(), QsciScintilla::EdgeNone);
}

TEST_F(FieldizeGuides, anotherListOfColumnsCanBeShown) {
    box().setBytes(numberedLines(5, 80));
    showFieldizeTab();
    manipulator().fieldizePanel()->showGuides({ColumnSpec{"A", 5, 10, 2, 10}, specs[2]});
    EXPECT_EQ(box().guideColumns(), (std::vector<long>{4, 11}));
    EXPECT_EQ(preview().guideColumns(), (std::vector<long>{0, 12}));
}

} // namespace
} // namespace fieldizer::testing
