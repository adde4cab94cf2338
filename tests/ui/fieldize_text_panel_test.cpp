// The "Fieldize Text" tab: the column specifications grid over fieldize_settings
// (add, edit, delete, refused values, the captions), the Fieldize pass from
// the grid on a real report, and the preview.
#include "column_spec_checks.h"
#include "columns/fieldize.h"
#include "desktop_fixture.h"
#include "runtime_error_checks.h"
#include "shell/fieldize_grid/fieldize_preview.h"
#include "shell/fieldize_grid/spec_grid_rules.h"
#include "text_engine/database_error_numbers.h"
#include "text_engine/text_lines.h"
#include "ui/manipulator/fieldize_spec_model.h"
#include "ui/manipulator/fieldize_text_panel.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/text_box/byte_text_box.h"
#include "wait_until.h"

#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

constexpr int fieldizeTab = 6;

ColumnSpec spec(std::string heading, long start, long characters, long spaces, long width) {
    return ColumnSpec{std::move(heading), start, characters, spaces, width};
}

// What the model tester finds, kept for the test to check.
std::vector<std::string> modelFaults;

void keepModelFaults(QtMsgType, const QMessageLogContext& context, const QString& message) {
    if (context.category && std::string_view(context.category) == "qt.modeltest")
        modelFaults.push_back(message.toStdString());
}

class FieldizeTab : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        modelFaults.clear();
        previousHandler_ = qInstallMessageHandler(keepModelFaults);
        tester_ = std::make_unique<QAbstractItemModelTester>(
            &model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    }
    void TearDown() override {
        tester_.reset();
        qInstallMessageHandler(previousHandler_);
        EXPECT_TRUE(modelFaults.empty()) << modelFaults.front();
        DesktopTest::TearDown();
    }

    ui::FieldizeTextPanel& panel() const { return *manipulator().fieldizePanel(); }
    ui::FieldizeSpecModel& model() const { return panel().model(); }
    QTableView& grid() const { return *find<QTableView>(names::specGrid); }
    std::string caption(const char* label) const {
        return find<QLabel>(label)->text().toStdString();
    }
    void showTab() const { manipulator().tabs()->setCurrentIndex(fieldizeTab); }

    // The user types `text` into a cell, as the grid's editor hands it over.
    bool typeInto(int row, SpecColumn column, const std::string& text) {
        const QModelIndex cell = model().index(row, static_cast<int>(column));
        grid().setCurrentIndex(cell);
        return model().setData(cell, QString::fromStdString(text));
    }
    void typeRow(int row, const ColumnSpec& spec) {
        for (int column = 0; column < static_cast<int>(SpecColumn::Count); ++column) {
            const auto c = static_cast<SpecColumn>(column);
            typeInto(row, c, specCellText(spec, c));
        }
    }
    // The user moves to another row, which writes the row left.
    void leaveRowFor(int row) { grid().setCurrentIndex(model().index(row, 0)); }
    // A click on the record selector (the row's heading) of `row`.
    void clickRecordSelector(int row) const {
        QHeaderView* selectors = grid().verticalHeader();
        // The middle of the section: near its edges the mouse takes the size.
        const QPoint at(selectors->width() / 2,
                        selectors->sectionViewportPosition(row) + selectors->sectionSize(row) / 2);
        QTest::mouseClick(selectors->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    // Where a key the user presses goes: the open cell editor, else the grid.
    QWidget* keyTarget() const {
        for (auto* editor : grid().viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return &grid();
    }

    std::vector<MessageId> messageIds() const {
        std::vector<MessageId> ids;
        for (const Message& message : dialogs_.messages)
            ids.push_back(message.id);
        return ids;
    }

    std::unique_ptr<QAbstractItemModelTester> tester_;
    QtMessageHandler previousHandler_ = nullptr;
};

TEST_F(FieldizeTab, selectingTheTabShowsTheTableWithItsCaptions) {
    showTab();
    EXPECT_EQ(caption(names::specPositionCaption), "Enter new record");
    EXPECT_EQ(caption(names::specGridCaption), "Enter Column Specifications");
    EXPECT_EQ(model().rowCount(), 1); // only the row for a new record

    const ColumnSpecs stored = {spec("Day", 1, 3, 1, 3), spec("Max", 5, 4, 0, 4)};
    database_.setWorking(stored);
    manipulator().refreshFieldizeGrid();
    EXPECT_TRUE(sameSpecs(model().specs(), stored));
    EXPECT_EQ(caption(names::specPositionCaption), "Record 1 of " + std::to_string(stored.size()));

    manipulator().setSettingsName("daily-f6");
    EXPECT_EQ(caption(names::specGridCaption), "Settings: daily-f6");
    manipulator().setSettingsName("");
    EXPECT_EQ(caption(names::specGridCaption), "Enter Column Specifications");

    leaveRowFor(1);
    EXPECT_EQ(caption(names::specPositionCaption), "Criteria 2 of 2");
    leaveRowFor(2);
    EXPECT_EQ(caption(names::specPositionCaption), "Enter new record");

    const int spaces = static_cast<int>(SpecColumn::Spaces);
    EXPECT_EQ(model().headerData(spaces, Qt::Horizontal, Qt::ToolTipRole).toString(),
              QString::fromLatin1(spacesColumnTip));
    EXPECT_EQ(model().headerData(spaces, Qt::Horizontal).toString(),
              QStringLiteral("spaces_b4_next_column"));
}

TEST_F(FieldizeTab, aRowIsWrittenWhenTheUserLeavesIt) {
    showTab();
    const ColumnSpec typed = spec("Station", 2, 7, 2, 20);
    typeRow(0, typed);
    EXPECT_TRUE(database_.working().empty()) << "written before the row was left";
    EXPECT_EQ(model().pendingRow(), 0);
    EXPECT_EQ(model().rowCount(), 2); // a further new row opened below

    leaveRowFor(1);
    EXPECT_TRUE(sameSpecs(database_.working(), {typed}));
    EXPECT_EQ(model().rowCount(), 2); // the stored row and a new empty one
    EXPECT_EQ(caption(names::specPositionCaption), "Record 1 of 1");

    // Editing a stored row: one cell changed, the others as they were.
    typeInto(0, SpecColumn::Characters, "9");
    leaveRowFor(1);
    ColumnSpec edited = typed;
    edited.numberOfCharacters = 9;
    EXPECT_TRUE(sameSpecs(database_.working(), {edited}));

    // An emptied number is stored as missing, and the pass refuses it later.
    typeInto(0, SpecColumn::Width, "");
    leaveRowFor(1);
    EXPECT_FALSE(database_.working().at(0).fieldWidth.has_value());
}

TEST_F(FieldizeTab, leavingTheTabLeavesTheRowAndEditsMarkTheSettingsChanged) {
    showTab();
    QSignalSpy changed(&manipulator(), &ui::Manipulator::parametersChanged);
    manipulator().refreshFieldizeGrid();
    EXPECT_EQ(changed.count(), 0) << "reading the table again is no edit";

    const ColumnSpec typed = spec("Day", 1, 3, 1, 3);
    typeRow(0, typed);
    EXPECT_GT(changed.count(), 0);
    manipulator().tabs()->setCurrentIndex(0);
    EXPECT_TRUE(sameSpecs(database_.working(), {typed}));

    changed.clear();
    find<QLineEdit>(names::fieldizeStartLineAt)->setText(QStringLiteral("7"));
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(FieldizeTab, rowsSelectedWholeGoWithTheDeleteKey) {
    const ColumnSpecs stored = {spec("A", 1, 1, 0, 1), spec("B", 2, 1, 0, 1),
                                spec("C", 3, 1, 0, 1)};
    database_.setWorking(stored);
    showTab();
    grid().selectRow(1);
    dialogs_.add(Answer::Yes);
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_TRUE(sameSpecs(database_.working(), {stored[0], stored[2]}));
    EXPECT_TRUE(sameSpecs(model().specs(), {stored[0], stored[2]}));
    EXPECT_EQ(caption(names::specPositionCaption),
              "Record " + std::to_string(grid().currentIndex().row() + 1) + " of 2");

    grid().selectAll(); // the new row too, which holds nothing to delete
    dialogs_.add(Answer::Yes);
    QTest::keyClick(&grid(), Qt::Key_Delete);
    ASSERT_EQ(dialogs_.questions.size(), 2u);
    EXPECT_EQ(dialogs_.questions[1].text, "Delete the 2 selected rows?");
    EXPECT_EQ(dialogs_.questions[1].title, carefulTitle);
    EXPECT_TRUE(database_.working().empty());
    EXPECT_EQ(caption(names::specPositionCaption), "Enter new record");

    // A cell alone is no row: Delete leaves it.
    database_.setWorking(stored);
    manipulator().refreshFieldizeGrid();
    grid().setCurrentIndex(model().index(0, 1));
    QTest::keyClick(&grid(), Qt::Key_Delete);
    EXPECT_EQ(database_.working().size(), stored.size());
}

TEST_F(FieldizeTab, aRecordSelectorSelectsItsRowAndDeleteAsksBeforeDeletingIt) {
    const ColumnSpecs stored = {spec("A", 1, 1, 0, 1), spec("B", 2, 1, 0, 1),
                                spec("C", 3, 1, 0, 1)};
    database_.setWorking(stored);
    showTab();
    clickRecordSelector(1);
    EXPECT_EQ(keyTarget(), &grid()) << "an editor opened on the row";
    ASSERT_EQ(grid().selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(grid().selectionModel()->selectedRows()[0].row(), 1);

    // Delete goes where the keys go: the grid, or an editor if one is open.
    dialogs_.add(Answer::No);
    QTest::keyClick(keyTarget(), Qt::Key_Delete);
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].text, "Delete Current Row?");
    EXPECT_EQ(dialogs_.questions[0].defaultAnswer, Answer::No);
    clickRecordSelector(2); // leaves the row: nothing typed, nothing written
    EXPECT_TRUE(sameSpecs(database_.working(), stored));

    clickRecordSelector(1);
    dialogs_.add(Answer::Yes);
    QTest::keyClick(keyTarget(), Qt::Key_Delete);
    EXPECT_TRUE(sameSpecs(database_.working(), {stored[0], stored[2]}));
    EXPECT_TRUE(sameSpecs(model().specs(), {stored[0], stored[2]}));
}

TEST_F(FieldizeTab, aRowLeftIncompleteIsMarkedInTheGrid) {
    ColumnSpec halfTyped{"half", std::nullopt, 3, 0, std::nullopt};
    database_.setWorking({spec("Day", 1, 3, 1, 3), halfTyped});
    showTab();
    const QAbstractItemModel& shown = *grid().model();
    EXPECT_EQ(shown.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    EXPECT_EQ(shown.headerData(1, Qt::Vertical).toString(), QStringLiteral("2 !"));
    const QString note = shown.headerData(1, Qt::Vertical, Qt::ToolTipRole).toString();
    EXPECT_TRUE(note.contains(QStringLiteral("get_data_from_column is empty")))
        << note.toStdString();
    EXPECT_TRUE(note.contains(QStringLiteral("field_width is empty"))) << note.toStdString();
    const auto marked = [&](int row, SpecColumn column) {
        return shown.index(row, static_cast<int>(column)).data(Qt::BackgroundRole).isValid();
    };
    EXPECT_TRUE(marked(1, SpecColumn::Start));
    EXPECT_TRUE(marked(1, SpecColumn::Width));
    EXPECT_FALSE(marked(1, SpecColumn::Characters));
    EXPECT_FALSE(marked(0, SpecColumn::Start));
    EXPECT_FALSE(marked(2, SpecColumn::Start)); // the new row is no record yet

    // Completed, the row is no longer marked.
    typeInto(1, SpecColumn::Start, "5");
    typeInto(1, SpecColumn::Width, "3");
    leaveRowFor(0);
    EXPECT_EQ(shown.headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));
    EXPECT_FALSE(marked(1, SpecColumn::Start));
}

TEST_F(FieldizeTab, aValueTheCellCannotHoldIsRefusedAndNothingIsWritten) {
    const ColumnSpecs stored = {spec("Day", 1, 3, 1, 3)};
    database_.setWorking(stored);
    showTab();
    for (const char* bad : {"3a", "-2", "2147483648", "1.5"}) {
        dialogs_.messages.clear();
        EXPECT_FALSE(typeInto(0, SpecColumn::Characters, bad)) << bad;
        ASSERT_EQ(messageIds(), std::vector<MessageId>{refusedCellValueId}) << bad;
        EXPECT_NE(dialogs_.messages[0].text.find(bad), std::string::npos);
        EXPECT_EQ(model().pendingRow(), -1);
        EXPECT_EQ(model().data(model().index(0, 2)).toString(), QStringLiteral("3"));
    }
    // A heading the program's character set cannot hold would be stored as
    // "?": refused too. The euro sign is one of its characters.
    dialogs_.messages.clear();
    EXPECT_FALSE(model().setData(model().index(0, 0), QStringLiteral("Max \u6e29")));
    EXPECT_EQ(messageIds(), std::vector<MessageId>{refusedCellValueId});
    EXPECT_TRUE(model().setData(model().index(0, 0), QStringLiteral("\u20ac")));
    leaveRowFor(1);
    ColumnSpec euro = stored[0];
    euro.columnHeading = "\x80";
    EXPECT_TRUE(sameSpecs(database_.working(), {euro}));
}

TEST_F(FieldizeTab, anEditTheEngineRefusesIsReportedAndTheRowKeepsItsValues) {
    const ColumnSpecs stored = {spec("Day", 1, 3, 1, 3)};
    database_.setWorking(stored);
    showTab();
    // column_heading is Text (255): one more character is too many.
    EXPECT_TRUE(typeInto(0, SpecColumn::Heading, std::string(256, 'h')));
    leaveRowFor(1);
    ASSERT_EQ(messageIds(), std::vector<MessageId>{errorReportMessage});
    EXPECT_EQ(dialogs_.messages[0].text, errorReportText(db::errors::fieldTooSmall, ""));
    EXPECT_TRUE(sameSpecs(database_.working(), stored));
    EXPECT_EQ(model().data(model().index(0, 0)).toString(), QStringLiteral("Day"));

    // The same for a new row: nothing is added.
    dialogs_.messages.clear();
    typeInto(1, SpecColumn::Heading, std::string(300, 'x'));
    leaveRowFor(0);
    EXPECT_EQ(messageIds(), std::vector<MessageId>{errorReportMessage});
    EXPECT_EQ(database_.working().size(), 1u);
    EXPECT_EQ(model().rowCount(), 2);
}

TEST_F(FieldizeTab, checkingOffTheTextTabAlsoUnchecksSelectAll) {
    auto* afterProcess = find<QCheckBox>(names::fieldizeAfterProcess);
    auto* selectAllAfter = find<QCheckBox>(names::fieldizeAfterProcessShow);
    EXPECT_TRUE(afterProcess->isChecked());
    EXPECT_FALSE(selectAllAfter->isChecked());
    selectAllAfter->setChecked(true);
    afterProcess->setChecked(false); // as Settings restore it: the rule runs too
    EXPECT_FALSE(selectAllAfter->isChecked());
    EXPECT_FALSE(selectAllAfter->isEnabled());
    afterProcess->setChecked(true);
    EXPECT_TRUE(selectAllAfter->isEnabled());
    EXPECT_FALSE(selectAllAfter->isChecked());
    EXPECT_EQ(find<QLineEdit>(names::fieldizeStartLineAt)->property("settingsKey").toString(),
              QStringLiteral("fieldizeStartLineAt"));
}

class FieldizeReport : public FieldizeTab {
  protected:
    // A real report from tests/data, its LF line ends made CR LF as the
    // window offers to do.
    std::string report() const {
        std::string text = readFile(FIELDIZER_TEST_DATA "/CF6DSM.txt");
        std::string crlfText;
        for (char c : text)
            c == '\n' ? crlfText += "\r\n" : crlfText += c;
        return crlfText;
    }
    // The columns of the report's day rows.
    const ColumnSpecs specs = {spec("DY", 1, 3, 1, 3), spec("MAX", 4, 4, 1, 4),
                               spec("MIN", 8, 4, 1, 4), spec("AVG", 12, 4, 2, 4),
                               spec("the departure", 16, 4, 0, 4)};

    std::string columnsLayer(const std::string& text, int startLineAt) const {
        PassObserver quiet;
        return runProcessingPass(
                   text,
                   fieldizeOperation([this]() -> const ColumnSpecs& { return specs; }, startLineAt),
                   quiet, folder_)
            .text;
    }
};

TEST_F(FieldizeReport, processLaysTheReportOutAsTheColumnsLayerDoes) {
    const std::string original = report();
    box().setBytes(original);
    showTab();
    for (std::size_t row = 0; row < specs.size(); ++row)
        typeRow(static_cast<int>(row), specs[row]);
    // "&Process" leaves the last row typed, which writes it.
    find<QLineEdit>(names::fieldizeStartLineAt)->setText(QStringLiteral("4"));
    click(names::fieldizeProcessButton);
    EXPECT_TRUE(sameSpecs(database_.working(), specs));
    EXPECT_EQ(text(), columnsLayer(original, 4));
    EXPECT_EQ(manipulator().tabs()->currentIndex(), 0); // "After Process, show Text/Lines tab"

    manipulator().undo();
    find<QCheckBox>(names::fieldizeAfterProcess)->setChecked(false);
    showTab();
    find<QLineEdit>(names::fieldizeStartLineAt)->setText(QString());
    click(names::fieldizeProcessButton);
    EXPECT_EQ(text(), columnsLayer(original, 0));
    EXPECT_EQ(manipulator().tabs()->currentIndex(), fieldizeTab);
}

TEST_F(FieldizeReport, processWithoutSpecificationsLeavesTheTextAlone) {
    box().setBytes(report());
    showTab();
    click(names::fieldizeProcessButton);
    EXPECT_EQ(messageIds(), std::vector<MessageId>{noColumnSpecsId});
    EXPECT_EQ(text(), report());

    // A row the pass cannot use ends the pass through the error report,
    // with the pass's own error and the row named and selected.
    ColumnSpec halfTyped{"", std::nullopt, 3, 0, 3};
    const struct {
        ColumnSpecs specs;
        std::string error;
    } unusable[] = {
        {{spec("good", 1, 3, 1, 3), spec("bad", 0, 3, 1, 3)},
         "Invalid procedure call or argument: row 2 of the column specifications (\"bad\") is "
         "incomplete (get_data_from_column is below 1). Complete the row or delete it."},
        {{spec("good", 1, 3, 1, 3), spec("good", 5, 3, 1, 3), halfTyped},
         "Invalid use of Null: row 3 of the column specifications is incomplete "
         "(get_data_from_column is empty). Complete the row or delete it."}};
    for (const auto& [rows, error] : unusable) {
        database_.setWorking(rows);
        manipulator().refreshFieldizeGrid();
        dialogs_.messages.clear();
        click(names::fieldizeProcessButton);
        ASSERT_EQ(messageIds(), std::vector<MessageId>{errorReportMessage});
        EXPECT_EQ(dialogs_.messages[0].text, error);
        EXPECT_EQ(text(), report());
        ASSERT_EQ(grid().selectionModel()->selectedRows().size(), 1);
        EXPECT_EQ(grid().selectionModel()->selectedRows()[0].row(),
                  static_cast<int>(rows.size()) - 1);
    }
}

TEST_F(FieldizeReport, clearSettingsKeepsOnlyRowsWithoutAStartColumn) {
    database_.setWorking(specs);
    ColumnSpec halfTyped{"half", std::nullopt, 3, 0, 3};
    appendColumnSpecs(*database_, "fieldize_settings", {halfTyped});
    showTab();
    EXPECT_EQ(model().storedRowCount(), static_cast<int>(specs.size() + 1));
    click(names::clearSpecsButton);
    EXPECT_TRUE(sameSpecs(database_.working(), {halfTyped}));
    EXPECT_TRUE(sameSpecs(model().specs(), {halfTyped}));
    EXPECT_EQ(caption(names::specPositionCaption), "Record 1 of 1");
    // What lingers is shown for what it is.
    EXPECT_EQ(model().headerData(0, Qt::Vertical).toString(), QStringLiteral("1 !"));
}

TEST_F(FieldizeReport, thePreviewShowsTheFirstLinesAsTheyWillBeLaidOut) {
    const std::string original = report();
    box().setBytes(original);
    showTab();
    auto* preview = find<ui::ByteTextBox>(names::preview);
    const auto previewText = [&] { return std::string(preview->bytes()); };
    for (std::size_t row = 0; row < specs.size(); ++row)
        typeRow(static_cast<int>(row), specs[row]);
    find<QLineEdit>(names::fieldizeStartLineAt)->setText(QStringLiteral("3"));

    // The pass's own output, cut to the heading and the first 20 lines.
    const auto expected = [&](int startLineAt) {
        std::string laidOut = columnsLayer(original, startLineAt);
        std::string shown;
        LineCursor lines(laidOut);
        for (std::size_t i = 0; i <= previewLineCount && !lines.atEnd(); ++i)
            (shown += lines.next()) += '\n';
        return shown;
    };
    // The rows typed but not yet written show too.
    const auto previewShows = [&](const std::string& text) {
        return waitUntil([&] { return previewText() == text; });
    };
    EXPECT_TRUE(previewShows(expected(3))) << previewText();
    find<QLineEdit>(names::fieldizeStartLineAt)->setText(QStringLiteral("1"));
    EXPECT_TRUE(previewShows(expected(1))) << previewText();

    // A row still incomplete is left out, and said to be.
    typeInto(0, SpecColumn::Start, "");
    EXPECT_TRUE(waitUntil([&] { return previewText().starts_with("MAX"); })) << previewText();
    EXPECT_TRUE(find<QLabel>(names::previewCaption)
                    ->text()
                    .endsWith(QStringLiteral("left out until complete: row 1)")));
}

} // namespace
} // namespace fieldizer::testing
