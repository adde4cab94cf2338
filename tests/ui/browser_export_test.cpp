// "Export to CSV..." in the table browser Form13 and the query result
// browser Form12: the rows shown, filter and sort in force, written to the
// file named in the save dialog, with the Manipulator's progress and Stop.
#include "desktop_fixture.h"
#include "shell/browser_export/export_request.h"
#include "text_engine/file_errors.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/query_window/query_window_controls.h"
#include "ui/table_browser/table_browser_controls.h"
#include "user_tables.h"
#include "workbench/csv_export.h"

#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <cerrno>

namespace fieldizer::testing {
namespace {

using Kind = ui::TableBrowser::Kind;
namespace browserNames = ui::tableBrowserControls;
namespace manipulatorNames = ui::manipulatorControls;

class BrowserExportTest : public DesktopTest {
  protected:
    ui::TableBrowser& openTable(const std::string& table) {
        EXPECT_TRUE(window_->showBrowser(Kind::Table, {table, {}, {}, "Tables - " + table}));
        return *window_->browser(Kind::Table);
    }
    static void press(ui::TableBrowser& browser, const char* name) {
        browser.findChild<QPushButton*>(QLatin1String(name))->click();
    }
    // Export to CSV, the save dialog answered with `file` (empty: Cancel).
    void exportTo(ui::TableBrowser& browser, const std::filesystem::path& file) {
        files_.add(file);
        press(browser, browserNames::exportButton);
    }
    // The rows of `sql` as the exporter writes them.
    std::string csvOf(const std::string& sql) {
        db::Recordset rows = state_.database->openRecordset(sql, db::RecordsetType::Snapshot);
        struct Collected final : PassOutput {
            void write(std::string_view bytes) override { text += bytes; }
            std::string text;
        } output;
        PassObserver quiet;
        db::exportCsv(rows, output, quiet);
        return output.text;
    }
    std::vector<std::filesystem::path> filesInFolder() const {
        std::vector<std::filesystem::path> found;
        for (const auto& entry : std::filesystem::directory_iterator(folder_))
            found.push_back(entry.path().filename());
        std::sort(found.begin(), found.end());
        return found;
    }
};

TEST_F(BrowserExportTest, aFilteredAndSortedTableGivesThoseRowsInThatOrderUnderAHeader) {
    makeUserTable(*state_.database, "Readings", 30);
    ui::TableBrowser& browser = openTable("Readings");
    files_.addInput("Amount > 20 or Amount < 3");
    press(browser, browserNames::filterButton);
    files_.addInput("[Label] desc");
    press(browser, browserNames::sortButton);
    ASSERT_TRUE(dialogs_.messages.empty());

    const std::filesystem::path file = folder_ / "readings export.csv";
    exportTo(browser, file);
    ASSERT_EQ(files_.requests.size(), 1u);
    EXPECT_EQ(files_.requests[0].mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(files_.requests[0].initialPath, folder_ / "Readings.csv");
    const std::string written = readFile(file.string());
    EXPECT_EQ(written, csvOf("SELECT * FROM Readings WHERE Amount > 20 OR Amount < 3 "
                             "ORDER BY Label DESC"));
    EXPECT_TRUE(written.starts_with("Label,Amount,Ratio\r\nrow 30,30,7.5\r\nrow 29,29,"))
        << written;
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, csvExportMessages::written);
    EXPECT_EQ(dialogs_.messages[0].text, csvWrittenMessage(12, file).text);
    EXPECT_EQ(browser.positionCaption(), QStringLiteral("Record: 1 of 12")) << "the rows stay";
}

TEST_F(BrowserExportTest, aQueryResultIsExportedFromItsBrowser) {
    makeUserTable(*state_.database, "Readings", 10);
    Q_EMIT window_->menus().queries->aboutToShow();
    action("menuQueriesDefine")->trigger();
    find<QPlainTextEdit>(ui::queryWindowControls::statementBox)
        ->setPlainText(QStringLiteral("SELECT Label, Ratio FROM Readings WHERE Amount <= 4"));
    click(ui::queryWindowControls::executeButton);
    ui::TableBrowser* result = window_->browser(Kind::QueryResult);
    ASSERT_NE(result, nullptr);
    ASSERT_TRUE(window_->browserVisible(Kind::QueryResult));

    const std::filesystem::path file = folder_ / "low.csv";
    exportTo(*result, file);
    ASSERT_EQ(files_.requests.size(), 1u);
    EXPECT_EQ(files_.requests[0].initialPath.filename(), "Query.csv");
    EXPECT_EQ(readFile(file.string()),
              csvOf("SELECT Label, Ratio FROM Readings WHERE Amount <= 4"));
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].text, csvWrittenMessage(4, file).text);
}

TEST_F(BrowserExportTest, stopDuringALargeExportLeavesNoFile) {
    makeUserTable(*state_.database, "Big", 60000);
    ui::TableBrowser& browser = openTable("Big");
    bool lockedWithStopLive = false;
    QTimer::singleShot(0, [&] {
        auto* stop = find<QPushButton>(manipulatorNames::stopButton);
        lockedWithStopLive = stop->isEnabled() &&
                             find<QProgressBar>(manipulatorNames::progressBar)->isVisible() &&
                             !browser.isEnabled() && !window_->menuBar()->isEnabled();
        stop->click();
    });
    const std::vector<std::filesystem::path> before = filesInFolder();
    const std::filesystem::path file = folder_ / "big.csv";
    exportTo(browser, file);
    EXPECT_TRUE(lockedWithStopLive) << "nothing else could start meanwhile";
    EXPECT_EQ(filesInFolder(), before) << "neither the file nor a temporary one";
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, csvExportMessages::stopped);
    EXPECT_EQ(dialogs_.messages[0].text, csvStoppedMessage(file).text);
    EXPECT_FALSE(find<QPushButton>(manipulatorNames::stopButton)->isEnabled());
    EXPECT_TRUE(browser.isEnabled());
    EXPECT_TRUE(window_->menuBar()->isEnabled());
}

TEST_F(BrowserExportTest, cancelInTheFileDialogWritesNothing) {
    makeUserTable(*state_.database, "Readings", 5);
    ui::TableBrowser& browser = openTable("Readings");
    const std::vector<std::filesystem::path> before = filesInFolder();
    exportTo(browser, {});
    EXPECT_EQ(files_.requests.size(), 1u);
    EXPECT_EQ(filesInFolder(), before);
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(dialogs_.questions.empty());
}

TEST_F(BrowserExportTest, aRowBeingTypedIsStoredFirstAfterTheQuestion) {
    makeUserTable(*state_.database, "Readings", 3);
    ui::TableBrowser& browser = openTable("Readings");
    QTableView& grid = browser.grid();
    grid.setCurrentIndex(grid.model()->index(1, 0));
    grid.edit(grid.currentIndex());
    QLineEdit* editor = grid.viewport()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("typed"));
    QTest::keyClick(editor, Qt::Key_Tab); // the value goes to the row, not yet stored
    dialogs_.add(Answer::Yes);
    const std::filesystem::path file = folder_ / "typed.csv";
    exportTo(browser, file);
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].text, "Commit changes?");
    EXPECT_EQ(readFile(file.string()), csvOf("SELECT * FROM Readings"));
    EXPECT_NE(readFile(file.string()).find("\r\ntyped,2,"), std::string::npos);
}

TEST_F(BrowserExportTest, aFileThatCannotBeWrittenGetsTheErrorReport) {
    makeUserTable(*state_.database, "Readings", 5);
    ui::TableBrowser& browser = openTable("Readings");
    const std::filesystem::path unreachable = folder_ / "no such folder" / "rows.csv";
    exportTo(browser, unreachable);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, errorReportMessage);
    EXPECT_EQ(dialogs_.messages[0].title, errorReportTitle);
    EXPECT_EQ(dialogs_.messages[0].text, errorReportText(fileError(ENOENT, unreachable)));
    EXPECT_EQ(fileError(ENOENT, unreachable).number(), errors::pathNotFound);
    EXPECT_FALSE(std::filesystem::exists(folder_ / "no such folder"));

    exportTo(browser, "/dev/full"); // a full disk
    ASSERT_EQ(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages[1].id, errorReportMessage);
    EXPECT_EQ(dialogs_.messages[1].text, errorReportText(fileError(ENOSPC, "/dev/full")));
}

TEST_F(BrowserExportTest, theCommandHasItsAccessKey) {
    makeUserTable(*state_.database, "Readings", 1);
    ui::TableBrowser& browser = openTable("Readings");
    auto* button = browser.findChild<QPushButton*>(QLatin1String(browserNames::exportButton));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->shortcut(), QKeySequence(Qt::ALT | Qt::Key_X));
}

} // namespace
} // namespace fieldizer::testing
