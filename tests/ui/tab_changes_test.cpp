// Changing tabs and coming back to the Manipulator: another database made
// current is closed again and the program's own reopened, with the two
// messages of the database check; the table list keeps its position.
#include "saving_tabs_fixture.h"
#include "ui/manipulator/manipulator_controls.h"
#include "ui/manipulator/tab_messages.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QRadioButton>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

using TabChanges = SavingTabsTest;

TEST_F(TabChanges, everyTabChangeReopensTheProgramsDatabase) {
    const std::string other = createOtherDatabase();
    for (int tab : {1, 2, 3, 4, 5, 6, 7, 8, 0}) {
        makeCurrent(other);
        showTab(tab);
        EXPECT_TRUE(ownDatabaseCurrent()) << "tab " << tab;
    }
    for (const Message& message : dialogs_.messages)
        ADD_FAILURE() << message.text;
}

TEST_F(TabChanges, theChosenDatabaseStaysWhileSaveToDatabaseStaysSelected) {
    const std::string other = createOtherDatabase();
    showTab(SaveToDatabase);
    find<QRadioButton>(names::existingTableOption)->click();
    makeCurrent(other);
    EXPECT_EQ(items(names::tableName), std::vector<std::string>{"people"});
    combo(names::tableName)->setCurrentIndex(0);
    manipulator().checkDatabaseOnReturn();
    EXPECT_EQ(state_.dbPath, other);
    EXPECT_EQ(comboText(names::tableName), "people") << "the position is kept";
    showTab(0);
    EXPECT_TRUE(ownDatabaseCurrent());
}

TEST_F(TabChanges, comingBackToFieldizeTextOrSettingsClosesTheOtherDatabase) {
    const std::string other = createOtherDatabase();
    const std::pair<int, MessageId> cases[] = {{FieldizeText, ui::tabMessageIds::fieldizeTabCloses},
                                               {Settings, ui::tabMessageIds::settingsTabCloses}};
    for (const auto& [tab, id] : cases) {
        showTab(tab);
        makeCurrent(other);
        manipulator().checkDatabaseOnReturn();
        ASSERT_FALSE(dialogs_.messages.empty());
        EXPECT_EQ(dialogs_.messages.back().id, id);
        EXPECT_EQ(dialogs_.messages.back().text,
                  ui::databaseClosedMessage(tab == Settings ? "Settings" : "Fieldize Text"));
        EXPECT_TRUE(ownDatabaseCurrent());
    }
    EXPECT_EQ(dialogs_.messages.front().text,
              "The database you opened will now be closed, because the Fieldize Text tab is "
              "currently activated.  In the future, to avoid having the database closed, make "
              "sure that neither the Fieldize Text, nor the Settings tab is activated BEFORE "
              "opening the database.");

    const std::size_t shown = dialogs_.messages.size();
    showTab(3);
    makeCurrent(other);
    manipulator().checkDatabaseOnReturn();
    EXPECT_EQ(dialogs_.messages.size(), shown) << "another tab keeps the database";
    EXPECT_EQ(state_.dbPath, other);
}

TEST_F(TabChanges, theCheckRunsWhenTheUserComesBackFromAnotherWindow) {
    const std::string other = createOtherDatabase();
    showTab(Settings);
    auto* mdi = window_->findChild<QMdiArea*>();
    QMdiSubWindow* own = mdi->activeSubWindow();
    ASSERT_NE(own, nullptr);
    window_->showTextViewer();
    makeCurrent(other);
    mdi->setActiveSubWindow(own);
    QApplication::processEvents();
    ASSERT_FALSE(dialogs_.messages.empty());
    EXPECT_EQ(dialogs_.messages.back().id, ui::tabMessageIds::settingsTabCloses);
    EXPECT_TRUE(ownDatabaseCurrent());
}

} // namespace
} // namespace fieldizer::testing
