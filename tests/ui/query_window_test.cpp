// The query window from the Queries menu: its two modes, saving, removing
// and running queries against the current database, and the position it
// keeps for the user.
#include "desktop_fixture.h"
#include "shell/menus/form_names.h"
#include "shell/queries/query_messages.h"
#include "ui/query_window/query_window.h"
#include "ui/query_window/query_window_controls.h"

#include <QLabel>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QSettings>

namespace fieldizer::testing {
namespace {

using queries::QueryResultRequest;

class QueryWindowTest : public DesktopTest {
  protected:
    void SetUp() override {
        DesktopTest::SetUp();
        db::Database& data = *state_.database;
        data.execute("CREATE TABLE people (name TEXT(20), age LONG)");
        data.execute("INSERT INTO people VALUES ('Ann', 34)");
        data.execute("INSERT INTO people VALUES ('Bob', 12)");
        data.execute("INSERT INTO people VALUES ('Cy', 70)");
    }

    void saveQuery(const std::string& name, const std::string& sql) {
        state_.database->createQueryDef(name, sql);
    }
    // Opens the window from the Queries menu, the menu opened first.
    ui::QueryWindow& open(const char* item) {
        Q_EMIT window_->menus().queries->aboutToShow();
        action(item)->trigger();
        ui::QueryWindow* queries = window_->queryWindow();
        EXPECT_NE(queries, nullptr);
        connect(queries);
        return *queries;
    }
    void connect(ui::QueryWindow* queries) {
        if (connected_)
            return;
        connected_ = true;
        // The main window's browser still opens; what it was given is kept.
        queries->showResult = [this,
                               open = queries->showResult](const QueryResultRequest& request) {
            open(request);
            shown.push_back(request);
        };
    }
    QListWidget& list() const {
        return *find<QListWidget>(ui::queryWindowControls::savedQueriesList);
    }
    QPlainTextEdit& statement() const {
        return *find<QPlainTextEdit>(ui::queryWindowControls::statementBox);
    }
    QMdiSubWindow& frame() const {
        return *qobject_cast<QMdiSubWindow*>(window_->queryWindow()->parentWidget());
    }
    std::vector<std::string> listed() const {
        std::vector<std::string> names;
        for (int i = 0; i < list().count(); ++i)
            names.push_back(list().item(i)->text().toStdString());
        return names;
    }
    void setStatement(const char* sql) { statement().setPlainText(QString::fromLatin1(sql)); }
    void selectRow(int row) { list().setCurrentRow(row); }
    int twips(int pixels) const { return pixels * 1440 / window_->logicalDpiX(); }
    long count(const std::string& table) {
        db::Recordset rows = state_.database->openRecordset("SELECT Count(*) FROM " + table);
        return std::stol(rows.value(0).toText());
    }

    std::vector<QueryResultRequest> shown;

  private:
    bool connected_ = false;
};

TEST_F(QueryWindowTest, defineModeListsNothingAndSelectModeHidesTildeNames) {
    saveQuery("byName", "SELECT * FROM people ORDER BY name");
    saveQuery("~sq_hidden", "SELECT name FROM people");
    saveQuery("Adults", "SELECT * FROM people WHERE age >= 18");

    ui::QueryWindow& queries = open("menuQueriesDefine");
    EXPECT_TRUE(listed().empty());
    EXPECT_EQ(queries.windowTitle().toStdString(),
              "Queries - Current Database: " + state_.dbPath.string());
    EXPECT_EQ(state_.activeFormName, formNames::queryWindow);

    open("menuQueriesSelect");
    EXPECT_EQ(listed(), (std::vector<std::string>{"Adults", "byName"}));
    selectRow(1);
    EXPECT_EQ(statement().toPlainText(), QStringLiteral("SELECT * FROM people ORDER BY name"));
}

TEST_F(QueryWindowTest, opensWithItsSizeAndExplanationAndKeepsTheStatementMargins) {
    open("menuQueriesDefine");
    EXPECT_EQ(find<QLabel>(ui::queryWindowControls::explanationLabel)->text(),
              QStringLiteral("You can create a new table in the active Access 97 database by "
                             "using the INTO clause.\nExample: SELECT * INTO newTableName FROM "
                             "aTableName;"));
    EXPECT_NEAR(twips(frame().height()), queries::loadHeight, 20);
    frame().resize(10, 10); // below the minimum: raised to it
    EXPECT_NEAR(twips(frame().width()), queries::minimumWidth, 20);
    EXPECT_NEAR(twips(frame().height()), queries::minimumHeight, 20);
    frame().resize(900, 700);
    EXPECT_NEAR(twips(statement().width()), twips(900) - queries::statementWidthMargin, 20);
    EXPECT_NEAR(twips(statement().height()), twips(700) - queries::statementHeightMargin, 20);
}

TEST_F(QueryWindowTest, executeIsOfferedOnlyWithAStatement) {
    open("menuQueriesDefine");
    EXPECT_FALSE(find<QPushButton>(ui::queryWindowControls::executeButton)->isEnabled());
    setStatement("SELECT * FROM people");
    EXPECT_TRUE(find<QPushButton>(ui::queryWindowControls::executeButton)->isEnabled());
    setStatement("");
    EXPECT_FALSE(find<QPushButton>(ui::queryWindowControls::executeButton)->isEnabled());
}

TEST_F(QueryWindowTest, selectIntoCreatesATableInsteadOfShowingRows) {
    open("menuQueriesDefine");
    setStatement("SELECT * INTO adults FROM people WHERE age >= 18");
    click(ui::queryWindowControls::executeButton);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(dialogs_.messages.empty());
    EXPECT_EQ(count("adults"), 2);
}

TEST_F(QueryWindowTest, actionQueriesRunAndTheirErrorsShowTheDescription) {
    open("menuQueriesDefine");
    setStatement("DELETE * FROM people WHERE age < 18");
    click(ui::queryWindowControls::executeButton);
    EXPECT_EQ(count("people"), 2);

    setStatement("SELECT * FROM nowhere");
    click(ui::queryWindowControls::executeButton);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, queries::queryErrorId);
    EXPECT_EQ(dialogs_.messages[0].title, applicationTitle);
    EXPECT_NE(dialogs_.messages[0].text.find("nowhere"), std::string::npos);
    EXPECT_TRUE(shown.empty());
}

// The rows are read once, by the result browser: an error that shows only
// while reading them comes back to the query window and is reported there,
// once, with no browser left open.
TEST_F(QueryWindowTest, aSelectFailingWhileItsRowsAreReadIsReportedOnceByTheQueryWindow) {
    open("menuQueriesDefine");
    setStatement("SELECT Abs(-9223372036854775807 - 1) AS x FROM people");
    click(ui::queryWindowControls::executeButton);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, queries::queryErrorId);
    EXPECT_NE(dialogs_.messages[0].text.find("overflow"), std::string::npos);
    EXPECT_TRUE(shown.empty());
    EXPECT_FALSE(window_->browserVisible(ui::TableBrowser::Kind::QueryResult));

    setStatement("SELECT Abs(-5) AS x FROM people");
    click(ui::queryWindowControls::executeButton);
    EXPECT_EQ(dialogs_.messages.size(), 1u);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_TRUE(window_->browserVisible(ui::TableBrowser::Kind::QueryResult));
}

TEST_F(QueryWindowTest, aTypedSelectIsCaptionedWithItsFirst32CharactersAndDots) {
    open("menuQueriesDefine");
    const std::string exactly32 = "SELECT name FROM people WHERE 1 ";
    ASSERT_EQ(exactly32.size(), 32u);
    setStatement(exactly32.c_str());
    click(ui::queryWindowControls::executeButton);
    // Leading spaces leave a SELECT a SELECT.
    setStatement("  SELECT name, age FROM people ORDER BY age DESC");
    click(ui::queryWindowControls::executeButton);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].caption, "Query - " + exactly32 + "...");
    EXPECT_EQ(shown[0].sql, exactly32);
    EXPECT_EQ(shown[1].caption,
              "Query - " + std::string("  SELECT name, age FROM people O") + "...");
    EXPECT_TRUE(shown[1].parameters.empty());
}

class SavedParameterQuery : public QueryWindowTest {
  protected:
    void SetUp() override {
        QueryWindowTest::SetUp();
        saveQuery("Older", "PARAMETERS minAge Long, who Text;\r\n"
                           "SELECT * FROM people WHERE age >= minAge AND name <> who");
        saveQuery("Purge", "PARAMETERS maxAge Long; DELETE * FROM people WHERE age < maxAge");
        open("menuQueriesSelect");
    }
};

TEST_F(SavedParameterQuery, asksEachParameterAndHandsTheValuesToTheBrowser) {
    files_.addInput("18");
    files_.addInput("Cy");
    selectRow(0);
    click(ui::queryWindowControls::executeButton);
    EXPECT_EQ(files_.prompts, (std::vector<std::string>{"Enter Value for Parameter 'minAge':",
                                                        "Enter Value for Parameter 'who':"}));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Query - Older");
    EXPECT_EQ(shown[0].sql, state_.database->queryDefs().item("Older").sql());
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(shown[0].parameters, (Pairs{{"minAge", "18"}, {"who", "Cy"}}));
}

TEST_F(SavedParameterQuery, anEmptyAnswerCancelsBeforeAnythingRuns) {
    files_.addInput("");
    selectRow(1);
    click(ui::queryWindowControls::executeButton);
    EXPECT_EQ(count("people"), 3);
    files_.addInput("18");
    files_.addInput(std::nullopt); // Cancel is an empty answer too
    selectRow(0);
    click(ui::queryWindowControls::executeButton);
    EXPECT_TRUE(shown.empty());
    EXPECT_TRUE(dialogs_.messages.empty());
    files_.addInput("18");
    selectRow(1);
    click(ui::queryWindowControls::executeButton);
    EXPECT_EQ(count("people"), 2);
}

TEST_F(SavedParameterQuery, editedSqlRunsAsTypedWithoutAsking) {
    selectRow(0);
    statement().setPlainText(QStringLiteral("SELECT name FROM people ORDER BY age"));
    click(ui::queryWindowControls::executeButton);
    EXPECT_TRUE(files_.prompts.empty());
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Query - SELECT name FROM people ORDER BY...");
}

// A name the saved query neither declares nor finds as a field is asked for
// like a declared parameter, as text; a declared type converts its answer,
// so a date compares as a date.
TEST_F(QueryWindowTest, undeclaredNamesAreAskedAndDeclaredTypesConvertTheAnswers) {
    db::Database& data = *state_.database;
    data.execute("CREATE TABLE visits (who TEXT(20), came DATETIME)");
    data.execute("INSERT INTO visits VALUES ('Ann', #12/31/1999#)");
    data.execute("INSERT INTO visits VALUES ('Bob', #1/1/2000#)");
    data.execute("INSERT INTO visits VALUES ('Cy', #3/1/2000#)");
    saveQuery("Older", "SELECT * FROM people WHERE age > [MinAge]");
    saveQuery("Since", "PARAMETERS [Since] DateTime; SELECT * FROM visits WHERE came >= [Since]");
    open("menuQueriesSelect");
    const auto shownRecords = [this] {
        return window_->browser(ui::TableBrowser::Kind::QueryResult)->positionCaption();
    };

    files_.addInput("18");
    selectRow(0);
    click(ui::queryWindowControls::executeButton);
    EXPECT_EQ(files_.prompts, std::vector<std::string>{"Enter Value for Parameter 'MinAge':"});
    EXPECT_TRUE(dialogs_.messages.empty());
    ASSERT_EQ(shown.size(), 1u);
    using Pairs = std::vector<std::pair<std::string, std::string>>;
    EXPECT_EQ(shown[0].parameters, (Pairs{{"MinAge", "18"}}));
    EXPECT_EQ(shownRecords(), QStringLiteral("Record: 1 of 2"));

    files_.addInput("1/1/2000");
    selectRow(1);
    click(ui::queryWindowControls::executeButton);
    EXPECT_TRUE(dialogs_.messages.empty());
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shownRecords(), QStringLiteral("Record: 1 of 2"));
}

TEST_F(QueryWindowTest, savesANewQueryAndUpdatesASelectedOne) {
    open("menuQueriesSelect");
    setStatement("SELECT name\nFROM people");
    files_.addInput("Names");
    dialogs_.add(Answer::No); // not pass-through
    click(ui::queryWindowControls::saveButton);
    EXPECT_EQ(listed(), std::vector<std::string>{"Names"});
    EXPECT_EQ(state_.database->queryDefs().item("Names").sql(), "SELECT name\r\nFROM people");
    EXPECT_EQ(dialogs_.questions.back().id, queries::passThroughId);
    EXPECT_EQ(dialogs_.questions.back().defaultAnswer, Answer::No);

    selectRow(0);
    EXPECT_EQ(statement().toPlainText(), QStringLiteral("SELECT name\nFROM people"));
    setStatement("SELECT age FROM people");
    dialogs_.add(Answer::Yes);
    click(ui::queryWindowControls::saveButton);
    EXPECT_EQ(dialogs_.questions.back().text, "Update 'Names'?");
    EXPECT_EQ(state_.database->queryDefs().item("Names").sql(), "SELECT age FROM people");
    EXPECT_TRUE(dialogs_.scriptUsedUp());
    EXPECT_FALSE(files_.unexpected || dialogs_.unexpected);
}

TEST_F(QueryWindowTest, saveAsNewStopsOnAnEmptyNameAndReportsATakenOne) {
    saveQuery("Taken", "SELECT * FROM people");
    open("menuQueriesSelect");
    selectRow(0);
    dialogs_.add(Answer::No); // not an update: a new query
    files_.addInput("");
    click(ui::queryWindowControls::saveButton);
    EXPECT_EQ(state_.database->queryDefs().count(), 1);

    dialogs_.add(Answer::No);
    files_.addInput("taken");
    click(ui::queryWindowControls::saveButton);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, queries::queryErrorId);
    EXPECT_NE(dialogs_.messages[0].text.find("taken"), std::string::npos);
    EXPECT_EQ(listed(), std::vector<std::string>{"Taken"});
}

TEST_F(QueryWindowTest, anUpdateTheEngineRefusesKeepsTheSavedStatement) {
    saveQuery("Kept", "SELECT * FROM people");
    open("menuQueriesSelect");
    selectRow(0);
    setStatement("SELEC name FROM people");
    dialogs_.add(Answer::Yes);
    click(ui::queryWindowControls::saveButton);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, queries::queryErrorId);
    EXPECT_EQ(state_.database->queryDefs().item("Kept").sql(), "SELECT * FROM people");
}

TEST_F(QueryWindowTest, aPassThroughQueryKeepsItsConnectAndRowsAnswer) {
    open("menuQueriesDefine");
    setStatement("SELECT * FROM people");
    files_.addInput("Remote");
    dialogs_.add(Answer::Yes);
    files_.addInput("ODBC;DSN=elsewhere");
    dialogs_.add(Answer::No);
    click(ui::queryWindowControls::saveButton);
    const db::QueryDef saved = state_.database->queryDefs().item("Remote");
    EXPECT_EQ(saved.connect(), "ODBC;DSN=elsewhere");
    EXPECT_FALSE(saved.returnsRecords());
    EXPECT_TRUE(listed().empty()); // define mode lists nothing
}

class ThreeSavedQueries : public QueryWindowTest {
  protected:
    void SetUp() override {
        QueryWindowTest::SetUp();
        saveQuery("A", "SELECT name FROM people");
        saveQuery("B", "SELECT age FROM people");
        saveQuery("C", "SELECT * FROM people");
        open("menuQueriesSelect");
    }
};

TEST_F(ThreeSavedQueries, removeAsksFirstAndNeedsASelection) {
    click(ui::queryWindowControls::removeButton);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, queries::selectFirstId);
    selectRow(1);
    dialogs_.add(Answer::No);
    click(ui::queryWindowControls::removeButton);
    const Message& asked = dialogs_.questions.back();
    EXPECT_EQ(asked.text, "Delete this query: B?");
    EXPECT_EQ(asked.title, "ZR/WP - Be careful");
    EXPECT_EQ(asked.defaultAnswer, Answer::No);
    EXPECT_EQ(listed().size(), 3u);
}

TEST_F(ThreeSavedQueries, removingTheLastEntrySelectsTheNewLastOne) {
    selectRow(2);
    dialogs_.add(Answer::Yes);
    click(ui::queryWindowControls::removeButton);
    EXPECT_EQ(listed(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(list().currentRow(), 1);
    EXPECT_EQ(statement().toPlainText(), QStringLiteral("SELECT age FROM people"));
    EXPECT_FALSE(state_.database->queryDefs().contains("C"));

    selectRow(0);
    dialogs_.add(Answer::Yes);
    click(ui::queryWindowControls::removeButton);
    EXPECT_EQ(listed(), std::vector<std::string>{"B"});
    EXPECT_EQ(list().currentRow(), 0);
}

TEST_F(ThreeSavedQueries, doubleClickingANameRunsItUnderItsName) {
    selectRow(1);
    Q_EMIT list().itemDoubleClicked(list().item(1));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Query - B");
    EXPECT_EQ(shown[0].sql, "SELECT age FROM people");
}

TEST_F(ThreeSavedQueries, aRefusedRemoveIsReportedAndKeepsTheList) {
    selectRow(1);
    database_->queryDefs().remove("B"); // gone behind the window's back
    dialogs_.add(Answer::Yes);
    click(ui::queryWindowControls::removeButton);
    ASSERT_EQ(dialogs_.messages.size(), 1u);
    EXPECT_EQ(dialogs_.messages[0].id, queries::queryErrorId);
    EXPECT_FALSE(dialogs_.messages[0].text.empty());
    EXPECT_EQ(listed(), (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(list().currentRow(), 1);
}

TEST_F(QueryWindowTest, closingStoresThePositionInTwipsAndLeavesTheActiveForm) {
    open("menuQueriesDefine");
    frame().move(144, 48);
    frame().close();
    QSettings settings(QStringLiteral("Fieldizer"), QStringLiteral("Fieldizer"));
    settings.beginGroup(QStringLiteral("Settings"));
    EXPECT_EQ(settings.value(QStringLiteral("QueryLeft")).toString(), QString::number(twips(144)));
    EXPECT_EQ(settings.value(QStringLiteral("QueryTop")).toString(), QString::number(twips(48)));
    EXPECT_TRUE(state_.activeFormName.empty());
    // The user's own settings are never written by a test.
    EXPECT_EQ(settings.fileName().toStdString().rfind(folder_.string(), 0), 0u);
}

TEST_F(QueryWindowTest, aNewCurrentDatabaseRefreshesTheShownList) {
    saveQuery("Mine", "SELECT * FROM people");
    open("menuQueriesSelect");
    EXPECT_EQ(listed(), std::vector<std::string>{"Mine"});
    ScratchFolder other;
    const std::string path = other.file("other.mdb");
    db::createFieldizerDatabase(path);
    auto otherDatabase = db::Workspace().openDatabase(path, db::ownConnectString);
    otherDatabase->execute("CREATE TABLE t (x LONG)");
    otherDatabase->createQueryDef("Theirs", "SELECT * FROM t");
    state_.database = otherDatabase;
    state_.dbPath = path;
    window_->refreshQueryWindow();
    EXPECT_EQ(listed(), std::vector<std::string>{"Theirs"});
    state_.database->close();
}

TEST_F(QueryWindowTest, theQueriesMenuReopensTheProgramsDatabaseWhenClosed) {
    state_.database->close();
    Q_EMIT window_->menus().queries->aboutToShow();
    ASSERT_NE(state_.database, nullptr);
    EXPECT_TRUE(state_.database->isOpen());
    EXPECT_EQ(state_.dbPath, state_.homeDbPath);
    EXPECT_TRUE(state_.database->tableDefs().contains("people"));
}

} // namespace
} // namespace fieldizer::testing
