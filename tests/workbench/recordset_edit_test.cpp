#include "scratch_database.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

const char* const tooSmall = "The field is too small to accept the amount of data you attempted "
                             "to add.  Try inserting or pasting less data.";

// A table of text, number and flag fields, as Save to Database makes them.
void makePeople(Database& database) {
    TableDef table = database.createTableDef("people");
    FieldDef name = table.createField("name", 10, 5);
    name.allowZeroLength = true;
    table.fields().append(name);
    table.fields().append(table.createField("code", 10, 3)); // no zero-length strings
    table.fields().append(table.createField("age", 4));
    table.fields().append(table.createField("small", 2));
    table.fields().append(table.createField("member", 1));
    table.fields().append(table.createField("born", 8));
    database.tableDefs().append(table);
}

std::vector<std::string> names(Database& database, const std::string& source) {
    std::vector<std::string> out;
    Recordset rows = database.openRecordset(source, RecordsetType::Snapshot);
    for (; !rows.eof(); rows.moveNext())
        out.push_back(rows.field("name").value().toText());
    return out;
}

} // namespace

TEST(RecordsetEditing, addNewStoresARecordAtUpdate) {
    ScratchDatabase database;
    makePeople(*database);
    Recordset rows = database->openRecordset("people");
    EXPECT_EQ(rows.type(), RecordsetType::Table);
    rows.addNew();
    rows.field("NAME") = "Ann";
    rows.field(1) = "A1";
    rows.field("age") = "42";
    EXPECT_EQ(rows.field("name").value(), Value("Ann")); // the edit buffer
    EXPECT_EQ(names(*database, "people"), std::vector<std::string>{});
    rows.update();
    EXPECT_EQ(names(*database, "people"), std::vector<std::string>{"Ann"});
    EXPECT_EQ(rows.recordCount(), 1);
    rows.moveFirst();
    EXPECT_EQ(rows.field("age").value(), Value(42));
    EXPECT_TRUE(rows.field("small").value().isNull());
}

TEST(RecordsetEditing, editChangesOnlyTheAssignedFields) {
    ScratchDatabase database;
    makePeople(*database);
    database->execute("INSERT INTO people (name, code, age) VALUES ('Bob', 'B', 30)");
    Recordset rows = database->openRecordset("people", RecordsetType::Dynaset);
    rows.edit();
    rows.field("age") = 31;
    rows.update();
    database.reopen();
    Recordset again = database->openRecordset("people");
    EXPECT_EQ(again.field("age").value(), Value(31));
    EXPECT_EQ(again.field("name").value(), Value("Bob"));
}

TEST(RecordsetEditing, overlongTextIsRefusedAtAssignmentAndTheRecordStillStores) {
    ScratchDatabase database;
    makePeople(*database);
    Recordset rows = database->openRecordset("people");
    rows.addNew();
    rows.field("name") = "12345";
    EXPECT_RUNTIME_ERROR(rows.field("name") = "123456", 3163, tooSmall);
    EXPECT_EQ(rows.field("name").value(), Value("12345"));
    rows.update();
    EXPECT_EQ(names(*database, "people"), std::vector<std::string>{"12345"});
}

TEST(RecordsetEditing, emptyTextIsRefusedWhereZeroLengthIsNotAllowed) {
    ScratchDatabase database;
    makePeople(*database);
    Recordset rows = database->openRecordset("people");
    rows.addNew();
    rows.field("name") = ""; // allowed here
    EXPECT_RUNTIME_ERROR(rows.field("code") = "", 3315,
                         "Field 'people.code' cannot be a zero-length string.");
}

TEST(RecordsetEditing, sqlWritesMeetTheSameRefusals) {
    ScratchDatabase database;
    makePeople(*database);
    EXPECT_RUNTIME_ERROR(database->execute("INSERT INTO people (name) VALUES ('toolong')"), 3163,
                         tooSmall);
    EXPECT_RUNTIME_ERROR(database->execute("INSERT INTO people (code) VALUES ('')"), 3315,
                         "Field 'people.code' cannot be a zero-length string.");
    EXPECT_EQ(database->execute("INSERT INTO people (name, code) VALUES ('', 'x')"), 1);
    EXPECT_EQ(names(*database, "people"), std::vector<std::string>{""});
}

TEST(RecordsetEditing, numbersAreConvertedAndCheckedAsTheEngineDoes) {
    ScratchDatabase database;
    makePeople(*database);
    Recordset rows = database->openRecordset("people");
    rows.addNew();
    rows.field("age") = 2.5;
    EXPECT_EQ(rows.field("age").value(), Value(2)); // half to even
    rows.field("age") = " 7 ";
    EXPECT_EQ(rows.field("age").value(), Value(7));
    EXPECT_RUNTIME_ERROR(rows.field("age") = "seven", 3421,
                         "Data type conversion error in field 'people.age'.");
    EXPECT_RUNTIME_ERROR_NUMBER(rows.field("age") = "", 3421);
    EXPECT_RUNTIME_ERROR(rows.field("small") = 256, 3349, "Numeric field overflow.");
    EXPECT_RUNTIME_ERROR_NUMBER(rows.field("age") = 3e9, 3349);
    rows.field("member") = 1;
    EXPECT_EQ(rows.field("member").value(), Value(-1));
    rows.field("member") = "False";
    EXPECT_EQ(rows.field("member").value(), Value(0));
    rows.field("born") = "8/7/00";
    EXPECT_EQ(rows.field("born").value(), Value("2000-08-07 00:00:00"));
    rows.field("born") = 36745.5;
    EXPECT_EQ(rows.field("born").value(), Value("2000-08-07 12:00:00"));
    EXPECT_RUNTIME_ERROR_NUMBER(rows.field("born") = "someday", 3421);
    rows.field("name") = 12.5;
    EXPECT_EQ(rows.field("name").value(), Value("12.5"));
}

TEST(RecordsetEditing, deleteRemovesTheCurrentRecord) {
    ScratchDatabase database;
    makePeople(*database);
    for (const char* name : {"a", "b", "c"})
        database->execute(std::string("INSERT INTO people (name) VALUES ('") + name + "')");
    Recordset rows = database->openRecordset("people", RecordsetType::Dynaset);
    rows.moveNext();
    rows.deleteRecord();
    EXPECT_RUNTIME_ERROR(rows.field("name").value(), 3167, "Record is deleted.");
    rows.moveNext();
    EXPECT_EQ(rows.field("name").value(), Value("c"));
    EXPECT_EQ(rows.recordCount(), 2);
    EXPECT_EQ(names(*database, "people"), (std::vector<std::string>{"a", "c"}));
}

TEST(RecordsetEditing, updateWithoutAddNewOrEditIsRefused) {
    ScratchDatabase database;
    makePeople(*database);
    Recordset rows = database->openRecordset("people");
    EXPECT_RUNTIME_ERROR(rows.update(), 3020, "Update or CancelUpdate without AddNew or Edit.");
    EXPECT_RUNTIME_ERROR_NUMBER(rows.field("name") = "x", 3020);
    EXPECT_RUNTIME_ERROR(rows.edit(), 3021, "No current record.");
    rows.addNew();
    rows.field("name") = "x";
    rows.cancelUpdate();
    EXPECT_RUNTIME_ERROR_NUMBER(rows.update(), 3020);
    EXPECT_EQ(names(*database, "people"), std::vector<std::string>{});
}

TEST(RecordsetEditing, snapshotsAndQueriesOverSeveralTablesAreReadOnly) {
    ScratchDatabase database;
    makePeople(*database);
    database->execute("INSERT INTO people (name) VALUES ('a')");
    const char* readOnly = "Cannot update.  Database or object is read-only.";
    Recordset snapshot = database->openRecordset("people", RecordsetType::Snapshot);
    EXPECT_FALSE(snapshot.updatable());
    EXPECT_RUNTIME_ERROR(snapshot.addNew(), 3027, readOnly);
    EXPECT_RUNTIME_ERROR(snapshot.edit(), 3027, readOnly);
    EXPECT_RUNTIME_ERROR(snapshot.deleteRecord(), 3027, readOnly);
    Recordset joined = database->openRecordset("SELECT p.name, q.age FROM people AS p, people AS q",
                                               RecordsetType::Dynaset);
    EXPECT_FALSE(joined.updatable());
    EXPECT_RUNTIME_ERROR(joined.edit(), 3027, readOnly);
    Recordset option =
        database->openRecordset("people", RecordsetType::Dynaset, recordsetOption::readOnly);
    EXPECT_RUNTIME_ERROR(option.addNew(), 3027, readOnly);
}

TEST(RecordsetEditing, transactionsRollBackAndCommit) {
    ScratchDatabase database;
    makePeople(*database);
    database->beginTrans();
    database->execute("INSERT INTO people (name) VALUES ('gone')");
    database->rollback();
    database->beginTrans();
    Recordset rows = database->openRecordset("people");
    rows.addNew();
    rows.field("name") = "kept";
    rows.update();
    database->commitTrans();
    EXPECT_RUNTIME_ERROR(database->commitTrans(), 3034,
                         "You tried to commit or rollback a transaction without first beginning a "
                         "transaction.");
    database.reopen();
    EXPECT_EQ(names(*database, "people"), std::vector<std::string>{"kept"});
}

TEST(RecordsetEditing, textOutsideAsciiIsStoredAsUtf8AndReadBackAsItWas) {
    ScratchDatabase database;
    makePeople(*database);
    Recordset rows = database->openRecordset("people");
    rows.addNew();
    rows.field("name") = "\x80\xE9\x81\x9D"; // four characters of the program's set
    rows.update();
    Statement raw = database->connection()->prepare("SELECT name FROM people");
    ASSERT_TRUE(raw.step());
    EXPECT_EQ(raw.columnUtf8(0), "\xE2\x82\xAC\xC3\xA9\xC2\x81\xC2\x9D");
    EXPECT_EQ(names(*database, "people"), std::vector<std::string>{"\x80\xE9\x81\x9D"});
}

TEST(RecordsetEditing, otherCheckConstraintsOfATableAreStillTested) {
    ScratchDatabase database;
    database->connection()->exec("CREATE TABLE rated (score LONG CHECK (score BETWEEN 1 AND 5))");
    Recordset rows = database->openRecordset("rated");
    rows.addNew();
    rows.field("score") = 9;
    EXPECT_RUNTIME_ERROR_NUMBER(rows.update(), 3317);
    rows.field("score") = 3;
    rows.update();
    EXPECT_EQ(rows.recordCount(), 1);
}

TEST(RecordsetEditing, sqlIsStillRefusedAfterRecordsetWrites) {
    ScratchDatabase database;
    makePeople(*database);
    Recordset rows = database->openRecordset("people");
    rows.addNew();
    rows.field("name") = "Ann";
    rows.update();
    EXPECT_RUNTIME_ERROR_NUMBER(database->execute("UPDATE people SET name = 'far too long'"), 3163);
    rows.addNew();
    rows.field("name") = "Bob";
    rows.update();
    EXPECT_RUNTIME_ERROR_NUMBER(database->execute("UPDATE people SET code = ''"), 3315);
    EXPECT_EQ(names(*database, "people"), (std::vector<std::string>{"Ann", "Bob"}));
}

TEST(RecordsetEditing, otherToolsMeetTheFieldRulesToo) {
    ScratchDatabase database;
    makePeople(*database);
    std::string path = database.path();
    database->close();
    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(other, "INSERT INTO people (name) VALUES ('123456')", nullptr, nullptr,
                           nullptr),
              SQLITE_CONSTRAINT);
    EXPECT_EQ(sqlite3_exec(other, "INSERT INTO people (name) VALUES ('12345')", nullptr, nullptr,
                           nullptr),
              SQLITE_OK);
    sqlite3_close(other);
}

TEST(RecordsetEditing, everyByteOfTheProgramsTextIsStoredAndReadBack) {
    ScratchDatabase database;
    database->execute("CREATE TABLE notes (body MEMO, short TEXT(255))");
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += char(byte);
    Recordset rows = database->openRecordset("notes");
    rows.addNew();
    rows.field("body") = all + all;
    rows.field("short") = all.substr(1); // 255 characters fill the field exactly
    rows.update();
    database.reopen();
    Recordset again = database->openRecordset("notes");
    EXPECT_EQ(again.field("body").value(), Value(all + all));
    EXPECT_EQ(again.field("short").value(), Value(all.substr(1)));
}
