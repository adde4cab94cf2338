// "Save TABLE As" without a window: the name asked for, the new table's
// fields, and the copy that is all or nothing.
#include "program_database_fixture.h"
#include "runtime_error_checks.h"
#include "scripted_dialogs.h"
#include "scripted_file_dialogs.h"
#include "shell/databases/table_copy.h"
#include "user_tables.h"

#include <gtest/gtest.h>

using namespace fieldizer;
using namespace fieldizer::testing;

namespace {

// Records what the copy tells the window.
struct RecordingObserver final : PassObserver {
    void started(std::uint64_t total) override { startedWith.push_back(total); }
    void yield(std::uint64_t progress) override { yields.push_back(progress); }
    std::chrono::milliseconds yieldInterval() const override { return {}; }
    std::vector<std::uint64_t> startedWith, yields;
};

// Asks for Stop at its `stopAt`th yield; a copy that yields far more often
// than its rows could need never ends, and is ended here with an error.
struct StoppingObserver final : PassObserver {
    explicit StoppingObserver(std::size_t stopAt) : stopAt(stopAt) {}
    void yield(std::uint64_t) override {
        if (++yields > 100000)
            throw RuntimeError(errors::invalidCall, "the copy never ends");
    }
    bool stopRequested() const override { return yields >= stopAt; }
    std::chrono::milliseconds yieldInterval() const override { return {}; }
    std::size_t stopAt;
    std::size_t yields = 0;
};

struct TableCheckTest : ::testing::Test {
    void SetUp() override { makeUserTable(*database, "Orders", 2); }
    std::optional<std::string> check() { return tableCheck(*database, openTable, dialogs, files); }

    ProgramDatabase database;
    ScriptedDialogs dialogs;
    ScriptedFileDialogs files;
    std::string openTable = "Orders";
};

struct SaveTableAs : ::testing::Test {
    ProgramDatabase database;
    RecordingObserver observer;
};

std::vector<std::pair<int, int>> typesAndSizes(const db::TableDef& table) {
    std::vector<std::pair<int, int>> fields;
    for (const db::FieldDef& field : table.fields())
        fields.emplace_back(field.type, field.size);
    return fields;
}

} // namespace

TEST_F(TableCheckTest, aNewNameIsTakenAtOnceUnderTheOpenTablesTitle) {
    files.addInput("Orders 2024");
    EXPECT_EQ(check(), "Orders 2024");
    EXPECT_EQ(files.prompts, std::vector<std::string>{saveTableAsPrompt});
    EXPECT_EQ(files.titles, std::vector<std::string>{"Orders"});
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(TableCheckTest, aNameDifferingOnlyInCaseAsksForAnother) {
    files.addInput("ORDERS");
    files.addInput("Archive");
    dialogs.add(Answer::Yes);
    EXPECT_EQ(check(), "Archive");
    ASSERT_EQ(dialogs.questions.size(), 1u);
    EXPECT_EQ(dialogs.questions[0].text, "This table name (ORDERS) is already in the database.  "
                                         "Would you like to enter another name?");
    EXPECT_EQ(dialogs.questions[0].title, questionTitle);

    files.addInput("orders");
    dialogs.add(Answer::No);
    EXPECT_EQ(check(), std::nullopt); // No gives up
    EXPECT_FALSE(dialogs.unexpected || files.unexpected);
}

TEST_F(TableCheckTest, cancelOrAnEmptyNameCopiesNothing) {
    files.addInput(std::nullopt);
    EXPECT_EQ(check(), std::nullopt);
    files.addInput("");
    EXPECT_EQ(check(), std::nullopt);
    EXPECT_TRUE(dialogs.questions.empty());
}

TEST_F(TableCheckTest, withNoTableOpenedTheExportNameIsTheTitle) {
    openTable.clear();
    files.addInput(std::nullopt);
    check();
    EXPECT_EQ(openTable, exportTableName);
    EXPECT_EQ(files.titles, std::vector<std::string>{"Fieldizer's Export TABLE"});
}

TEST_F(SaveTableAs, theCopyKeepsFieldsInOrderWithTypesSizesAndEveryValue) {
    db::TableDef source = database->createTableDef("Mixed");
    db::FieldDef counter = source.createField("ID", db::fieldType::longInteger);
    counter.autoIncrement = true;
    source.fields().append(counter);
    source.fields().append(source.createField("Name", db::fieldType::text, 12));
    source.fields().append(source.createField("When", db::fieldType::dateTime));
    source.fields().append(source.createField("Notes", db::fieldType::memo));
    source.fields().append(source.createField("Paid", db::fieldType::yesNo));
    database->tableDefs().append(source);
    database->execute("INSERT INTO Mixed (Name, [When], Notes, Paid) "
                      "VALUES ('Caf\xE9 \x80', #8/7/2000 13:05#, 'long notes', True)");
    database->execute("INSERT INTO Mixed (Name) VALUES ('second')");

    EXPECT_EQ(saveTableAs(*database, "Mixed", "Mixed Copy", observer), 2);

    const db::TableDef copy = database->tableDefs().item("Mixed Copy");
    const db::TableDef stored = database->tableDefs().item("Mixed");
    EXPECT_EQ(typesAndSizes(copy), typesAndSizes(stored));
    std::vector<std::string> names;
    for (const db::FieldDef& field : copy.fields()) {
        names.push_back(field.name);
        EXPECT_FALSE(field.autoIncrement);
        EXPECT_TRUE(field.allowZeroLength || !db::isTextType(field.type));
    }
    EXPECT_EQ(names, (std::vector<std::string>{"ID", "Name", "When", "Notes", "Paid"}));
    EXPECT_EQ(database.rows("Mixed Copy"), database.rows("Mixed"));
    EXPECT_EQ(observer.startedWith, std::vector<std::uint64_t>{2});
}

TEST_F(SaveTableAs, rowsBeyondManyChunksAndGapsInTheirOrderAllArrive) {
    makeUserTable(*database, "Big", 30000);
    database->connection()->exec(
        "DELETE FROM Big WHERE Amount % 7 = 0 OR Amount BETWEEN 8000 AND 9000");
    const long copied = saveTableAs(*database, "Big", "Big2", observer).value_or(-1);
    const auto rows = database.rows("Big");
    EXPECT_EQ(copied, long(rows.size()));
    EXPECT_EQ(database.rows("Big2"), rows);
    ASSERT_FALSE(observer.yields.empty());
    EXPECT_TRUE(std::is_sorted(observer.yields.begin(), observer.yields.end()));
    EXPECT_LT(observer.yields.back(), rows.size()); // yields come before each chunk
}

TEST_F(SaveTableAs, rowsFarApartInStorageOrderArriveInThatOrder) {
    makeUserTable(*database, "Sparse", 0);
    for (const char* rowid : {"-9223372036854775808", "-5", "1", "8192", "8193", "5000000000000",
                              "9223372036854775807"})
        database->connection()->exec(std::string("INSERT INTO Sparse (rowid, Label) VALUES (") +
                                     rowid + ", '" + std::string(rowid).substr(0, 12) + "')");
    EXPECT_EQ(saveTableAs(*database, "Sparse", "Sparse2", observer), 7);
    EXPECT_EQ(database.rows("Sparse2"), database.rows("Sparse"));
}

TEST_F(SaveTableAs, anEmptyTableIsCopiedWithoutProgress) {
    makeUserTable(*database, "Empty", 0);
    EXPECT_EQ(saveTableAs(*database, "Empty", "Empty2", observer), 0);
    EXPECT_TRUE(database->tableDefs().contains("Empty2"));
    EXPECT_TRUE(observer.startedWith.empty());
}

TEST_F(SaveTableAs, aValueTheNewTableRefusesPartWayLeavesNothingOfIt) {
    makeOverfullTable(*database, "Loose", 20000); // the refused row comes after two chunks
    EXPECT_RUNTIME_ERROR_NUMBER(saveTableAs(*database, "Loose", "Tight", observer), 3163);
    EXPECT_FALSE(database->tableDefs().contains("Tight"));
    // Nothing of the failed copy stays behind to block the next one.
    database->execute("UPDATE Loose SET Label = 'fits' WHERE Label = 'ten chars!'");
    EXPECT_EQ(saveTableAs(*database, "Loose", "Tight", observer), 20001);
}

TEST_F(SaveTableAs, aMissingSourceOrAnInvalidNameCreatesNothing) {
    makeUserTable(*database, "Orders", 3);
    EXPECT_RUNTIME_ERROR_NUMBER(saveTableAs(*database, "Nowhere", "Copy", observer), 3265);
    EXPECT_FALSE(database->tableDefs().contains("Copy"));
    EXPECT_RUNTIME_ERROR_NUMBER(saveTableAs(*database, "Orders", "a.b", observer), 3125);
    EXPECT_EQ(database->tableDefs().names().size(), 3u); // the program's two and Orders
}

TEST_F(SaveTableAs, stopEndsTheCopyAndLeavesNothingOfTheNewTable) {
    makeUserTable(*database, "Big", 30000);
    StoppingObserver stopping(2); // after the first chunk
    EXPECT_EQ(saveTableAs(*database, "Big", "Big2", stopping), std::nullopt);
    EXPECT_EQ(stopping.yields, 2u);
    EXPECT_FALSE(database->tableDefs().contains("Big2"));
    EXPECT_EQ(saveTableAs(*database, "Big", "Big2", observer), 30000) << "nothing left to block it";
}

TEST_F(SaveTableAs, aUserColumnNamedRowidNeitherHoldsTheCopyUpNorLosesRows) {
    // Its values repeat, are text, Null, or far apart: not one address a row.
    database->connection()->exec("CREATE TABLE Named (rowid TEXT, Label TEXT)");
    for (const char* row :
         {"'b', 'one'", "'a', 'two'", "NULL, 'three'", "'a', 'four'", "5, 'five'", "5, 'six'"})
        database->connection()->exec(std::string("INSERT INTO Named VALUES (") + row + ")");
    StoppingObserver never(std::size_t(-1));
    EXPECT_EQ(saveTableAs(*database, "Named", "Named2", never), 6);
    const auto labels = [&](const std::string& table) {
        std::vector<std::string> found;
        db::Statement rows =
            database->connection()->prepare("SELECT Label FROM " + table + " ORDER BY Label");
        while (rows.step())
            found.push_back(rows.columnUtf8(0));
        return found;
    };
    EXPECT_EQ(labels("Named2"), labels("Named"));
}
