// The Fieldize Text tab's commands that point at columns in the text and
// bring layouts in and out: Add Column from Selection (button and the text
// box's menu), Guess Columns with its question, "Import Columns..." and
// "Export Columns...".
#include "column_spec_checks.h"
#include "columns/column_guess.h"
#include "columns/spec_export.h"
#include "columns/spec_import.h"
#include "desktop_fixture.h"
#include "shell/editing/line_ends.h"
#include "shell/fieldize_grid/column_pick.h"
#include "shell/fieldize_grid/fieldize_preview.h"
#include "shell/fieldize_grid/layout_files.h"
#include "test_data.h"
#include "text_engine/text_lines.h"
#include "ui/manipulator/fieldize_spec_model.h"
#include "ui/manipulator/fieldize_text_panel.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/text_box/byte_text_box.h"
#include "wait_until.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

constexpr int fieldizeTab = 6;

class FieldizePointing : public DesktopTest {
  protected:
    void showTab() const { manipulator().tabs()->setCurrentIndex(fieldizeTab); }
    void setText(const std::string& text) { manipulator().setTextByProgram(text); }
    // An Alt+drag from one corner to the other, as the editor records it
    // (the text is ASCII: the editor's positions are the bytes').
    void selectBlock(SelectionEnd anchor, SelectionEnd caret) {
        box().SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONANCHOR, anchor.position);
        box().SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONANCHORVIRTUALSPACE,
                            anchor.virtualSpace);
        box().SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONCARET, caret.position);
        box().SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONCARETVIRTUALSPACE,
                            caret.virtualSpace);
    }
    std::vector<MessageId> toldIds() const {
        std::vector<MessageId> ids;
        for (const Message& message : dialogs_.messages)
            ids.push_back(message.id);
        return ids;
    }
    std::string previewText() const {
        return std::string(find<ui::ByteTextBox>(names::preview)->bytes());
    }
    // A report of tests/data with CR LF line ends, as the program holds it.
    static std::string report(const std::string& name) {
        return convertLoneLfToCrLf(readTestData(name));
    }
};

// A report whose lines end at different lengths.
const std::string ragged = "NAME   AGE  TOWN\r\n"
                           "Al     31   Bern\r\n"
                           "Bob\r\n"
                           "Carla  7";

TEST_F(FieldizePointing, aBlockSelectedWithAltDragBecomesARowOfTheGrid) {
    setText(ragged);
    showTab();
    // From column 8 of the first line down to the last line, whose end the
    // block passes by two positions.
    const std::size_t lastLine = ragged.rfind('\n') + 1;
    selectBlock({7, 0}, {ragged.size(), 10 - (ragged.size() - lastLine)});
    ASSERT_TRUE(box().selectionEnds().rectangular);
    click(names::addColumnButton);
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(sameSpecs(database_.working(), {{"AGE", 8, 3, 1, 3}}))
        << describeSpecs(database_.working());

    // From the text box's menu, on the Text/Lines tab: an ordinary selection
    // within one line; the user stays at the text.
    manipulator().tabs()->setCurrentIndex(0);
    box().selectRange(12, 4);
    action(names::addColumnAction)->trigger();
    EXPECT_EQ(manipulator().tabs()->currentIndex(), 0);
    EXPECT_TRUE(sameSpecs(database_.working(), {{"AGE", 8, 3, 1, 3}, {"TOWN", 13, 4, 1, 4}}))
        << describeSpecs(database_.working());
    EXPECT_EQ(manipulator().fieldizePanel()->model().storedRowCount(), 2);
}

TEST_F(FieldizePointing, theMouseDragsABlockPastTheEndOfShortLines) {
    setText(ragged);
    manipulator().tabs()->setCurrentIndex(0);
    box().setFocus();
    QApplication::processEvents();
    // Where column `column` (0-based) of the first line is drawn, on the
    // row of line `line`: the font is fixed, so the columns stand in one
    // place on every line.
    const auto point = [this](int line, long column) {
        const long x = box().SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0UL, column);
        const long y = box().SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0UL,
                                           box().positionFromLineIndex(line, 0)) +
                       box().SendScintilla(QsciScintillaBase::SCI_TEXTHEIGHT, 0UL) / 2;
        return QPoint(static_cast<int>(x), static_cast<int>(y));
    };
    QWidget* surface = box().viewport();
    QTest::mousePress(surface, Qt::LeftButton, Qt::AltModifier, point(0, 7));
    // The mouse passes over the lines between on its way.
    for (const QPoint& at : {point(1, 8), point(2, 9), point(3, 10)}) {
        QMouseEvent move(QEvent::MouseMove, at, surface->mapToGlobal(at), Qt::LeftButton,
                         Qt::LeftButton, Qt::AltModifier);
        QApplication::sendEvent(surface, &move);
    }
    QTest::mouseRelease(surface, Qt::LeftButton, Qt::AltModifier, point(3, 10));
    const auto ends = box().selectionEnds();
    ASSERT_TRUE(ends.rectangular) << ends.anchor << " to " << ends.caret;
    action(names::addColumnAction)->trigger();
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(sameSpecs(database_.working(), {{"AGE", 8, 3, 1, 3}}))
        << describeSpecs(database_.working());
}

TEST_F(FieldizePointing, aSelectionThatMarksNoColumnIsRefusedAndTheGridStays) {
    setText(ragged);
    showTab();
    const ColumnSpecs before = {{"Day", 1, 3, 1, 3}};
    database_.setWorking(before);
    manipulator().refreshFieldizeGrid();
    box().selectRange(7, 14); // from the first line into the second
    click(names::addColumnButton);
    ASSERT_EQ(toldIds(), std::vector<MessageId>{columnPickRefusedId});
    EXPECT_NE(dialogs_.messages.front().text.find("runs across lines"), std::string::npos);
    EXPECT_TRUE(sameSpecs(database_.working(), before));
}

TEST_F(FieldizePointing, guessColumnsReplacesTheRowsOnlyWhenTheUserAgrees) {
    const std::string text = report("CF6DSM.txt");
    setText(text);
    showTab();
    const ColumnSpecs before = {{"Day", 1, 3, 1, 3}};
    database_.setWorking(before);
    manipulator().refreshFieldizeGrid();
    ASSERT_TRUE(waitUntil([&] { return !previewText().empty(); }));
    const std::string previewBefore = previewText();

    // The day rows, dragged over from the first one's start to the start of
    // the rule under the last.
    const std::size_t first = text.find("\r\n 1 ") + 2;
    const std::size_t end = text.find("\r\n====", first) + 2;
    box().selectRange(first, end - first);
    const std::vector<std::string_view> dayRows =
        splitLines(std::string_view(text).substr(first, end - 2 - first));
    const ColumnSpecs expected = guessColumns(dayRows);
    ASSERT_GT(expected.size(), 10U);

    // While the question is asked, the preview shows the guessed columns.
    std::string previewAsked;
    std::string captionAsked;
    dialogs_.whileAsked = [&](const Message&) {
        previewAsked = previewText();
        captionAsked = find<QLabel>(names::previewCaption)->text().toStdString();
    };
    dialogs_.add(Answer::No);
    click(names::guessColumnsButton);
    std::string proposed;
    for (const std::string& line : fieldizePreview(text, expected, 1).lines)
        (proposed += line) += '\n';
    EXPECT_EQ(previewAsked, proposed);
    EXPECT_NE(previewAsked, previewBefore);
    EXPECT_NE(captionAsked.find("not yet in the grid"), std::string::npos) << captionAsked;
    ASSERT_EQ(dialogs_.questions.size(), 1U);
    EXPECT_EQ(dialogs_.questions.back().id, replaceSpecsId);
    EXPECT_TRUE(sameSpecs(database_.working(), before));
    EXPECT_EQ(previewText(), previewBefore);

    dialogs_.add(Answer::Yes);
    click(names::guessColumnsButton);
    EXPECT_TRUE(dialogs_.scriptUsedUp());
    EXPECT_TRUE(sameSpecs(database_.working(), expected)) << describeSpecs(database_.working());
    EXPECT_TRUE(sameSpecs(manipulator().fieldizePanel()->model().specs(), expected));
    EXPECT_NE(previewText(), previewBefore);
}

TEST_F(FieldizePointing, guessColumnsTakesHeadingsFromTheFirstLineWhenAsked) {
    const std::string text = report("fwf-sample.txt");
    setText("Name                State     SSN\r\n" + text);
    showTab();
    find<QCheckBox>(names::firstLineHoldsHeadings)->setChecked(true);
    dialogs_.add(Answer::Yes);
    click(names::guessColumnsButton); // nothing selected: the text's first lines
    const std::vector<std::string_view> lines = splitLines(text);
    const ColumnSpecs expected =
        guessColumns(firstFilledLines(lines), "Name                State     SSN");
    EXPECT_TRUE(sameSpecs(database_.working(), expected)) << describeSpecs(database_.working());
    EXPECT_EQ(database_.working().front().columnHeading, "Name");
}

TEST_F(FieldizePointing, importingALayoutReplacesTheRowsAfterTheQuestion) {
    showTab();
    database_.setWorking({{"Day", 1, 3, 1, 3}});
    manipulator().refreshFieldizeGrid();
    const std::string schema = std::string(FIELDIZER_TEST_DATA) + "/testfixed_schema.csv";
    files_.add(schema);
    dialogs_.add(Answer::Yes);
    click(names::importColumnsButton);
    EXPECT_TRUE(dialogs_.scriptUsedUp());
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(
        sameSpecs(database_.working(), importCsvkitSchema(readTestData("testfixed_schema.csv"))))
        << describeSpecs(database_.working());

    // --column lines by their ending.
    files_.add(std::string(FIELDIZER_TEST_DATA) + "/layouts/epa78.columns");
    dialogs_.add(Answer::Yes);
    click(names::importColumnsButton);
    EXPECT_TRUE(
        sameSpecs(database_.working(), importColumnLines(readTestData("layouts/epa78.columns"))));
}

TEST_F(FieldizePointing, aMalformedLayoutIsReportedByItsLineAndTheGridStays) {
    showTab();
    const ColumnSpecs before = {{"Day", 1, 3, 1, 3}};
    database_.setWorking(before);
    manipulator().refreshFieldizeGrid();
    files_.add(writeFile("broken.csv", "column,start,length\nA,0,5\nB,x,3\n"));
    click(names::importColumnsButton);
    EXPECT_TRUE(dialogs_.questions.empty());
    ASSERT_EQ(toldIds(), std::vector<MessageId>{errorReportMessage});
    EXPECT_NE(dialogs_.messages.front().text.find("Line 3"), std::string::npos)
        << dialogs_.messages.front().text;
    EXPECT_TRUE(sameSpecs(database_.working(), before));
}

TEST_F(FieldizePointing, anExportedLayoutImportsToTheSameRows) {
    showTab();
    const ColumnSpecs rows = importColumnLines(readTestData("layouts/fwf-sample.columns"));
    database_.setWorking(rows);
    manipulator().refreshFieldizeGrid();
    for (const char* name : {"out.csv", "out.columns"}) {
        const std::string file = (folder_ / name).string();
        files_.add(file);
        click(names::exportColumnsButton);
        EXPECT_TRUE(dialogs_.messages.empty()) << name;
        database_.setWorking({});
        manipulator().refreshFieldizeGrid();
        dialogs_.add(Answer::Yes); // asked though the grid is empty
        files_.add(file);
        click(names::importColumnsButton);
        EXPECT_TRUE(sameSpecs(database_.working(), rows))
            << name << describeSpecs(database_.working());
    }
    // The statement Save to Database would run for a table named as the file.
    files_.add((folder_ / "people.sql").string());
    click(names::exportColumnsButton);
    EXPECT_EQ(readFile((folder_ / "people.sql").string()),
              exportSpecs(rows, SpecFormat::CreateTable, "people"));
    // An ending that names no layout is refused, and nothing is written.
    files_.add((folder_ / "out.txt").string());
    click(names::exportColumnsButton);
    EXPECT_EQ(toldIds(), std::vector<MessageId>{layoutEndingRefusedId});
    EXPECT_FALSE(std::filesystem::exists(folder_ / "out.txt"));
}

} // namespace
} // namespace fieldizer::testing
