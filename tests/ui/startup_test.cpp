// Start-up, the menu tree's starting states, and the menus recomputed as
// they open.
#include "awkward_paths.h"
#include "desktop_fixture.h"
#include "shell/menus/form_names.h"
#include "shell/program_state/database_location.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/text_viewer/text_viewer.h"

#include <QLabel>
#include <QMenu>
#include <QTabWidget>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

using StartUp = DesktopTest;

TEST_F(StartUp, showsTheManipulatorWithItsTabsAndTheStartingMenuStates) {
    EXPECT_EQ(window_->objectName(), QLatin1String(formNames::mainWindow));
    EXPECT_TRUE(manipulator().isVisible());
    EXPECT_EQ(manipulator().windowTitle(), QStringLiteral("Manipulator"));
    auto* tabs = find<QTabWidget>(names::tabs);
    const QStringList captions = {QStringLiteral("Text/Lines"),      QStringLiteral("Move Text"),
                                  QStringLiteral("Add Text"),        QStringLiteral("Replace Text"),
                                  QStringLiteral("Delete Text"),     QStringLiteral("Format Text"),
                                  QStringLiteral("Fieldize Text"),   QStringLiteral("Settings"),
                                  QStringLiteral("Save to Database")};
    ASSERT_EQ(tabs->count(), captions.size());
    for (int tab = 0; tab < tabs->count(); ++tab)
        EXPECT_EQ(tabs->tabText(tab), captions[tab]);
    EXPECT_EQ(state_.homeDbPath, database_.path());
    EXPECT_EQ(std::filesystem::current_path(), folder_);

    for (const char* off :
         {"menuFileSaveFile", "menuFileSaveFileAs", "menuFileCloseFile", "menuFileUseOrig",
          "menuFileOpenTable", "menuFilePrint", "menuEditUndo", "menuEditCut", "menuSearchFind"})
        EXPECT_FALSE(action(off)->isEnabled()) << off;
    for (const char* on : {"menuFileOpenFile", "menuFileOpenDB", "menuFilePrinterSetup", "menuExit",
                           "menuEditPaste", "menuViewFieldize", "menuAbout"})
        EXPECT_TRUE(action(on)->isEnabled()) << on;
    EXPECT_EQ(action("menuFileOpenFile")->text(), QStringLiteral("&Open File..."));
    EXPECT_EQ(action("menuFileSaveTableAs")->text(), QStringLiteral("Save TABLE &As..."));
    EXPECT_FALSE(find<QPushButton>(names::undoButton)->isEnabled());
    EXPECT_FALSE(find<QPushButton>(names::stopButton)->isEnabled());
    EXPECT_FALSE(find<QPushButton>(names::joinLinesButton)->isEnabled()); // nothing to join yet
}

TEST_F(StartUp, emptiesTheWorkingColumnSpecificationsOfEarlierRuns) {
    database_.setWorking({{"DAY", 1, 2, 1, 2}});
    window_.reset();
    state_ = {};
    window_ = std::make_unique<ui::MainWindow>(state_, dialogs_, files_);
    ASSERT_TRUE(window_->start(folder_, false));
    EXPECT_TRUE(database_.working().empty());
}

TEST_F(StartUp, aSecondWindowOnTheSameDatabaseKeepsTheFirstOnesSpecifications) {
    database_.setWorking({{"DAY", 1, 2, 1, 2}}); // typed in the running window
    ProgramState secondState;
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    {
        ui::MainWindow second(secondState, dialogs, files);
        ASSERT_TRUE(second.start(folder_, false));
        EXPECT_EQ(database_.working().size(), 1u);
    }
    secondState = {};
    window_.reset();
    state_ = {};
    window_ = std::make_unique<ui::MainWindow>(state_, dialogs_, files_);
    ASSERT_TRUE(window_->start(folder_, false));
    EXPECT_TRUE(database_.working().empty()) << "no window ran any more";
}

TEST_F(StartUp, asksForTheDatabaseAndEndsWhenItIsNotFound) {
    ProgramState otherState;
    ScriptedDialogs dialogs({Answer::Ok, Answer::Cancel});
    ScriptedFileDialogs files({database_.path()});
    const auto empty = folder_ / "empty";
    std::filesystem::create_directories(empty);
    ui::MainWindow found(otherState, dialogs, files);
    ASSERT_TRUE(found.start(empty, false));
    EXPECT_EQ(otherState.dbPath, database_.path());

    ProgramState lostState;
    ui::MainWindow lost(lostState, dialogs, files);
    EXPECT_FALSE(lost.start(empty, false));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text.substr(0, 46),
              "This application cannot execute properly witho");
}

TEST_F(StartUp, opensTheDatabaseInAFolderWithAnAwkwardName) {
    const auto folder = folder_ / awkwardFolderName;
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(database_.path(), folder / "fieldizer.mdb");
    ProgramState otherState;
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ui::MainWindow other(otherState, dialogs, files);
    ASSERT_TRUE(other.start(folder, false));
    EXPECT_EQ(otherState.homeDbPath, folder / "fieldizer.mdb");
    ASSERT_TRUE(otherState.database && otherState.database->isOpen());
    EXPECT_EQ(otherState.database->name(), otherState.homeDbPath);
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(StartUp, aDatabaseThatWillNotOpenIsReportedAndTheProgramEnds) {
    const auto folder = folder_ / awkwardFolderName;
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "fieldizer.mdb", std::ios::binary) << "not a database at all";
    ProgramState otherState;
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    ui::MainWindow other(otherState, dialogs, files);
    EXPECT_FALSE(other.start(folder, false));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].id, errorReportMessage);
    EXPECT_EQ(dialogs.messages[1].id, startupMessageIds::databaseMissing);
}

TEST_F(StartUp, closingTheManipulatorHidesEditAndSearchAndTheViewMenuReopensIt) {
    manipulator().parentWidget()->close(); // the window's close box
    EXPECT_FALSE(manipulator().isVisible());
    EXPECT_FALSE(find<QMenu>("menuEdit")->menuAction()->isVisible());
    EXPECT_FALSE(find<QMenu>("menuSearch")->menuAction()->isVisible());
    window_->updateFileMenu();
    for (const char* off :
         {"menuFileOpenFile", "menuFileSaveFile", "menuFileSaveFileAs", "menuFileCloseFile"})
        EXPECT_FALSE(action(off)->isEnabled()) << off;
    ASSERT_TRUE(state_.database);
    EXPECT_TRUE(state_.database->isOpen()); // the File menu reopened the program's database
    window_->updateViewMenu();
    ASSERT_TRUE(action("menuViewFieldize")->isEnabled());
    action("menuViewFieldize")->trigger();
    EXPECT_TRUE(manipulator().isVisible());
    EXPECT_TRUE(find<QMenu>("menuEdit")->menuAction()->isVisible());
}

TEST_F(StartUp, tableCommandsFollowTheDatabasesListedTables) {
    window_->updateFileMenu();
    EXPECT_FALSE(action("menuFileOpenTable")->isEnabled()); // only the program's own tables
    database_->execute("create table Fieldize_X (a text)");
    database_->execute("create table MSysY (a text)");
    window_->updateFileMenu();
    EXPECT_FALSE(action("menuFileDeleteTable")->isEnabled());
    database_->execute("create table climate (a text)");
    window_->updateFileMenu();
    EXPECT_TRUE(action("menuFileOpenTable")->isEnabled());
    EXPECT_TRUE(action("menuFileDeleteTable")->isEnabled());
}

TEST_F(StartUp, everyLabelledFieldHasItsLabelAsBuddy) {
    for (const char* name :
         {names::counterLabel, names::counterHasLabel, names::startLineAfterLabel}) {
        auto* label = find<QLabel>(name);
        ASSERT_NE(label, nullptr);
        EXPECT_NE(label->buddy(), nullptr) << name;
    }
    EXPECT_EQ(find<QLabel>(names::counterLabel)->buddy()->objectName(),
              QLatin1String(names::counterText));
}

} // namespace
} // namespace fieldizer::testing
