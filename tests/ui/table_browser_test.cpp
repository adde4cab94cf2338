// The table browsers Form13 and Form12 in the frame: the position caption,
// filter, sort by heading, Show All, the row questions and refused writes,
// against a real table in the program's database.
#include "desktop_fixture.h"
#include "shell/menus/form_names.h"
#include "ui/table_browser/data_control.h"
#include "ui/table_browser/dynaset_model.h"
#include "ui/table_browser/print_image.h"
#include "ui/table_browser/table_browser_controls.h"
#include "workbench/database_engine/engine_errors.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QTableView>
#include <QTest>
#include <QToolButton>

namespace fieldizer::testing {
namespace {

using Kind = ui::TableBrowser::Kind;

class TableBrowserTest : public DesktopTest {
  protected:
    // `count` readings numbered 1..count, their names in the reverse order.
    void makeTable(int count) {
        database_->execute("CREATE TABLE readings (id LONG, name TEXT(10))");
        for (int i = 1; i <= count; ++i)
            database_->execute("INSERT INTO readings (id, name) VALUES (" + std::to_string(i) +
                               ", 'n" + std::to_string(100 - i) + "')");
    }
    ui::TableBrowser& open(Kind kind, BrowserSource source) {
        EXPECT_TRUE(window_->showBrowser(kind, source));
        ui::TableBrowser* browser = window_->browser(kind);
        tester_ = std::make_unique<QAbstractItemModelTester>(
            &browser->model(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        return *browser;
    }
    ui::TableBrowser& openTable() { return open(Kind::Table, {"readings", "", {}, "readings"}); }

    static std::string caption(const ui::TableBrowser& browser) {
        return browser.positionCaption().toStdString();
    }
    static std::string cell(const ui::TableBrowser& browser, int row, int column) {
        return browser.model().index(row, column).data().toString().toStdString();
    }
    static void press(ui::TableBrowser& browser, const char* name) {
        browser.findChild<QAbstractButton*>(QLatin1String(name))->click();
    }
    static QPushButton* button(const ui::TableBrowser& browser, const char* name) {
        return browser.findChild<QPushButton*>(QLatin1String(name));
    }
    // A click on the heading of `column` with these keys held.
    static void clickHeading(ui::TableBrowser& browser, int column, Qt::KeyboardModifiers keys) {
        QHeaderView* header = browser.grid().horizontalHeader();
        const QPoint at(header->sectionViewportPosition(column) + 4, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, keys, at);
    }
    // The error the engine gives for this filter on the table.
    RuntimeError filterError(const std::string& criteria) {
        db::Recordset records = database_->openRecordset("readings", db::RecordsetType::Dynaset);
        records.setFilter(criteria);
        try {
            records.openRecordset();
        } catch (const RuntimeError& error) {
            return error;
        }
        ADD_FAILURE() << "the filter was accepted: " << criteria;
        return RuntimeError(0, {});
    }
    static QTableView& gridOf(const ui::TableBrowser& browser) {
        auto* grid = browser.findChild<QTableView*>(QLatin1String(ui::tableBrowserControls::grid));
        EXPECT_NE(grid, nullptr);
        return *grid;
    }
    // The cell editor the grid has open, if any.
    static QLineEdit* openEditor(const QTableView& grid) {
        for (auto* editor : grid.viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    // The user types `values` into `row` from its first cell, replacing what
    // each cell held and going on to the next with Tab; the row stays current.
    static void typeRow(QTableView& grid, int row, const std::vector<std::string>& values) {
        grid.setCurrentIndex(grid.model()->index(row, 0));
        grid.edit(grid.currentIndex());
        for (std::size_t i = 0; i < values.size(); ++i) {
            QLineEdit* editor = openEditor(grid);
            ASSERT_NE(editor, nullptr) << "no editor in column " << i;
            editor->selectAll();
            QTest::keyClick(editor, Qt::Key_Backspace);
            QTest::keyClicks(editor, QString::fromStdString(values[i]));
            if (i + 1 < values.size())
                QTest::keyClick(editor, Qt::Key_Tab);
        }
    }
    // The user presses Up: the editor hands its value over and the row
    // above becomes current.
    static void leaveRowUpwards(QTableView& grid) {
        const int row = grid.currentIndex().row();
        if (QLineEdit* editor = openEditor(grid))
            QTest::keyClick(editor, Qt::Key_Up);
        else
            QTest::keyClick(&grid, Qt::Key_Up);
        EXPECT_EQ(grid.currentIndex().row(), row - 1);
    }
    std::string lastMessage() const {
        return dialogs_.messages.empty() ? std::string() : dialogs_.messages.back().text;
    }

    std::unique_ptr<QAbstractItemModelTester> tester_;
};

TEST_F(TableBrowserTest, anEmptyTableShowsNoRecordOnFile) {
    makeTable(0);
    ui::TableBrowser& browser = openTable();
    EXPECT_EQ(caption(browser), "No record on file.");
    EXPECT_EQ(browser.objectName(), QLatin1String(formNames::tableBrowser));
    EXPECT_TRUE(window_->browserVisible(Kind::Table));
    EXPECT_EQ(state_.openTableName, "readings");
    EXPECT_EQ(find<QLabel>(ui::tableBrowserControls::gridCaption)->text(),
              QStringLiteral("readings"));
    window_->closeBrowsers(); // another database became current
    EXPECT_FALSE(window_->browserVisible(Kind::Table));
}

TEST_F(TableBrowserTest, theDataControlMovesAndTellsThePosition) {
    makeTable(10);
    ui::TableBrowser& browser = openTable();
    EXPECT_EQ(caption(browser), "Record: 1 of 10");
    press(browser, ui::tableBrowserControls::nextRecordButton);
    press(browser, ui::tableBrowserControls::nextRecordButton);
    EXPECT_EQ(caption(browser), "Record: 3 of 10");
    press(browser, ui::tableBrowserControls::lastRecordButton);
    EXPECT_EQ(caption(browser), "Record: 10 of 10");
    press(browser, ui::tableBrowserControls::nextRecordButton); // stays on the last record
    EXPECT_EQ(caption(browser), "Record: 10 of 10");
    press(browser, ui::tableBrowserControls::previousRecordButton);
    EXPECT_EQ(caption(browser), "Record: 9 of 10");
    press(browser, ui::tableBrowserControls::firstRecordButton);
    EXPECT_EQ(caption(browser), "Record: 1 of 10");
}

TEST_F(TableBrowserTest, aFilterOffersShowAllWhichRestoresEveryRow) {
    makeTable(10);
    ui::TableBrowser& browser = openTable();
    files_.addInput("id > 6 and name like \"n9*\"");
    press(browser, ui::tableBrowserControls::filterButton);
    ASSERT_EQ(files_.prompts.size(), 1u);
    EXPECT_EQ(files_.prompts[0], filterPrompt(BrowserKind::Table));
    EXPECT_EQ(caption(browser), "Record: 1 of 4");
    EXPECT_EQ(button(browser, ui::tableBrowserControls::refreshButton)->text(),
              QStringLiteral("Re-Filter"));
    EXPECT_TRUE(button(browser, ui::tableBrowserControls::showAllButton)->isVisibleTo(&browser));

    press(browser, ui::tableBrowserControls::refreshButton); // Re-Filter keeps the filter
    EXPECT_EQ(caption(browser), "Record: 1 of 4");

    press(browser, ui::tableBrowserControls::showAllButton);
    EXPECT_EQ(caption(browser), "Record: 1 of 10");
    EXPECT_EQ(button(browser, ui::tableBrowserControls::refreshButton)->text(),
              QStringLiteral("&Refresh"));
    EXPECT_FALSE(button(browser, ui::tableBrowserControls::showAllButton)->isVisibleTo(&browser));
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(TableBrowserTest, aCancelledOrEmptyFilterChangesNothing) {
    makeTable(10);
    ui::TableBrowser& browser = openTable();
    press(browser, ui::tableBrowserControls::nextRecordButton);
    files_.addInput(std::nullopt);
    files_.addInput("");
    press(browser, ui::tableBrowserControls::filterButton);
    press(browser, ui::tableBrowserControls::filterButton);
    EXPECT_EQ(caption(browser), "Record: 2 of 10");
    EXPECT_EQ(button(browser, ui::tableBrowserControls::refreshButton)->text(),
              QStringLiteral("&Refresh"));
    EXPECT_FALSE(button(browser, ui::tableBrowserControls::showAllButton)->isVisibleTo(&browser));
}

TEST_F(TableBrowserTest, aBadFilterIsReportedWithItsNumberAndTheRowsStay) {
    makeTable(10);
    ui::TableBrowser& browser = openTable();
    for (const std::string criteria : {"id >", "nosuchfield = 1"}) {
        files_.addInput(criteria);
        press(browser, ui::tableBrowserControls::filterButton);
        const RuntimeError expected = filterError(criteria);
        ASSERT_FALSE(dialogs_.messages.empty()) << criteria;
        EXPECT_EQ(lastMessage(),
                  "Error:" + std::to_string(expected.number()) + " " + expected.description());
        EXPECT_EQ(dialogs_.messages.back().title, applicationTitle);
        EXPECT_EQ(caption(browser), "Record: 1 of 10");
        EXPECT_FALSE(
            button(browser, ui::tableBrowserControls::showAllButton)->isVisibleTo(&browser));
    }
    // The failed filter is not left behind for the next command.
    files_.addInput("id <= 2");
    press(browser, ui::tableBrowserControls::filterButton);
    EXPECT_EQ(caption(browser), "Record: 1 of 2");
}

TEST_F(TableBrowserTest, aHeadingClickSortsAscendingAndDescendingWithAModifierHeld) {
    makeTable(10); // ids 1..10 named n99..n90
    ui::TableBrowser& browser = openTable();
    clickHeading(browser, 0, Qt::ShiftModifier);
    EXPECT_EQ(cell(browser, 0, 0), "10");
    clickHeading(browser, 1, Qt::NoModifier);
    EXPECT_EQ(cell(browser, 0, 1), "n90");
    EXPECT_EQ(cell(browser, 9, 1), "n99");
    clickHeading(browser, 0, Qt::ControlModifier);
    EXPECT_EQ(cell(browser, 0, 0), "10");
    clickHeading(browser, 0, Qt::NoModifier); // the next plain click ascends again
    EXPECT_EQ(cell(browser, 0, 0), "1");
    EXPECT_TRUE(files_.prompts.empty()); // a heading click asks nothing
    EXPECT_EQ(caption(browser), "Record: 1 of 10");
}

TEST_F(TableBrowserTest, theSortCommandAsksForItsColumnAndReportsABadOne) {
    makeTable(5);
    ui::TableBrowser& browser = openTable();
    files_.addInput("name");
    press(browser, ui::tableBrowserControls::sortButton);
    ASSERT_EQ(files_.prompts.size(), 1u);
    EXPECT_EQ(files_.prompts[0], sortPrompt());
    EXPECT_EQ(cell(browser, 0, 1), "n95");
    files_.addInput("[no such]");
    press(browser, ui::tableBrowserControls::sortButton);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(lastMessage().rfind("Error:", 0), 0u);
    EXPECT_EQ(cell(browser, 0, 1), "n95"); // the sorted rows stay
}

TEST_F(TableBrowserTest, aRowTypedIsAskedOnceWhenLeftAndNoKeepsItUnchanged) {
    makeTable(3);
    ui::TableBrowser& browser = openTable();
    QTableView& grid = gridOf(browser);
    typeRow(grid, 1, {"20", "changed"});
    EXPECT_TRUE(dialogs_.questions.empty()) << "asked before the row was left";
    EXPECT_EQ(grid.model()->headerData(1, Qt::Vertical).toString(), QStringLiteral("\u270E"));

    dialogs_.add(Answer::No);
    leaveRowUpwards(grid);
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].text, "Commit changes?");
    EXPECT_EQ(database_.rows("readings")[1], (std::vector<std::string>{"2", "n98"}));
    EXPECT_EQ(cell(browser, 1, 0), "2");
    EXPECT_EQ(cell(browser, 1, 1), "n98");

    typeRow(grid, 1, {"20", "changed"});
    dialogs_.add(Answer::Yes);
    leaveRowUpwards(grid);
    EXPECT_EQ(dialogs_.questions.size(), 2u);
    EXPECT_EQ(database_.rows("readings")[1], (std::vector<std::string>{"20", "changed"}));
    EXPECT_EQ(cell(browser, 1, 1), "changed");
    EXPECT_EQ(caption(browser), "Record: 1 of 3");
}

TEST_F(TableBrowserTest, aNewRecordTypedAcrossItsFieldsIsOneRecordInBothBrowsers) {
    makeTable(2);
    const std::pair<Kind, BrowserSource> sources[] = {
        {Kind::Table, {"readings", "", {}, "readings"}},
        {Kind::QueryResult, {"", "SELECT * FROM readings", {}, "Query"}}};
    int added = 0;
    for (const auto& [kind, source] : sources) {
        ui::TableBrowser& browser = open(kind, source);
        QTableView& grid = gridOf(browser);
        const int newLine = 2 + added;
        ASSERT_EQ(browser.model().rowCount(), newLine + 1); // the records and the new line
        typeRow(grid, newLine, {std::to_string(10 + added), "new"});
        EXPECT_EQ(dialogs_.questions.size(), std::size_t(added)) << "asked before the row was left";
        EXPECT_EQ(database_.rows("readings").size(), std::size_t(newLine));

        dialogs_.add(Answer::Yes);
        leaveRowUpwards(grid);
        ++added;
        EXPECT_EQ(dialogs_.questions.size(), std::size_t(added));
        const auto rows = database_.rows("readings");
        ASSERT_EQ(rows.size(), std::size_t(newLine + 1)) << "one record, not one per field";
        EXPECT_EQ(rows.back(), (std::vector<std::string>{std::to_string(10 + added - 1), "new"}));
        EXPECT_EQ(browser.model().rowCount(), newLine + 2); // the new record and a new line
        EXPECT_EQ(cell(browser, newLine, 1), "new");
        EXPECT_EQ(caption(browser),
                  "Record: " + std::to_string(newLine) + " of " + std::to_string(newLine + 1));
    }
}

TEST_F(TableBrowserTest, aRowTheEngineRefusesIsReportedAndKeepsItsValues) {
    makeTable(3);
    ui::TableBrowser& browser = openTable();
    QTableView& grid = gridOf(browser);
    const struct {
        int row;
        const char* id;
        const char* name;
        int number;
    } refused[] = {{1, "2", "far too long for ten", db::errors::fieldTooSmall},
                   {1, "letters", "n98", db::errors::conversionError},
                   {3, "4", "far too long for ten", db::errors::fieldTooSmall}};
    for (const auto& write : refused) {
        typeRow(grid, write.row, {write.id, write.name});
        dialogs_.add(Answer::Yes);
        leaveRowUpwards(grid);
        ASSERT_FALSE(dialogs_.messages.empty());
        EXPECT_EQ(lastMessage().rfind("Error:" + std::to_string(write.number) + " ", 0), 0u)
            << lastMessage();
    }
    EXPECT_EQ(database_.rows("readings").size(), 3u);
    EXPECT_EQ(database_.rows("readings")[1], (std::vector<std::string>{"2", "n98"}));
    EXPECT_EQ(cell(browser, 1, 1), "n98");
    EXPECT_EQ(browser.model().rowCount(), 4);
    // The recordset is not left in the middle of an edit.
    typeRow(grid, 1, {"2", "fits"});
    dialogs_.add(Answer::Yes);
    leaveRowUpwards(grid);
    EXPECT_EQ(database_.rows("readings")[1][1], "fits");
    // Escape on the grid drops what was typed into the row, unasked.
    const std::size_t asked = dialogs_.questions.size();
    typeRow(grid, 1, {"7", "dropped"});
    QTest::keyClick(openEditor(grid), Qt::Key_Escape); // the cell's editor goes
    EXPECT_EQ(cell(browser, 1, 0), "7");
    QTest::keyClick(&grid, Qt::Key_Escape); // and then the row's typing
    leaveRowUpwards(grid);
    EXPECT_EQ(dialogs_.questions.size(), asked);
    EXPECT_EQ(cell(browser, 1, 0), "2");
    EXPECT_EQ(cell(browser, 1, 1), "fits");
}

TEST_F(TableBrowserTest, deletingARowAsksFirst) {
    makeTable(4);
    ui::TableBrowser& browser = openTable();
    QTableView& grid = browser.grid();
    grid.setCurrentIndex(browser.model().index(1, 0));
    dialogs_.add(Answer::No);
    QTest::keyClick(&grid, Qt::Key_Delete);
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].text, "Delete Current Row?");
    EXPECT_EQ(database_.rows("readings").size(), 4u);

    dialogs_.add(Answer::Yes);
    QTest::keyClick(&grid, Qt::Key_Delete);
    const auto rows = database_.rows("readings");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][0], "3");
    EXPECT_EQ(caption(browser), "Record: 2 of 3");
    EXPECT_EQ(cell(browser, 1, 0), "3");
}

TEST_F(TableBrowserTest, theQueryResultBrowserHasItsOwnPromptAndClosesWithItsTable) {
    makeTable(6);
    ui::TableBrowser& table = openTable();
    ui::TableBrowser& query =
        open(Kind::QueryResult,
             {"",
              "PARAMETERS lowest Long; SELECT name FROM [Readings] WHERE id >= lowest",
              {{"lowest", "4"}},
              "Query"});
    EXPECT_EQ(query.objectName(), QLatin1String(formNames::queryResultBrowser));
    EXPECT_EQ(query.windowTitle(), QStringLiteral("Query"));
    EXPECT_EQ(caption(query), "Record: 1 of 3");
    files_.addInput(std::nullopt);
    press(query, ui::tableBrowserControls::filterButton);
    EXPECT_EQ(files_.prompts.back(), filterPrompt(BrowserKind::QueryResult));

    window_->closeBrowsersOf("other");
    EXPECT_TRUE(window_->browserVisible(Kind::QueryResult));
    window_->closeBrowsersOf("READINGS");
    EXPECT_FALSE(window_->browserVisible(Kind::QueryResult));
    EXPECT_FALSE(window_->browserVisible(Kind::Table));
    EXPECT_EQ(table.model().recordset(), nullptr); // Form13 closed its recordset
}

TEST_F(TableBrowserTest, aReadOnlyQueryResultCountsEveryRowAndTakesNoEdits) {
    makeTable(30);
    ui::TableBrowser& query =
        open(Kind::QueryResult,
             {"",
              "SELECT id MOD 7 AS rest, count(*) AS n FROM readings GROUP BY id MOD 7",
              {},
              "Rests"});
    EXPECT_EQ(caption(query), "Record: 1 of 7");
    ui::DynasetModel& model = query.model();
    EXPECT_EQ(model.rowCount(), 7); // no line for a new record
    EXPECT_FALSE(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));
    press(query, ui::tableBrowserControls::lastRecordButton);
    EXPECT_EQ(caption(query), "Record: 7 of 7");
    files_.addInput("n > 4");
    press(query, ui::tableBrowserControls::filterButton);
    EXPECT_EQ(caption(query), "Record: 1 of 2"); // rests 1 and 2 come five times
    EXPECT_TRUE(dialogs_.questions.empty());
}

TEST_F(TableBrowserTest, activatedAgainTheTableShowsNewRowsUnderItsFilterAndPlace) {
    makeTable(5);
    ui::TableBrowser& browser = openTable();
    files_.addInput("id > 2");
    press(browser, ui::tableBrowserControls::filterButton);
    press(browser, ui::tableBrowserControls::nextRecordButton);
    database_->execute("INSERT INTO readings (id, name) VALUES (9, 'added')");
    auto* mdi = window_->findChild<QMdiArea*>();
    mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(manipulator().parentWidget()));
    mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(browser.parentWidget()));
    EXPECT_EQ(caption(browser), "Record: 2 of 4");
    EXPECT_EQ(button(browser, ui::tableBrowserControls::refreshButton)->text(),
              QStringLiteral("Re-Filter"));
    EXPECT_EQ(state_.activeFormName, formNames::tableBrowser);
    EXPECT_EQ(state_.openTableName, "readings");
}

TEST_F(TableBrowserTest, printPutsTheWindowsImageOnThePrinter) {
    makeTable(3);
    ui::TableBrowser& browser = openTable();
    const std::string pdf = (folder_ / "browser.pdf").string();
    bool printed = false;
    browser.printImage = [&](QWidget& window) {
        QPrinter printer;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
        printed = ui::printWidgetImage(printer, window);
    };
    press(browser, ui::tableBrowserControls::printButton);
    EXPECT_TRUE(printed);
    EXPECT_GT(std::filesystem::file_size(pdf), 1000u);
}

TEST_F(TableBrowserTest, anUnknownTableIsReportedAndNothingOpens) {
    EXPECT_FALSE(window_->showBrowser(Kind::Table, {"missing", "", {}, "missing"}));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].title, errorReportTitle);
    EXPECT_EQ(dialogs_.messages[0].text,
              db::errors::inputTableOrQueryNotFound("missing").description());
    EXPECT_FALSE(window_->browserVisible(Kind::Table));
}

} // namespace
} // namespace fieldizer::testing
