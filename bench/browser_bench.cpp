// The table browser Form13 on a large table, through the real window on the
// offscreen platform: open until the first rows and the position caption
// show, jump to the last row, the memory the browser holds per row, and a
// filter matching about 1 % of the rows, a heading-click sort and a sorted
// SELECT executed in the query window, each against the sqlite3 shell
// running the same SELECT on the same file.
// usage: browser_bench [ROWS] (default 1,000,000)
//        browser_bench --picture FILE.png: both browsers with a few rows
#include "bench_answers.h"
#include "db_bench_data.h"
#include "ui/main_window/main_window.h"
#include "ui/query_window/query_window.h"
#include "ui/table_browser/dynaset_model.h"
#include "workbench/database_engine/row_appender.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <optional>
#include <unistd.h>

namespace fs = std::filesystem;
using namespace fieldizer;

namespace {

// The records as Save to Database writes them: through the row appender, in
// one transaction.
void fillTable(const std::string& path, long rows) {
    auto database = db::Workspace().openDatabase(path, db::ownConnectString);
    database->execute("CREATE TABLE readings (id TEXT(20), station TEXT(20), city TEXT(20), "
                      "reading TEXT(20), status TEXT(20))");
    db::Transaction transaction(*database);
    db::Recordset table = database->openRecordset("readings");
    db::RowAppender appender(table);
    std::vector<std::vector<std::string>> chunk; // alive, unmoved, until written
    chunk.reserve(10000);
    for (long i = 0; i < rows; ++i) {
        chunk.push_back(bench::benchRecord(i));
        for (int f = 0; f < 5; ++f)
            appender.setText(f, chunk.back()[std::size_t(f)]);
        appender.endRow();
        if (chunk.size() == 10000 || i + 1 == rows) {
            appender.flush();
            chunk.clear();
        }
    }
    transaction.commit();
}

// Bytes allocated and in use: what the program holds, without the pages the
// allocator keeps after a vector grew.
long heldBytes() {
    const struct mallinfo2 info = mallinfo2();
    return long(info.uordblks + info.hblkhd);
}

long residentBytes() {
    std::ifstream statm("/proc/self/statm");
    long size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

template <class Action> double timed(Action action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    QApplication::processEvents();
    return bench::secondsSince(start);
}

// The shell's time for one statement on the file, its rows written away.
double shellSeconds(const std::string& path, const std::string& sql) {
    const std::string command = "sqlite3 '" + path + "' \"" + sql + "\" > /dev/null";
    double best = 1e9;
    for (int run = 0; run < 3; ++run)
        best = std::min(best, timed([&] {
                            if (std::system(command.c_str()) != 0)
                                std::printf("sqlite3 failed: %s\n", sql.c_str());
                        }));
    return best;
}

void report(const char* what, double ours, double limit) {
    std::printf("%-44s %8.3f s (limit %.1f s)\n", what, ours, limit);
}

void compare(const char* what, double ours, double shell, const std::string& sql) {
    std::printf("%-44s %8.3f s, sqlite3 %.3f s: %.2fx (limit 2x)\n    sqlite3: %s\n", what, ours,
                shell, ours / shell, sql.c_str());
}

// Form13 on the table and Form12 on a query of it, drawn into a picture.
bool savePicture(ui::MainWindow& window, const QString& file) {
    using Kind = ui::TableBrowser::Kind;
    window.resize(1000, 760);
    QApplication::processEvents();
    window.showBrowser(Kind::Table, {"readings", "", {}, "readings"});
    window.browser(Kind::Table)->findChild<QToolButton*>(QStringLiteral("Data1Next"))->click();
    window.showBrowser(Kind::QueryResult, {"",
                                           "SELECT city, station, reading FROM readings "
                                           "WHERE city = 'Ames' ORDER BY station",
                                           {},
                                           "Readings in Ames"});
    for (int i = 0; i < 5; ++i)
        QApplication::processEvents();
    return window.grab().save(file);
}

void measure(ui::MainWindow& window, ProgramState& state, bench::FixedAnswers& answers,
             const std::string& path, long rows) {
    using Kind = ui::TableBrowser::Kind;
    // The dynaset alone, as the browser opens it: its keys and the file's
    // pages read into SQLite's cache (which has a fixed size).
    std::size_t keys = 0;
    double dynaset = 1e9;
    for (int run = 0; run < 3; ++run)
        dynaset = std::min(dynaset, timed([&] {
                               db::Recordset records = state.database->openRecordset(
                                   "readings", db::RecordsetType::Dynaset);
                               records.moveLast();
                               keys = records.bytesHeld();
                           }));
    const long before = heldBytes(), residentBefore = residentBytes();
    const double open = timed([&] { window.showBrowser(Kind::Table, {"readings", "", {}, "t"}); });
    const long held = heldBytes() - before, resident = residentBytes() - residentBefore;
    ui::TableBrowser& browser = *window.browser(Kind::Table);
    std::printf("rows: %ld, caption: %s\n", rows, browser.positionCaption().toUtf8().constData());
    report("open until the rows and caption show", open, 0.5);
    report("  the dynaset alone (open, MoveLast; best of 3)", dynaset, 0.5);
    const double last =
        timed([&] { browser.findChild<QToolButton*>(QStringLiteral("Data1Last"))->click(); });
    std::printf("last: %s\n", browser.positionCaption().toUtf8().constData());
    report("jump to the last row", last, 0.5);
    std::printf("%-44s %8.1f bytes per row (limit 16)\n", "memory held by the open browser",
                double(held) / double(rows));
    std::printf("%-44s %8.1f bytes per row\n", "  of which the dynaset's keys",
                double(keys) / double(rows));
    std::printf("%-44s %8.1f bytes per row\n", "  resident memory grown (allocator's pages too)",
                double(resident) / double(rows));

    answers.input = "reading like \"1?\"";
    const double filter = timed([&] { browser.filterCommand(); });
    std::printf("filter: %s\n", browser.positionCaption().toUtf8().constData());
    const std::string filterSql = "SELECT * FROM readings WHERE reading LIKE '1_'";
    compare("filter (1 % of the rows)", filter, shellSeconds(path, filterSql), filterSql);

    browser.showAllCommand();
    const double sort = timed([&] { browser.headingClicked(2); });
    std::printf("sort: first city %s\n",
                browser.model().index(0, 2).data().toString().toUtf8().constData());
    const std::string sortSql = "SELECT * FROM readings ORDER BY city";
    compare("heading-click sort (city)", sort, shellSeconds(path, sortSql), sortSql);

    // A sorted SELECT typed into the query window and executed, until its
    // rows show in Form12: the statement runs once, in the result browser.
    const std::string querySql = "SELECT * FROM readings ORDER BY station";
    window.showQueries(queries::QueryMode::Define);
    ui::QueryWindow& queries = *window.queryWindow();
    queries.findChild<QPlainTextEdit*>(QStringLiteral("txtSQLStatement"))
        ->setPlainText(QString::fromStdString(querySql));
    const double query = timed([&] { queries.cmdExecuteSQL_Click(); });
    std::printf("query result: %s\n",
                window.browser(Kind::QueryResult)->positionCaption().toUtf8().constData());
    compare("query window Execute (sorted SELECT)", query, shellSeconds(path, querySql), querySql);
}

} // namespace

int main(int argc, char** argv) {
    const bool picture = argc > 2 && std::string(argv[1]) == "--picture";
    const long rows = picture ? 250 : argc > 1 ? std::atol(argv[1]) : 1000000;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const fs::path folder = fs::temp_directory_path() / "fieldizer-browser-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string path = (folder / "fieldizer.mdb").string();
    db::createFieldizerDatabase(path);
    fillTable(path, rows);

    bench::FixedAnswers answers;
    ProgramState state;
    ui::MainWindow window(state, answers, answers);
    window.show();
    if (!window.start(folder, false))
        return 1;
    QApplication::processEvents();
    bool done = true;
    if (picture)
        done = savePicture(window, QString::fromLocal8Bit(argv[2]));
    else
        measure(window, state, answers, path, rows);
    fs::remove_all(folder);
    return done ? 0 : 1;
}
