// Save to Database through the window on a large report: the report opened
// in the Manipulator, six column specifications in the working table, a new
// table in the program's database, timed from the click on "&Save" to the
// table list refilled; then a second save stopped a tenth of the way, timed from the
// click on "&Stop" to the end of the save. usage: save_tab_bench REPORT
#include "columns/spec_table.h"
#include "shell/dialogs/file_dialogs.h"
#include "text_engine/user_dialogs.h"
#include "ui/main_window/main_window.h"
#include "ui/manipulator/manipulator.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <QApplication>
#include <QComboBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

// Questions are answered No (none is expected for a new table); messages
// are printed.
class Silent final : public fieldizer::UserDialogs, public fieldizer::FileDialogs {
  public:
    fieldizer::Answer ask(const fieldizer::Message& message) override {
        std::printf("question:      %s\n", message.text.c_str());
        return fieldizer::Answer::No;
    }
    void tell(const fieldizer::Message& message) override {
        std::printf("message:       %s\n", message.text.c_str());
    }
    std::filesystem::path chooseFile(const fieldizer::FileDialogRequest&) override { return {}; }
    std::optional<std::string> inputText(const std::string&, const std::string&,
                                         const std::string&) override {
        return std::nullopt;
    }
};

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// The same six columns as bench/run_columns.sh gives the command line.
void setWorkingColumns(const std::string& databasePath) {
    using fieldizer::ColumnSpec;
    auto database =
        fieldizer::db::Workspace().openDatabase(databasePath, fieldizer::db::ownConnectString);
    fieldizer::appendColumnSpecs(
        *database, fieldizer::db::specificationTable,
        {ColumnSpec{"Station", 1, 20, 1, 20}, ColumnSpec{"Account", 21, 8, 1, 8},
         ColumnSpec{"Code", 33, 10, 1, 10}, ColumnSpec{"Amount", 43, 12, 1, 12},
         ColumnSpec{"Balance", 55, 12, 1, 12}, ColumnSpec{"Remarks", 69, 22, 0, 22}});
    database->close();
}

long recordCount(const std::string& databasePath, const char* table) {
    auto database =
        fieldizer::db::Workspace().openDatabase(databasePath, fieldizer::db::ownConnectString);
    fieldizer::db::Recordset count =
        database->openRecordset(std::string("select count(*) from ") + table);
    const long records = std::stol(count.value(0).toText());
    count.close();
    database->close();
    return records;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: save_tab_bench REPORT\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const std::string report = std::filesystem::absolute(argv[1]).string();
    const auto folder = std::filesystem::temp_directory_path() / "fieldizer-save-bench";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const std::string databasePath = (folder / "fieldizer.mdb").string();
    fieldizer::db::createFieldizerDatabase(databasePath);

    fieldizer::ProgramState state;
    Silent dialogs;
    fieldizer::ui::MainWindow window(state, dialogs, dialogs);
    window.show();
    window.start(folder, false);
    setWorkingColumns(databasePath);
    window.openFileCommand(report);
    auto& manipulator = *window.manipulator();
    manipulator.tabs()->setCurrentIndex(8);
    auto* table = manipulator.findChild<QComboBox*>(QStringLiteral("Combo17"));
    manipulator.findChild<QComboBox*>(QStringLiteral("Combo18"))
        ->setEditText(QStringLiteral("Use column specs on the Fieldize Text tab"));
    auto* save = manipulator.findChild<QPushButton*>(QStringLiteral("Command10"));

    table->setEditText(QStringLiteral("report"));
    const auto start = Clock::now();
    save->click();
    QApplication::processEvents();
    const double saveSeconds = secondsSince(start); // before the records are counted
    std::printf("save (window): %.2f s, %ld records\n", saveSeconds,
                recordCount(databasePath, "report"));

    table->setEditText(QStringLiteral("stopped"));
    // Stop is clicked once a tenth of the text is saved, whatever the load
    // of the machine made of the time before the first record.
    std::optional<Clock::time_point> stopClicked;
    auto* bar = manipulator.findChild<QProgressBar*>(QStringLiteral("ProgressBar1"));
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (stopClicked || !bar->isVisible() || bar->value() < bar->maximum() / 10)
            return;
        stopClicked = Clock::now();
        manipulator.findChild<QPushButton*>(QStringLiteral("Command17"))->click();
    });
    watch.start(5);
    save->click();
    if (stopClicked) {
        // Until the save has ended: the records so far committed, the list
        // refilled.
        const double stopMs = secondsSince(*stopClicked) * 1000;
        std::printf("stop effect:   %.0f ms, %ld records kept\n", stopMs,
                    recordCount(databasePath, "stopped"));
    } else
        std::printf("stop effect:   the save ended before Stop (text too short)\n");
    state.textModified = false;
    std::filesystem::remove_all(folder);
    return 0;
}
