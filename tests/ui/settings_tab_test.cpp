// The "Settings" tab in the window: saving every parameter control of every
// tab, selecting a set back into the controls (their rules run, no edit is
// counted), deleting, and the buttons following settingsChanged.
#include "columns/save_to_database.h"
#include "saving_tabs_fixture.h"
#include "settings/settings_messages.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/parameter_controls.h"

#include <QAbstractButton>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

class SettingsTab : public SavingTabsTest {
  protected:
    void SetUp() override {
        SavingTabsTest::SetUp();
        showTab(Settings);
    }
    bool enabled(const char* name) const { return find<QWidget>(name)->isEnabled(); }
    ParameterValues shownValues() const { return ui::readParameterControls(manipulator()); }
    void saveAs(const std::string& name, std::deque<Answer> answers = {}) {
        for (Answer answer : answers)
            dialogs_.add(answer);
        setCombo(names::settingsName, name);
        click(names::saveSettingsButton);
        EXPECT_TRUE(dialogs_.scriptUsedUp());
    }
    void select(const std::string& name) {
        setCombo(names::settingsName, name);
        click(names::selectSettingsButton);
    }
    // Every parameter control that exists takes a value other than the one
    // it shows: a typed text, a number, the other state, the last list item.
    void changeEveryControl() {
        for (const ParameterKey& key : parameterKeys()) {
            QWidget* control = ui::parameterControl(manipulator(), key.name);
            if (!control)
                continue;
            std::string value =
                key.kind == KeyKind::Number ? "7" : "typed " + std::string(key.name);
            if (key.name == "startLineAfter")
                value = "42";
            if (auto* check = qobject_cast<QAbstractButton*>(control))
                value = check->isChecked() ? "0" : "1";
            auto* list = qobject_cast<QComboBox*>(control);
            if (list && !list->isEditable())
                value = ui::fromQString(list->itemText(list->count() - 1));
            ui::setControlValue(*control, value);
        }
    }
};

TEST_F(SettingsTab, aSavedSetComesBackIntoEveryControlWithoutCountingAsAnEdit) {
    changeEveryControl();
    setCombo(names::databaseProcessMethod, std::string(parseByDelimiterMethod));
    const ParameterValues saved = shownValues();
    database_.setWorking({spec("Name", 1, 5, 5)});
    EXPECT_TRUE(enabled(names::saveSettingsButton)) << "the edits marked the Settings as changed";
    saveAs("Monthly");
    EXPECT_FALSE(enabled(names::saveSettingsButton));
    EXPECT_TRUE(enabled(names::selectSettingsButton));
    EXPECT_TRUE(enabled(names::deleteSettingsButton));
    EXPECT_EQ(items(names::settingsName), std::vector<std::string>{"Monthly"});

    ui::showParameterValues(manipulator(), defaultParameterValues());
    database_.setWorking({});
    EXPECT_TRUE(find<QWidget>(names::databaseDelimiter)->isHidden()) << "the method's rule ran";
    EXPECT_TRUE(enabled(names::saveSettingsButton));
    select("Monthly");
    EXPECT_EQ(shownValues(), saved);
    EXPECT_FALSE(find<QWidget>(names::databaseDelimiter)->isHidden())
        << "the restored method's rule ran";
    EXPECT_FALSE(enabled(names::saveSettingsButton)) << "restored values are no edits";
    EXPECT_EQ(database_.working().size(), 1u);
    EXPECT_EQ(database_.working().front().columnHeading, "Name");
    select("Monthly");
    EXPECT_EQ(database_.working().size(), 1u) << "the old rows went first";

    setLine(names::databaseDelimiter, "|");
    EXPECT_TRUE(enabled(names::saveSettingsButton)) << "an edit after the restore counts";
    EXPECT_TRUE(dialogs_.messages.empty());
}

TEST_F(SettingsTab, everyCommandWorksOnTheProgramsDatabaseWhicheverIsCurrent) {
    const std::string other = createOtherDatabase();
    setLine(names::startLineAfter, "12");
    makeCurrent(other); // opened with this tab selected; a click follows at once
    saveAs("Monthly");
    EXPECT_EQ(items(names::settingsName), std::vector<std::string>{"Monthly"});
    database_->tableDefs().refresh();
    EXPECT_TRUE(database_->tableDefs().contains("fieldize_Monthly"));
    auto user = db::Workspace().openDatabase(other);
    EXPECT_EQ(user->tableDefs().names(), std::vector<std::string>{"people"}) << "nothing ours";
    user->close();

    setLine(names::startLineAfter, "");
    select("Monthly");
    EXPECT_EQ(ui::fromQString(find<QLineEdit>(names::startLineAfter)->text()), "12");
    dialogs_.add(Answer::Yes);
    click(names::deleteSettingsButton);
    database_->tableDefs().refresh();
    EXPECT_FALSE(database_->tableDefs().contains("fieldize_Monthly"));
    EXPECT_EQ(state_.dbPath, other) << "the user's database stays current";
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_TRUE(dialogs_.scriptUsedUp());
}

TEST_F(SettingsTab, savingAgainAsksBeforeOverwritingAndCancelKeepsTheSet) {
    setLine(names::startLineAfter, "12");
    saveAs("Daily");
    setLine(names::startLineAfter, "34");
    saveAs("DAILY", {Answer::Cancel});
    EXPECT_EQ(dialogs_.questions.back().text, overwriteSettingsQuestion("DAILY"));
    EXPECT_TRUE(enabled(names::saveSettingsButton)) << "nothing was saved";
    select("Daily");
    EXPECT_EQ(ui::fromQString(find<QLineEdit>(names::startLineAfter)->text()), "12");

    setLine(names::startLineAfter, "56");
    saveAs("daily", {Answer::Ok});
    setLine(names::startLineAfter, "");
    select("Daily");
    EXPECT_EQ(ui::fromQString(find<QLineEdit>(names::startLineAfter)->text()), "56");
    EXPECT_EQ(items(names::settingsName), std::vector<std::string>{"daily"})
        << "stored as last typed";
}

TEST_F(SettingsTab, onlyChangedSettingsCanBeSavedAndEnteringTheTabShowsIt) {
    EXPECT_FALSE(enabled(names::saveSettingsButton));
    EXPECT_FALSE(enabled(names::selectSettingsButton)) << "no set on file";
    showTab(0);
    manipulator().setPanelsLoading(true); // the program puts values in
    setLine(names::startLineAfter, "4");
    manipulator().setPanelsLoading(false);
    EXPECT_FALSE(manipulator().settingsChanged());
    setLine(names::startLineAfter, "5");
    EXPECT_TRUE(manipulator().settingsChanged());
    showTab(Settings);
    EXPECT_TRUE(enabled(names::saveSettingsButton));
}

// A set may hold values the controls' rules would not leave together (one
// stored by the command line, say); entering a tab re-applies its rules,
// which is no edit.
TEST_F(SettingsTab, aSetSelectedAfterARestartStaysUnchangedThroughEveryTab) {
    changeEveryControl();
    setCombo(names::databaseProcessMethod, std::string(parseByDelimiterMethod));
    database_.setWorking({spec("Name", 1, 5, 5), spec("State", 7, 2, 2)});
    saveAs("Monthly");

    window_.reset(); // the program ends and starts again
    state_ = ProgramState{};
    window_ = std::make_unique<ui::MainWindow>(state_, dialogs_, files_);
    window_->show();
    ASSERT_TRUE(window_->start(folder_, false));
    window_->activateWindow();
    showTab(Settings);
    select("Monthly");
    ASSERT_FALSE(enabled(names::saveSettingsButton));
    for (int tab = 0; tab < manipulator().tabs()->count(); ++tab) {
        showTab(tab);
        QApplication::processEvents();
        EXPECT_FALSE(manipulator().settingsChanged()) << "tab " << tab;
    }
    showTab(Settings);
    EXPECT_FALSE(enabled(names::saveSettingsButton)) << "nothing was edited";
}

TEST_F(SettingsTab, namesMissingOrUnknownAreHandledWithoutTouchingTheControls) {
    setLine(names::startLineAfter, "9");
    saveAs("Kept"); // a set on file offers Select and Delete
    setLine(names::startLineAfter, "8");
    saveAs("");
    EXPECT_EQ(dialogs_.messages.back().text, settingsNameMissingMessage);
    EXPECT_TRUE(combo(names::settingsName)->hasFocus());
    select("");
    EXPECT_EQ(dialogs_.messages.back().text, selectNameMissingMessage);
    const std::size_t shown = dialogs_.messages.size();
    select("Nowhere");
    EXPECT_EQ(dialogs_.messages.size(), shown) << "an unknown name is no message";
    EXPECT_EQ(ui::fromQString(find<QLineEdit>(names::startLineAfter)->text()), "8");
    setCombo(names::settingsName, "");
    click(names::deleteSettingsButton);
    EXPECT_EQ(dialogs_.messages.back().text, deleteNameMissingMessage);
}

TEST_F(SettingsTab, deletingRemovesTheSetAndTheLastOneDisablesTheButtons) {
    setLine(names::startLineAfter, "1"); // an unchanged set cannot be saved
    saveAs("First");
    setLine(names::startLineAfter, "2");
    saveAs("Second");
    EXPECT_TRUE(enabled(names::deleteSettingsButton));
    dialogs_.add(Answer::No);
    click(names::deleteSettingsButton);
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions.back().text, deleteSettingsQuestion("Second"));
    EXPECT_EQ(items(names::settingsName), (std::vector<std::string>{"First", "Second"}));

    dialogs_.add(Answer::Yes);
    click(names::deleteSettingsButton);
    EXPECT_EQ(items(names::settingsName), std::vector<std::string>{"First"});
    database_->tableDefs().refresh();
    EXPECT_FALSE(database_->tableDefs().contains("fieldize_Second"));
    dialogs_.add(Answer::Yes);
    setCombo(names::settingsName, "FIRST");
    click(names::deleteSettingsButton);
    EXPECT_TRUE(items(names::settingsName).empty());
    database_->tableDefs().refresh();
    EXPECT_FALSE(database_->tableDefs().contains("fieldize_First"));

    showTab(0);
    showTab(Settings);
    EXPECT_FALSE(enabled(names::selectSettingsButton));
    EXPECT_FALSE(enabled(names::deleteSettingsButton));
    EXPECT_FALSE(enabled(names::saveSettingsButton)) << "nothing was edited since the last save";
    EXPECT_TRUE(dialogs_.scriptUsedUp());
}

} // namespace
} // namespace fieldizer::testing
