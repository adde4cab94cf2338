#include "columns/fieldize.h"
#include "columns/save_messages.h"
#include "columns/save_to_database.h"
#include "program_database_fixture.h"
#include "runtime_error_checks.h"
#include "scripted_dialogs.h"
#include "text_engine/database_error_numbers.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace fieldizer::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;
const std::string null = "<null>";

ColumnSpec spec(std::string heading, long start, long chars, long width) {
    return ColumnSpec{std::move(heading), start, chars, 0, width};
}

class StopAfter final : public PassObserver {
  public:
    explicit StopAfter(int steps) : steps_(steps) {}
    bool stopRequested() const override { return ++asked_ >= steps_; }

  private:
    int steps_;
    mutable int asked_ = 0;
};

class SaveToDatabaseTest : public ::testing::Test {
  protected:
    SaveOutcome save(SaveRequest request, std::deque<Answer> answers = {}) {
        dialogs = ScriptedDialogs(std::move(answers));
        PassObserver quiet;
        return saveToDatabase(request, target(), dialogs, quiet);
    }
    SaveRequest byColumns(std::string_view text, std::string table = "people") {
        SaveRequest request;
        request.text = text;
        request.tableName = std::move(table);
        request.processMethod = std::string(useColumnSpecsMethod);
        request.specs = {spec("Name", 1, 10, 10), spec("State", 11, 2, 2)};
        return request;
    }
    SaveRequest byDelimiter(std::string_view text, std::string delimiter, std::string table) {
        SaveRequest request;
        request.text = text;
        request.tableName = std::move(table);
        request.processMethod = std::string(parseByDelimiterMethod);
        request.delimiter = std::move(delimiter);
        request.option = SaveOption::ChosenDatabaseTable;
        return request;
    }
    SaveTarget target() { return SaveTarget{&*db, db.path()}; }
    std::string onlyMessage() const { return onlyMessageShown().text; }
    Message onlyMessageShown() const {
        EXPECT_EQ(dialogs.messages.size(), 1u);
        return dialogs.messages.empty() ? Message{} : dialogs.messages.front();
    }

    ProgramDatabase db;
    ScriptedDialogs dialogs;
};

TEST_F(SaveToDatabaseTest, ChecksComeInOrderWithTheirMessagesAndFocus) {
    SaveRequest request = byColumns("");
    request.tableName.clear();
    EXPECT_EQ(save(request).status, SaveStatus::Refused);
    EXPECT_EQ(onlyMessage(), saveMessages::nothingToSave);

    request.text = "x";
    auto outcome = save(request);
    EXPECT_EQ(outcome.status, SaveStatus::Refused);
    EXPECT_EQ(onlyMessage(), "Please specify a table name.");
    EXPECT_EQ(outcome.focus.field, InputField::TableName);

    request.tableName = "t";
    request.processMethod.clear();
    EXPECT_EQ(save(request).focus.key, &parameterKey("databaseProcessMethod"));
    EXPECT_EQ(onlyMessage(), "Please specify a Process Method.");

    request.processMethod = std::string(parseByDelimiterMethod);
    EXPECT_EQ(save(request).focus.key, &parameterKey("databaseDelimiter"));
    EXPECT_EQ(onlyMessage(), "Please enter a delimiter.");

    request.delimiter = ";";
    dialogs = ScriptedDialogs();
    PassObserver quiet;
    outcome = saveToDatabase(request, SaveTarget{}, dialogs, quiet);
    EXPECT_EQ(outcome.focus.field, InputField::DatabaseChoice);
    EXPECT_EQ(onlyMessage(), "Please select a database.");

    request.specs.clear();
    EXPECT_EQ(save(request).status, SaveStatus::Refused);
    EXPECT_EQ(onlyMessage(), saveMessages::noColumnSpecs);
    EXPECT_FALSE(db->tableDefs().contains("t"));
}

TEST_F(SaveToDatabaseTest, NewTableFromSpecsOneRecordPerLineEmptyLineEmptyRecord) {
    auto outcome = save(byColumns("John SmithWA\r\n\r\nMary      OR\r\n"));
    EXPECT_EQ(outcome.status, SaveStatus::Saved);
    EXPECT_EQ(outcome.recordsStored, 3);
    const db::TableDef table = db->tableDefs().item("people");
    ASSERT_EQ(table.fields().count(), 2);
    EXPECT_EQ(table.fields()[0].name, "Name");
    EXPECT_EQ(table.fields()[0].type, db::fieldType::text);
    EXPECT_EQ(table.fields()[0].size, 10);
    EXPECT_TRUE(table.fields()[1].allowZeroLength);
    EXPECT_EQ(db.rows("people"), (Rows{{"John Smith", "WA"}, {null, null}, {"Mary      ", "OR"}}))
        << "no trimming, and no record for the final line break";
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(SaveToDatabaseTest, ColumnsPastTheLineEndAreEmptyTextsNotNullInEveryBatch) {
    // Enough lines for the many-rows INSERT as well as the row-by-row one,
    // with ASCII (bound in place) and Windows-1252 (converted) values.
    std::string text;
    Rows expected;
    for (int i = 0; i < 2500; ++i) {
        const bool accented = i % 3 == 0;
        text += i % 2 ? "AB\r\n"
                      : (accented ? "AB\xE9"
                                    "FG\r\n"
                                  : "ABDEF\r\n");
        expected.push_back(i % 2 ? std::vector<std::string>{"AB", ""}
                                 : std::vector<std::string>{"AB", accented ? "\xE9"
                                                                             "FG"
                                                                           : "DEF"});
    }
    SaveRequest request = byColumns(text, "short");
    request.specs = {spec("A", 1, 2, 2), spec("B", 3, 3, 3)};
    EXPECT_EQ(save(request).recordsStored, 2500);
    EXPECT_EQ(db.rows("short"), expected);
}

TEST_F(SaveToDatabaseTest, ExistingTableInOtherCaseAsksAndAnswersDecide) {
    save(byColumns("A         WA"));
    const std::string question = "This table name (PEOPLE) is already in " + db.path() +
                                 ".  Would you like to add to the current records?";
    EXPECT_EQ(save(byColumns("B         OR", "PEOPLE"), {Answer::Cancel}).status,
              SaveStatus::Cancelled);
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, question);
    EXPECT_EQ(dialogs.questions[0].buttons, Buttons::YesNoCancel);
    EXPECT_EQ(db.rows("people").size(), 1u);

    save(byColumns("C         ID", "PEOPLE"), {Answer::Yes});
    EXPECT_EQ(db.rows("people"), (Rows{{"A         ", "WA"}, {"C         ", "ID"}}));
    save(byColumns("D         NV", "People"), {Answer::No});
    EXPECT_EQ(db.rows("people"), (Rows{{"D         ", "NV"}}));
}

TEST_F(SaveToDatabaseTest, ReplacingKeepsTheOldRecordsWhenTheNewOnesFail) {
    db->connection()->exec("CREATE TABLE guarded (v TEXT(3) CHECK (v <> 'bad'))");
    save(byDelimiter("old\r\nold", ";", "guarded"), {Answer::Yes});
    const Rows old{{"old"}, {"old"}};
    EXPECT_RUNTIME_ERROR_NUMBER(save(byDelimiter("bad\r\nnew", ";", "guarded"), {Answer::No}),
                                db::errors::validationRule);
    EXPECT_EQ(db.rows("guarded"), old) << "the emptying is undone";
    EXPECT_EQ(onlyMessageShown().id, saveMessages::id::oldRecordsKept);
    EXPECT_EQ(onlyMessage(),
              "Nothing of this save was stored: the table (guarded) keeps the records it had.");

    // No to the size question on the first record aborts the replace.
    auto outcome = save(byDelimiter("long\r\nnew", ";", "guarded"), {Answer::No, Answer::No});
    EXPECT_EQ(outcome.status, SaveStatus::Aborted);
    EXPECT_EQ(outcome.recordsStored, 0);
    EXPECT_EQ(db.rows("guarded"), old) << "an aborted replace keeps the old records";
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].id, saveMessages::id::enlargeField);
    EXPECT_EQ(dialogs.messages[1].id, saveMessages::id::oldRecordsKept);
    // An abort after some new records undoes them too.
    save(byDelimiter("new\r\nlong", ";", "guarded"), {Answer::No, Answer::No});
    EXPECT_EQ(db.rows("guarded"), old);
}

TEST_F(SaveToDatabaseTest, AppendingKeepsTheRecordsStoredBeforeAFailureAndSaysSo) {
    db->connection()->exec("CREATE TABLE guarded (v TEXT(3) CHECK (v <> 'bad'))");
    save(byDelimiter("old", ";", "guarded"), {Answer::Yes});
    EXPECT_RUNTIME_ERROR_NUMBER(save(byDelimiter("new\r\nbad", ";", "guarded"), {Answer::Yes}),
                                db::errors::validationRule);
    EXPECT_EQ(db.rows("guarded"), (Rows{{"old"}, {"new"}}));
    EXPECT_EQ(onlyMessageShown().id, saveMessages::id::earlierRecordsKept);
    EXPECT_EQ(onlyMessage(), "The save ended early: the records stored before it ended stay in "
                             "the table (guarded).");

    save(byDelimiter("two\r\nlong", ";", "guarded"), {Answer::Yes, Answer::No});
    EXPECT_EQ(db.rows("guarded"), (Rows{{"old"}, {"new"}, {"two"}}));
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[1].id, saveMessages::id::earlierRecordsKept);
}

// A disk that fills up while the records are written (the file capped with
// SQLite's max_page_count, which fails a write as a full disk does): the
// user is told so, not about a savepoint the failure dropped, and the table
// keeps the records it had.
TEST_F(SaveToDatabaseTest, AFullDiskSaysSoAndKeepsTheOldRecords) {
    db->execute("CREATE TABLE notes (v MEMO)");
    save(byDelimiter("old", ";", "notes"), {Answer::Yes});
    db::Statement pages = db->connection()->prepare("PRAGMA page_count");
    pages.step();
    db->connection()->exec("PRAGMA max_page_count = " + std::to_string(pages.columnInteger(0) + 2));
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += std::string(300, 'x') + "\r\n";
    for (Answer replaceOrAppend : {Answer::No, Answer::Yes})
        EXPECT_RUNTIME_ERROR(save(byDelimiter(text, ";", "notes"), {replaceOrAppend}),
                             db::errors::notEnoughSpace, "Not enough space on disk.");
    EXPECT_EQ(db.rows("notes"), (Rows{{"old"}}));
}

TEST_F(SaveToDatabaseTest, ChosenTableMustExist) {
    auto outcome = save(byDelimiter("a;b", ";", "missing"));
    EXPECT_EQ(outcome.status, SaveStatus::Refused);
    EXPECT_EQ(outcome.focus.field, InputField::TableName);
    EXPECT_EQ(onlyMessage(),
              "This table name (missing) is not in " + db.path() + ".  Please verify the name.");
}

TEST_F(SaveToDatabaseTest, DelimiterWriterEmptyValuesTrailingDelimiterExtraValues) {
    SaveRequest request = byDelimiter("a;;b\r\na;b;\r\n1;2;3;4\r\n;\r\n", ";", "three");
    request.option = SaveOption::OwnDatabaseNewTable; // fields that allow empty texts
    request.specs = {spec("a", 1, 1, 10), spec("b", 1, 1, 10), spec("c", 1, 1, 10)};
    auto outcome = save(request);
    EXPECT_EQ(outcome.recordsStored, 4);
    EXPECT_EQ(db.rows("three"),
              (Rows{{"a", "", "b"}, {"a", "b", null}, {"1", "2", "3"}, {"", null, null}}));
}

TEST_F(SaveToDatabaseTest, EmptyValueWhereEmptyTextsAreNotAllowedIsReportedAndSkipped) {
    db->execute("CREATE TABLE strict (a TEXT(10), b TEXT(10))");
    auto outcome = save(byDelimiter(";x\r\ny;", ";", "strict"), {Answer::Yes});
    EXPECT_EQ(dialogs.questions[0].text, "Would you like to add to the current records?");
    EXPECT_EQ(outcome.status, SaveStatus::Saved);
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].text, errorReportText(3315, ""));
    EXPECT_EQ(db.rows("strict"), (Rows{{null, "x"}, {"y", null}}));
}

TEST_F(SaveToDatabaseTest, EveryValueTheEngineRefusesIsCountedAsLeftOut) {
    db->execute("CREATE TABLE typed (a TEXT(10), n LONG)");
    auto outcome = save(byDelimiter(";1\r\nb;x\r\nc;2", ";", "typed"), {Answer::Yes});
    EXPECT_EQ(outcome.status, SaveStatus::Saved);
    EXPECT_EQ(outcome.recordsStored, 3);
    ASSERT_EQ(dialogs.messages.size(), 2u) << "one report for each refused value";
    EXPECT_EQ(dialogs.messages[0].text, errorReportText(3315, ""));
    EXPECT_EQ(outcome.valuesLeftOut, 2);
    EXPECT_EQ(db.rows("typed"), (Rows{{null, "1"}, {"b", null}, {"c", "2"}}));
}

TEST_F(SaveToDatabaseTest, TwoCharacterDelimiterOnARealFile) {
    db->execute("CREATE TABLE people (id TEXT(5), name TEXT(10), age TEXT(5))");
    // The file's LF line ends become CR LF, as the text box holds them.
    std::ifstream file(FIELDIZER_TEST_DATA "/multi-byte-ascii.txt", std::ios::binary);
    std::string text, line;
    while (std::getline(file, line))
        text += line + "\r\n";
    save(byDelimiter(text, "||", "people"), {Answer::Yes});
    EXPECT_EQ(db.rows("people"), (Rows{{"id", "name", "age"},
                                       {"1", "ed", "36"},
                                       {"2", "leigh", "NA"},
                                       {"3", "nathan", "14"}}));
}

TEST_F(SaveToDatabaseTest, SizeCheckNoAbortsWithoutStoringTheRecord) {
    db->execute("CREATE TABLE narrow (v TEXT(3))");
    auto outcome =
        save(byDelimiter("abc\r\nabcd\r\nxyz", ";", "narrow"), {Answer::Yes, Answer::No});
    EXPECT_EQ(outcome.status, SaveStatus::Aborted);
    EXPECT_EQ(outcome.recordsStored, 1);
    EXPECT_EQ(dialogs.questions[1].text,
              "The data that's about to be written is too large for the size of the current "
              "field (v).  The write will be aborted.  Would you like to process the remaining "
              "data?");
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].text, saveMessages::enlargeField);
    EXPECT_EQ(db.rows("narrow"), (Rows{{"abc"}}));
}

TEST_F(SaveToDatabaseTest, SizeCheckYesGoesOnAndWarnAgainNoStopsTheQuestions) {
    db->execute("CREATE TABLE narrow (v TEXT(3), w TEXT(3))");
    const std::string text = "abcd;x\r\nabcde;y\r\nok;z\r\nlonger;w";
    // Yes to add, Yes to go on, Yes to be warned again; then Yes, No.
    auto outcome = save(byDelimiter(text, ";", "narrow"),
                        {Answer::Yes, Answer::Yes, Answer::Yes, Answer::Yes, Answer::No});
    EXPECT_TRUE(dialogs.scriptUsedUp());
    EXPECT_FALSE(dialogs.unexpected) << "no question after 'do not warn again'";
    EXPECT_EQ(outcome.status, SaveStatus::Saved);
    EXPECT_EQ(outcome.recordsStored, 4);
    // The last over-long value went to the engine, which refused it: the
    // error report shows the 3163 text and the field stays empty.
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].id, saveMessages::id::valueRefused);
    EXPECT_EQ(dialogs.messages[0].text, errorReportText(3163, ""));
    EXPECT_EQ(dialogs.messages[0].title, "Fieldizer - Sorry...");
    EXPECT_EQ(outcome.valuesLeftOut, 3);
    EXPECT_EQ(db.rows("narrow"), (Rows{{null, "x"}, {null, "y"}, {"ok", "z"}, {null, "w"}}));
}

TEST_F(SaveToDatabaseTest, FailureInTheMiddleKeepsEarlierRecordsAndNoHalfRecord) {
    db->execute("CREATE TABLE strict (a TEXT(10) NOT NULL, b TEXT(10))");
    // The empty value is refused first (and reported, the save going on),
    // then the record, which lacks its required value: that error ends the
    // save and is the caller's to report.
    try {
        save(byDelimiter("x;1\r\ny;2\r\n;3\r\nz;4", ";", "strict"), {Answer::Yes});
        ADD_FAILURE() << "the missing required value was not thrown";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), 3314);
    }
    ASSERT_EQ(dialogs.messages.size(), 2u);
    EXPECT_EQ(dialogs.messages[0].id, errorReportMessage);
    EXPECT_EQ(dialogs.messages[0].text, errorReportText(3315, ""));
    EXPECT_EQ(dialogs.messages[1].id, saveMessages::id::earlierRecordsKept);
    EXPECT_EQ(db.rows("strict"), (Rows{{"x", "1"}, {"y", "2"}}));
}

TEST_F(SaveToDatabaseTest, ProgramTablesAreRefusedBeforeAnythingIsWritten) {
    db.setWorking({spec("Old", 1, 3, 3)});
    const auto workingBefore = db.rows("fieldize_settings");
    for (const char* table :
         {"fieldize_allFields", "FIELDIZE_SETTINGS", "fieldize_Keep", "MSysFieldizerQueries",
          "msysOther", "sqlite_master", "SQLITE_sequence"}) {
        for (SaveOption option :
             {SaveOption::OwnDatabaseNewTable, SaveOption::ChosenDatabaseTable}) {
            SaveRequest request = byColumns("abc", table);
            request.option = option;
            const auto outcome = save(request, {Answer::Yes});
            EXPECT_EQ(outcome.status, SaveStatus::Refused) << table;
            EXPECT_EQ(outcome.focus.field, InputField::TableName);
            EXPECT_EQ(onlyMessageShown().id, saveMessages::id::programTable);
            EXPECT_TRUE(dialogs.questions.empty()) << "refused before the existing-table question";
        }
    }
    EXPECT_EQ(db.rows("fieldize_settings"), workingBefore);
    EXPECT_FALSE(db->tableDefs().contains("msysOther"));
    EXPECT_FALSE(db->tableDefs().contains("MSysFieldizerQueries"));
}

TEST_F(SaveToDatabaseTest, StopEndsAfterTheCurrentRecord) {
    dialogs = ScriptedDialogs();
    StopAfter stop(2);
    const std::string text = "a         1\r\nb         2\r\nc         3\r\nd         4";
    auto outcome = saveToDatabase(byColumns(text), target(), dialogs, stop);
    EXPECT_EQ(outcome.status, SaveStatus::Stopped);
    EXPECT_EQ(outcome.recordsStored, 2);
    EXPECT_EQ(db.rows("people").size(), 2u);
}

TEST_F(SaveToDatabaseTest, TableNamesAreNeverRunAsSql) {
    save(byColumns("a         1", "my table"));
    EXPECT_EQ(db.rows("my table").size(), 1u);
    save(byColumns("b         2", "My Table"), {Answer::No});
    EXPECT_EQ(db.rows("my table"), (Rows{{"b         ", "2"}}));
    save(byColumns("x", "people; drop table fieldize_settings"));
    EXPECT_TRUE(db->tableDefs().contains("fieldize_settings"));
}

TEST_F(SaveToDatabaseTest, ColumnSpecWriterLeavesFieldsBeyondTheSpecsUnset) {
    db->execute("CREATE TABLE wide (a TEXT(5), b TEXT(5), c TEXT(5))");
    SaveRequest request = byColumns("abcdefghij");
    request.tableName = "wide";
    request.option = SaveOption::ChosenDatabaseTable;
    request.specs = {spec("a", 1, 3, 5), spec("b", 4, 2, 5)};
    EXPECT_EQ(save(request, {Answer::Yes}).status, SaveStatus::Saved);
    EXPECT_EQ(db.rows("wide"), (Rows{{"abc", "de", null}}));
}

// The text "&Process" on the Fieldize Text tab makes of `original`.
std::string fieldized(std::string_view original, const ColumnSpecs& specs, int startLineAt) {
    PassObserver quiet;
    const auto current = [&]() -> const ColumnSpecs& { return specs; };
    return runPassInMemory(original, fieldizeOperation(current, startLineAt), quiet).text;
}

TEST_F(SaveToDatabaseTest, ATextFieldizeLaidOutIsSavedByThePositionsTheAnswerChooses) {
    const std::string original = "John SmithWA\r\nMary      OR";
    const SaveRequest byOriginal = byColumns(original);
    ColumnSpecs specs = byOriginal.specs;
    specs[0].spacesB4NextColumn = 3;
    for (int startLineAt : {1, 5}) {
        SaveRequest request = byColumns("", "laid" + std::to_string(startLineAt));
        const std::string laidOut = fieldized(original, specs, startLineAt);
        request.text = laidOut;
        request.specs = specs;
        auto outcome = save(request, {Answer::Yes});
        ASSERT_EQ(dialogs.questions.size(), 1u);
        EXPECT_EQ(dialogs.questions[0].id, saveMessages::id::laidOut);
        EXPECT_EQ(dialogs.questions[0].text, saveMessages::laidOut);
        EXPECT_EQ(outcome.recordsStored, 2);
        EXPECT_EQ(db.rows(request.tableName), (Rows{{"John Smith", "WA"}, {"Mary      ", "OR"}}))
            << "the values of the original text, without the heading line";
    }

    SaveRequest asOriginal = byColumns("", "laid1");
    const std::string laidOut = fieldized(original, specs, 1);
    asOriginal.text = laidOut;
    asOriginal.specs = specs;
    EXPECT_EQ(save(asOriginal, {Answer::Cancel}).status, SaveStatus::Cancelled);
    EXPECT_EQ(db.rows("laid1").size(), 2u);
    EXPECT_EQ(save(asOriginal, {Answer::No, Answer::Yes}).recordsStored, 3)
        << "No cuts every line, the heading line included, at the original positions";

    save(byOriginal);
    EXPECT_TRUE(dialogs.questions.empty()) << "a text not laid out brings no question";
}

TEST(ListedTables, ProgramTablesAndHiddenTablesAreLeftOut) {
    EXPECT_TRUE(isListedTable("people"));
    EXPECT_FALSE(isListedTable("fieldize_settings"));
    EXPECT_FALSE(isListedTable("FIELDIZE_monthly"));
    EXPECT_FALSE(isListedTable("MSysQueries"));
    EXPECT_TRUE(isListedTable("msysnot")) << "the lists' MSys test is case-sensitive";
    EXPECT_TRUE(isListedTable("fieldize"));
    EXPECT_FALSE(isListedTable("sqlite_sequence"));
}

TEST(ProgramTables, EveryPrefixInAnyCaseAndNothingElse) {
    for (const char* name : {"fieldize_settings", "Fieldize_x", "MSysQueries", "msysnot", "MSYS",
                             "sqlite_master", "SQLite_Stat1"})
        EXPECT_TRUE(isProgramTable(name)) << name;
    for (const char* name : {"fieldize", "fieldizeX", "MSy", "sqlite", "my_fieldize_x", "people"})
        EXPECT_FALSE(isProgramTable(name)) << name;
}

} // namespace
} // namespace fieldizer::testing
