// The "Save to Database" tab in the window: each save option with each
// answer to its questions, the table list, the controls each option and
// method offers, Stop, and the refusals with their focus.
#include "awkward_paths.h"
#include "columns/save_messages.h"
#include "columns/save_to_database.h"
#include "saving_tabs_fixture.h"
#include "text_engine/display_path.h"
#include "ui/manipulator/manipulator_controls.h"

#include <QProgressBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QTimer>

namespace names = fieldizer::ui::manipulatorControls;

namespace fieldizer::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class SaveTab : public SavingTabsTest {
  protected:
    void SetUp() override {
        SavingTabsTest::SetUp();
        database_.setWorking({spec("Name", 1, 5, 5), spec("State", 7, 2, 2)});
        showTab(SaveToDatabase);
    }
    void fill(const std::string& table, std::string_view method, const std::string& delimiter) {
        setCombo(names::tableName, table);
        setCombo(names::databaseProcessMethod, std::string(method));
        setLine(names::databaseDelimiter, delimiter);
    }
    void save(std::deque<Answer> answers = {}) {
        for (Answer answer : answers)
            dialogs_.add(answer);
        click(names::saveButton);
        EXPECT_TRUE(dialogs_.scriptUsedUp());
        EXPECT_FALSE(dialogs_.unexpected);
    }
    void choose(const char* option) { find<QRadioButton>(option)->click(); }
    bool shown(const char* name) const { return !find<QWidget>(name)->isHidden(); }
};

TEST_F(SaveTab, optionOneCreatesTheTableInTheProgramsDatabaseFromTheColumns) {
    box().setBytes("Ann   IA\r\nBob   NE\r\n");
    fill("people", useColumnSpecsMethod, "");
    save();
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(database_.rows("people"), (Rows{{"Ann  ", "IA"}, {"Bob  ", "NE"}}));
    EXPECT_EQ(items(names::tableName), std::vector<std::string>{"people"})
        << "the list is refilled";
    EXPECT_EQ(comboText(names::tableName), "people");
    EXPECT_FALSE(find<QProgressBar>(names::progressBar)->isVisible());
    EXPECT_FALSE(manipulator().passRunning());
}

TEST_F(SaveTab, aUtf8ReportIsStoredWithItsCharactersInTheirColumns) {
    database_.setWorking({spec("A", 1, 5, 10), spec("Temp\xE9rature\xB0", 7, 5, 10)});
    open(writeFile("report.txt", "Caf\xC3\xA9  12\xC2\xB0"
                                 "C"));
    showTab(SaveToDatabase);
    fill("Relev\xE9s\xB0", useColumnSpecsMethod, "");
    save();
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(database_.rows("Relev\xE9s\xB0"), (Rows{{"Caf\xE9 ", "12\xB0"
                                                                   "C"}}));
    EXPECT_EQ(items("Combo17"), std::vector<std::string>{"Relev\xE9s\xB0"})
        << "the table's name shows back as it was typed";
}

TEST_F(SaveTab, aSaveTellsItsCountInTheStatusBarAndLeavesUndoAsItWas) {
    type("Ann   IA\r\nBob   NE\r\n"); // typed: Undo is offered
    fill("people", useColumnSpecsMethod, "");
    save();
    EXPECT_EQ(window_->statusBar()->currentMessage(),
              QStringLiteral("2 records stored in people (0 values left out)"));
    EXPECT_TRUE(find<QPushButton>(names::undoButton)->isEnabled());
    EXPECT_TRUE(action("menuEditUndo")->isEnabled());

    box().setBytes("Cy;IOWA\r\n");
    fill("people", parseByDelimiterMethod, ";");
    save({Answer::Yes, Answer::Yes, Answer::No}); // add; go on past "IOWA"; do not warn again
    EXPECT_EQ(window_->statusBar()->currentMessage(),
              QStringLiteral("1 records stored in people (1 values left out)"));
    box().setCaret(2); // the user works in the text again
    EXPECT_TRUE(window_->statusBar()->currentMessage().isEmpty());

    setCombo(names::tableName, "");
    click(names::saveButton); // refused: nothing to tell
    EXPECT_TRUE(window_->statusBar()->currentMessage().isEmpty());
}

TEST_F(SaveTab, anExistingTableIsAddedToReplacedOrLeftByTheAnswer) {
    box().setBytes("Ann;IA");
    fill("people", parseByDelimiterMethod, ";");
    save();
    box().setBytes("Bob;NE");
    save({Answer::Yes});
    EXPECT_EQ(dialogs_.questions.back().text,
              saveMessages::tableAlreadyIn("people", displayPath(state_.homeDbPath)));
    EXPECT_EQ(database_.rows("people"), (Rows{{"Ann", "IA"}, {"Bob", "NE"}}));

    box().setBytes("Cy;KS");
    save({Answer::Cancel});
    EXPECT_EQ(database_.rows("people").size(), 2u);
    save({Answer::No});
    EXPECT_EQ(database_.rows("people"), (Rows{{"Cy", "KS"}}));
}

TEST_F(SaveTab, aTextFieldizeLaidOutIsSavedByItsNewPositionsWhenTheUserSaysSo) {
    box().setBytes("Ann   IA\r\nBob   NE");
    showTab(FieldizeText);
    setLine(names::fieldizeStartLineAt, "3");
    click(names::fieldizeProcessButton);
    const std::string laidOut(box().bytes());
    showTab(SaveToDatabase);
    fill("people", useColumnSpecsMethod, "");
    save({Answer::Yes});
    ASSERT_EQ(dialogs_.questions.size(), 1u);
    EXPECT_EQ(dialogs_.questions[0].id, saveMessages::id::laidOut);
    EXPECT_EQ(dialogs_.questions[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(database_.rows("people"), (Rows{{"Ann  ", "IA"}, {"Bob  ", "NE"}}));

    box().setBytes(laidOut);
    save({Answer::Cancel});
    EXPECT_EQ(database_.rows("people").size(), 2u) << "Cancel writes nothing";
    save({Answer::No, Answer::No}); // as the original text; replace the records
    EXPECT_EQ(database_.rows("people").size(), 3u) << "the heading line is a record too";
}

TEST_F(SaveTab, theSizeQuestionGoesOnOrAbortsAndCanBeSilenced) {
    box().setBytes("Annabel;IA\r\nBobby;NEB\r\nCy;KS");
    fill("people", parseByDelimiterMethod, ";");
    // Go on, and be warned again; then go on without further warnings.
    save({Answer::Yes, Answer::Yes, Answer::Yes, Answer::No});
    EXPECT_EQ(dialogs_.questions.size(), 4u);
    EXPECT_EQ(dialogs_.questions[0].text, saveMessages::valueTooLarge("Name"));
    EXPECT_EQ(dialogs_.questions[1].text, saveMessages::warnAgain);
    const Rows stored{{"<null>", "IA"}, {"Bobby", "<null>"}, {"Cy", "KS"}};
    EXPECT_EQ(database_.rows("people"), stored);

    dialogs_.questions.clear();
    box().setBytes("Dee;IA\r\nEverett;MO\r\nFay;KS");
    save({Answer::No, Answer::No}); // replace the records; abort at the long name
    ASSERT_GE(dialogs_.messages.size(), 2u);
    EXPECT_EQ(dialogs_.messages.end()[-2].text, saveMessages::enlargeField);
    EXPECT_EQ(dialogs_.messages.back().text, saveMessages::oldRecordsKept("people"));
    EXPECT_EQ(database_.rows("people"), stored) << "an aborted replace keeps the old records";
}

TEST_F(SaveTab, optionsTwoAndThreeWriteIntoTheDatabaseTheUserChose) {
    const std::string other = createOtherDatabase();
    int requests = 0;
    // The window's own flow asks for the file first; it is cancelled here and
    // the test makes the other database current itself.
    QObject::connect(&manipulator(), &ui::Manipulator::selectDatabaseRequested, [&] {
        ++requests;
        makeCurrent(other);
    });
    files_.add("");
    files_.add("");
    EXPECT_FALSE(shown(names::selectDatabaseButton)) << "option 1 needs no database choice";
    choose(names::createInChosenDatabaseOption);
    EXPECT_TRUE(shown(names::selectDatabaseButton));
    EXPECT_TRUE(items(names::tableName).empty()) << "the list waits for the chosen database";
    box().setBytes("Bob   NE");
    fill("towns", useColumnSpecsMethod, "");
    save();
    EXPECT_EQ(dialogs_.messages.back().text, saveMessages::noDatabase)
        << "not the program's database the user did not choose";
    EXPECT_TRUE(find<QPushButton>(names::selectDatabaseButton)->hasFocus());
    click(names::selectDatabaseButton);
    EXPECT_EQ(requests, 1);
    EXPECT_EQ(items(names::tableName), std::vector<std::string>{"people"});
    fill("towns", useColumnSpecsMethod, "");
    save();
    EXPECT_EQ(rowsOf(other, "towns"), (Rows{{"Bob  ", "NE"}}));
    EXPECT_EQ(items(names::tableName), (std::vector<std::string>{"people", "towns"}));

    choose(names::existingTableOption);
    EXPECT_TRUE(shown(names::selectDatabaseButton));
    click(names::selectDatabaseButton);
    fill("PEOPLE", parseByDelimiterMethod, ",");
    box().setBytes("Cy,KS");
    save({Answer::Yes});
    EXPECT_EQ(dialogs_.questions.back().text, saveMessages::addToRecords);
    EXPECT_EQ(rowsOf(other, "people"), (Rows{{"Ann", "IA"}, {"Cy", "KS"}}));

    setCombo(names::tableName, "nowhere");
    save();
    EXPECT_EQ(dialogs_.messages.back().text, saveMessages::tableNotIn("nowhere", other));
    EXPECT_TRUE(find<QComboBox>(names::tableName)->hasFocus());

    choose(names::createInOwnDatabaseOption);
    EXPECT_FALSE(shown(names::selectDatabaseButton));
    EXPECT_TRUE(ownDatabaseCurrent());
    EXPECT_TRUE(items(names::tableName).empty()) << "the own database holds no user table";
}

// The whole way from the file dialog: the path it hands over is opened as
// it is, and the records go into that file.
TEST_F(SaveTab, aDatabaseChosenInAFolderWithAnAwkwardNameIsOpenedAndSavedInto) {
    const std::filesystem::path other = moveIntoAwkwardFolder(createOtherDatabase(), "other.db");
    choose(names::createInChosenDatabaseOption);
    files_.add(other);
    QTimer poll;
    acceptPasswordAccess(poll);
    click(names::selectDatabaseButton);
    EXPECT_TRUE(dialogs_.messages.empty()) << dialogs_.messages.front().text;
    EXPECT_EQ(state_.dbPath, other);
    EXPECT_EQ(items(names::tableName), std::vector<std::string>{"people"});
    box().setBytes("Bob   NE");
    fill("towns", useColumnSpecsMethod, "");
    save();
    EXPECT_EQ(rowsOf(other, "towns"), (Rows{{"Bob  ", "NE"}}));
    fill("people", useColumnSpecsMethod, "");
    save({Answer::Cancel});
    EXPECT_EQ(dialogs_.questions.back().text,
              saveMessages::tableAlreadyIn("people", displayPath(other)));
    EXPECT_NE(dialogs_.questions.back().text.find(awkwardFolderShown), std::string::npos);
}

TEST_F(SaveTab, theDelimiterIsOfferedOnlyForTheDelimiterMethod) {
    for (std::string_view method :
         {parseByDelimiterMethod, useColumnSpecsMethod, std::string_view()}) {
        setCombo(names::databaseProcessMethod, std::string(method));
        const bool byDelimiter = method == parseByDelimiterMethod;
        EXPECT_EQ(shown(names::databaseDelimiter), byDelimiter) << method;
        EXPECT_EQ(shown(names::databaseDelimiterLabel), byDelimiter) << method;
    }
    EXPECT_TRUE(manipulator().settingsChanged()) << "choosing a method is an edit";
    setCombo(names::databaseProcessMethod, std::string(parseByDelimiterMethod));
    showTab(Settings);
    setCombo(names::settingsName, "Set");
    click(names::saveSettingsButton);
    ASSERT_FALSE(manipulator().settingsChanged()) << "saved";
    showTab(SaveToDatabase);
    combo(names::databaseProcessMethod)->setFocus();
    EXPECT_TRUE(shown(names::databaseDelimiter));
    EXPECT_FALSE(manipulator().settingsChanged())
        << "the focus re-applies the rule without marking a change";
    EXPECT_EQ(find<QWidget>(names::databaseDelimiter)->toolTip(),
              QStringLiteral("Spaces may be used as a delimiter."));
}

TEST_F(SaveTab, refusalsNameTheirFieldAndPutTheFocusThere) {
    box().setBytes("Ann;IA");
    fill("", parseByDelimiterMethod, "");
    save();
    EXPECT_EQ(dialogs_.messages.back().text, saveMessages::noTableName);
    EXPECT_TRUE(combo(names::tableName)->hasFocus());
    setCombo(names::tableName, "people");
    save();
    EXPECT_EQ(dialogs_.messages.back().text, saveMessages::noDelimiter);
    EXPECT_TRUE(find<QLineEdit>(names::databaseDelimiter)->hasFocus());
    setCombo(names::databaseProcessMethod, "");
    save();
    EXPECT_EQ(dialogs_.messages.back().text, saveMessages::noProcessMethod);
    EXPECT_TRUE(combo(names::databaseProcessMethod)->hasFocus());
    setCombo(names::tableName, "Fieldize_Settings");
    save();
    EXPECT_EQ(dialogs_.messages.back().text, saveMessages::programTable("Fieldize_Settings"));
    EXPECT_EQ(database_.rows("fieldize_settings").size(), 2u);
}

TEST_F(SaveTab, stopEndsTheSaveWithTheRecordsSoFarKept) {
    std::string text;
    for (int i = 0; i < 300000; ++i)
        text += "Ann;IA\r\n";
    box().setBytes(text);
    fill("people", parseByDelimiterMethod, ";");
    bool live = false;
    QTimer::singleShot(0, [&] {
        live = find<QProgressBar>(names::progressBar)->isVisible() && box().isReadOnly();
        click(names::stopButton);
    });
    save();
    EXPECT_TRUE(live);
    const std::size_t stored = database_.rows("people").size();
    EXPECT_GT(stored, 0u);
    EXPECT_LT(stored, 300000u);
    EXPECT_FALSE(find<QProgressBar>(names::progressBar)->isVisible());
    EXPECT_FALSE(box().isReadOnly());
}

TEST_F(SaveTab, aTabChangeDuringTheSaveLeavesItsDatabaseToItUntilTheEnd) {
    const std::string other = createOtherDatabase();
    choose(names::existingTableOption);
    makeCurrent(other);
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += "Ann,IA\r\n";
    box().setBytes(text);
    fill("people", parseByDelimiterMethod, ",");
    bool waited = false;
    QTimer::singleShot(0, [&] {
        waited = !find<QWidget>(names::saveButton)->isEnabled() &&
                 !find<QWidget>(names::saveOptionsFrame)->isEnabled();
        showTab(0); // the program's own database is current again
    });
    save({Answer::Yes});
    EXPECT_TRUE(waited) << "the options and buttons wait while the save runs";
    EXPECT_TRUE(ownDatabaseCurrent());
    EXPECT_EQ(rowsOf(other, "people").size(), 100001u);
    EXPECT_TRUE(find<QWidget>(names::saveButton)->isEnabled());
}

TEST_F(SaveTab, aClosedDatabaseIsReplacedByTheProgramsOwnThroughTheFirstOption) {
    choose(names::createInChosenDatabaseOption);
    state_.database->close();
    manipulator().checkDatabaseOnReturn(); // refreshes the list of the tab
    EXPECT_TRUE(find<QRadioButton>(names::createInOwnDatabaseOption)->isChecked());
    EXPECT_FALSE(shown(names::selectDatabaseButton));
    EXPECT_TRUE(ownDatabaseCurrent());
    EXPECT_TRUE(state_.database->isOpen());

    // Without the program's database the list stays empty, after one report.
    const std::string moved = state_.homeDbPath.string() + ".away";
    std::filesystem::rename(state_.homeDbPath, moved);
    state_.database->close();
    manipulator().checkDatabaseOnReturn();
    std::filesystem::rename(moved, state_.homeDbPath);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages.front().id, errorReportMessage);
    EXPECT_TRUE(items(names::tableName).empty());
}

} // namespace
} // namespace fieldizer::testing
