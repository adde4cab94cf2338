// Save to Database into a table of a PostgreSQL server: the same writers and
// rules as for a file, and the server's refusals as the program's errors
// with nothing half-written left behind.

#include "columns/save_messages.h"
#include "columns/save_to_database.h"
#include "columns/table_list.h"
#include "postgres_cluster.h"
#include "runtime_error_checks.h"
#include "scripted_dialogs.h"
#include "text_engine/database_error_numbers.h"
#include "workbench/postgres/server_database.h"

#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

using Rows = std::vector<std::vector<std::string>>;

ColumnSpec spec(std::string heading, long start, long chars, long width) {
    return ColumnSpec{std::move(heading), start, chars, 0, width};
}

PostgresCluster& cluster() {
    return PostgresCluster::instance();
}

// Stops the server at the given step of the save, as a crash would.
class ServerStopsAt final : public PassObserver {
  public:
    explicit ServerStopsAt(int step) : step_(step) {}
    bool stopRequested() const override {
        if (++asked_ == step_)
            cluster().stopNow();
        return false;
    }

  private:
    int step_;
    mutable int asked_ = 0;
};

class ServerSaveTest : public ::testing::Test {
  protected:
    void SetUp() override {
        cluster().run("DROP SCHEMA public CASCADE; CREATE SCHEMA public;"
                      " GRANT ALL ON SCHEMA public TO secured;"
                      " GRANT USAGE ON SCHEMA public TO reader");
        server = std::make_unique<db::ServerDatabase>(cluster().address());
    }

    SaveOutcome save(const SaveRequest& request, std::deque<Answer> answers = {}) {
        return saveWith(request, quiet, std::move(answers));
    }
    SaveOutcome saveWith(const SaveRequest& request, PassObserver& observer,
                         std::deque<Answer> answers = {}) {
        dialogs = ScriptedDialogs(std::move(answers));
        return saveToDatabase(request, SaveTarget{server.get(), server->shownAddress()}, dialogs,
                              observer);
    }
    static SaveRequest byColumns(std::string_view text, std::string table = "people") {
        SaveRequest request;
        request.text = text;
        request.tableName = std::move(table);
        request.processMethod = std::string(useColumnSpecsMethod);
        request.option = SaveOption::ChosenDatabaseNewTable;
        request.specs = {spec("Name", 1, 10, 10), spec("State", 11, 2, 2)};
        return request;
    }

    std::unique_ptr<db::ServerDatabase> server;
    ScriptedDialogs dialogs;
    PassObserver quiet;
};

TEST_F(ServerSaveTest, NewTableHasAVarcharFieldPerSpecificationAndARecordPerLine) {
    const SaveOutcome outcome = save(byColumns("John SmithWA\r\n\r\nM\xe9ry \\\t   OR\r\n"));
    EXPECT_EQ(outcome.status, SaveStatus::Saved);
    EXPECT_EQ(outcome.recordsStored, 3);
    EXPECT_EQ(cluster().rows("SELECT column_name, data_type, character_maximum_length FROM "
                             "information_schema.columns WHERE table_name = 'people' "
                             "ORDER BY ordinal_position"),
              (Rows{{"Name", "character varying", "10"}, {"State", "character varying", "2"}}));
    EXPECT_EQ(cluster().rows("SELECT * FROM people"),
              (Rows{{"John Smith", "WA"}, {"<null>", "<null>"}, {"M\xc3\xa9ry \\\t   ", "OR"}}));
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST_F(ServerSaveTest, AppendKeepsTheRecordsAndReplaceEmptiesTheTableFirst) {
    ASSERT_EQ(save(byColumns("Old       WA\r\n")).status, SaveStatus::Saved);
    EXPECT_EQ(save(byColumns("Added     OR\r\n"), {Answer::Yes}).recordsStored, 1);
    EXPECT_EQ(cluster().rows("SELECT \"Name\" FROM people ORDER BY 1"),
              (Rows{{"Added     "}, {"Old       "}}));
    EXPECT_EQ(dialogs.questions.at(0).id, saveMessages::id::addToRecords);
    EXPECT_EQ(dialogs.questions.at(0).text,
              saveMessages::tableAlreadyIn("people", server->shownAddress()));

    EXPECT_EQ(save(byColumns("New       ID\r\n"), {Answer::No}).status, SaveStatus::Saved);
    EXPECT_EQ(cluster().rows("SELECT * FROM people"), (Rows{{"New       ", "ID"}}));
}

TEST_F(ServerSaveTest, ExistingTableIsFoundInAnyCaseAndListedFromTheSearchPath) {
    cluster().run("CREATE TABLE \"Sales\" (a varchar(5)); CREATE SCHEMA hidden;"
                  " CREATE TABLE hidden.unseen (a text); CREATE TABLE fieldize_x (a text)");
    EXPECT_EQ(listedTableNames(*server), (std::vector<std::string>{"Sales"}));
    SaveRequest request = byColumns("x;y\r\n", "SALES");
    request.option = SaveOption::ChosenDatabaseTable;
    request.processMethod = std::string(parseByDelimiterMethod);
    request.delimiter = ";";
    const SaveOutcome outcome = save(request, {Answer::Yes});
    EXPECT_EQ(outcome.tableName, "Sales");
    EXPECT_EQ(cluster().rows("SELECT a FROM \"Sales\""), (Rows{{"x"}}));
}

TEST_F(ServerSaveTest, ValueTooLongAsksAndIsLeftOutWithTheSameCounts) {
    ASSERT_EQ(save(byColumns("Cy        ID\r\n")).status, SaveStatus::Saved);
    // No to "warned again": the second over-long value is refused by its
    // field without a question, reported, and counted.
    SaveRequest request = byColumns("Ann;Washington\r\nBob;Oregon\r\n");
    request.option = SaveOption::ChosenDatabaseTable;
    request.processMethod = std::string(parseByDelimiterMethod);
    request.delimiter = ";";
    const SaveOutcome tooLong = save(request, {Answer::Yes, Answer::Yes, Answer::No});
    EXPECT_EQ(tooLong.recordsStored, 2);
    EXPECT_EQ(tooLong.valuesLeftOut, 2);
    ASSERT_EQ(dialogs.questions.size(), 3u);
    EXPECT_EQ(dialogs.questions[1].text, saveMessages::valueTooLarge("State"));
    ASSERT_EQ(dialogs.messages.size(), 1u);
    EXPECT_EQ(dialogs.messages[0].id, saveMessages::id::valueRefused);
    EXPECT_EQ(cluster().rows("SELECT \"Name\", \"State\" FROM people WHERE \"State\" IS NULL "
                             "ORDER BY 1"),
              (Rows{{"Ann", "<null>"}, {"Bob", "<null>"}}));
}

TEST_F(ServerSaveTest, HeadingsNeedingQuotesAndReservedWordsNameTheirFields) {
    SaveRequest request = byColumns("abcdef\r\n", "it's \"odd\"");
    request.specs = {spec("select", 1, 2, 2), spec("two words", 3, 2, 2),
                     spec("say \"hi\"", 5, 2, 2)};
    ASSERT_EQ(save(request).status, SaveStatus::Saved);
    EXPECT_EQ(cluster().rows("SELECT \"select\", \"two words\", \"say \"\"hi\"\"\" "
                             "FROM \"it's \"\"odd\"\"\""),
              (Rows{{"ab", "cd", "ef"}}));
    EXPECT_EQ(listedTableNames(*server), (std::vector<std::string>{"it's \"odd\""}));
}

TEST_F(ServerSaveTest, WrongPasswordIsTheAccountErrorWithTheServersText) {
    try {
        const db::ServerDatabase refused(cluster().address("secured"),
                                         db::ServerLogin{"", "wrong"});
        ADD_FAILURE() << "a wrong password connected to " << refused.shownAddress();
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), db::errors::notValidAccount);
        EXPECT_NE(error.description().find("password authentication failed"), std::string::npos)
            << error.description();
        EXPECT_EQ(error.description().find("wrong"), std::string::npos);
    }
    db::ServerDatabase right(cluster().address("secured"), db::ServerLogin{"", securedPassword});
    EXPECT_TRUE(right.tableNames().empty());
}

TEST_F(ServerSaveTest, ReadOnlyRoleIsRefusedWithTheServersTextAndNothingStays) {
    cluster().run(R"(CREATE TABLE people ("Name" varchar(10), "State" varchar(2)))");
    server = std::make_unique<db::ServerDatabase>(cluster().address("reader"));
    try {
        save(byColumns("Ann       WA\r\n"), {Answer::Yes});
        ADD_FAILURE() << "a role without INSERT wrote records";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), db::errors::serverCallFailed);
        EXPECT_NE(error.description().find("permission denied for table people"), std::string::npos)
            << error.description();
    }
    EXPECT_EQ(cluster().rows("SELECT count(*) FROM people"), (Rows{{"0"}}));
    try {
        save(byColumns("Ann       WA\r\n", "other"));
        ADD_FAILURE() << "a role without CREATE created a table";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), db::errors::serverCallFailed);
        EXPECT_NE(error.description().find("permission denied"), std::string::npos);
    }
}

TEST_F(ServerSaveTest, AFailedAppendKeepsOnlyTheOldRecordsAndSaysSo) {
    cluster().run("CREATE TABLE people (\"Name\" varchar(10), \"State\" varchar(2) "
                  "CHECK (\"State\" <> 'XX')); INSERT INTO people VALUES ('Old', 'WA')");
    std::string text;
    for (int i = 0; i < 5000; ++i)
        text += "Name      OK\r\n";
    text += "Bad       XX\r\n";
    EXPECT_RUNTIME_ERROR_NUMBER(save(byColumns(text), {Answer::Yes}), db::errors::serverCallFailed);
    EXPECT_EQ(cluster().rows("SELECT * FROM people"), (Rows{{"Old", "WA"}}));
    ASSERT_FALSE(dialogs.messages.empty());
    EXPECT_EQ(dialogs.messages.back().id, saveMessages::id::oldRecordsKept);
}

TEST_F(ServerSaveTest, StatementTimeoutIsItsOwnErrorAndRollsBack) {
    cluster().run("CREATE TABLE people (\"Name\" varchar(10), \"State\" varchar(2));"
                  " INSERT INTO people VALUES ('Old', 'WA');"
                  " CREATE FUNCTION slow() RETURNS trigger LANGUAGE plpgsql AS"
                  " $$BEGIN PERFORM pg_sleep(0.2); RETURN NEW; END$$;"
                  " CREATE TRIGGER slow BEFORE INSERT ON people FOR EACH ROW EXECUTE"
                  " FUNCTION slow()");
    server = std::make_unique<db::ServerDatabase>(cluster().address() +
                                                  "&options=-c%20statement_timeout%3D100");
    EXPECT_RUNTIME_ERROR_NUMBER(save(byColumns("New       ID\r\n"), {Answer::No}),
                                db::errors::serverTimeout);
    EXPECT_EQ(cluster().rows("SELECT * FROM people"), (Rows{{"Old", "WA"}}));
}

TEST_F(ServerSaveTest, ServerStoppedInTheMiddleIsTheConnectionErrorAndNothingStays) {
    cluster().run("CREATE TABLE people (\"Name\" varchar(10), \"State\" varchar(2));"
                  " INSERT INTO people VALUES ('Old', 'WA')");
    std::string text;
    for (int i = 0; i < 300000; ++i)
        text += "Name      OK\r\n";
    ServerStopsAt stop(100000);
    try {
        saveWith(byColumns(text), stop, {Answer::No});
        ADD_FAILURE() << "the save went on without its server";
    } catch (const RuntimeError& error) {
        EXPECT_EQ(error.number(), db::errors::serverConnectionFailed) << error.description();
    }
    cluster().start();
    EXPECT_EQ(cluster().rows("SELECT * FROM people"), (Rows{{"Old", "WA"}}));
}

} // namespace
} // namespace fieldizer::testing
