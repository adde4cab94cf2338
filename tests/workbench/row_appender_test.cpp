#include "scratch_database.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/row_appender.h"

#include <deque>
#include <functional>
#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

using Rows = std::vector<std::vector<std::string>>;

Rows rowsOf(Database& database, const std::string& table) {
    Rows rows;
    Recordset records = database.openRecordset("SELECT * FROM " + table, RecordsetType::Snapshot);
    for (; !records.eof(); records.moveNext()) {
        rows.emplace_back();
        for (int i = 0; i < records.fieldCount(); ++i)
            rows.back().push_back(records.value(i).isNull() ? "<null>" : records.value(i).toText());
    }
    return rows;
}

int thrownNumber(const std::function<void()>& work) {
    try {
        work();
    } catch (const fieldizer::RuntimeError& error) {
        return error.number();
    }
    return 0;
}

} // namespace

// Appending must store what AddNew/Update would: every row in order across
// many batches, rows that leave a field unassigned among them, text in the
// program's character set, numbers converted by their field.
TEST(RowAppender, StoresWhatAddNewAndUpdateWouldAcrossBatches) {
    ScratchDatabase database;
    database->execute("CREATE TABLE t (a TEXT(10), b TEXT(5), n LONG)");
    Rows expected;
    std::deque<std::string> numbers; // the appender reads texts until they are written
    {
        Recordset table = database->openRecordset("t", RecordsetType::Table);
        RowAppender appender(table);
        const std::vector<std::string> texts{"x", "caf\xE9", "0123456789"};
        for (int i = 0; i < 300; ++i) {
            const std::string& a = texts[std::size_t(i) % texts.size()];
            appender.setText(0, a);
            if (i % 7 != 3) // a different set of fields now and then
                appender.setText(1, "b");
            appender.setText(2, numbers.emplace_back(std::to_string(i)));
            appender.endRow();
            expected.push_back({a, i % 7 != 3 ? "b" : "<null>", std::to_string(i)});
        }
        appender.flush();
        EXPECT_EQ(appender.rowsWritten(), 300);
    }
    EXPECT_EQ(rowsOf(*database, "t"), expected);
}

TEST(RowAppender, ValuesAreCheckedOnAssignmentAndLeaveTheFieldUnset) {
    ScratchDatabase database;
    TableDef def = database->createTableDef("t");
    def.fields().append(def.createField("a", 10, 3)); // no zero-length texts
    def.fields().append(def.createField("n", 4));
    database->tableDefs().append(def);
    Recordset table = database->openRecordset("t", RecordsetType::Table);
    RowAppender appender(table);
    EXPECT_EQ(thrownNumber([&] { appender.setText(0, "abcd"); }), errors::fieldTooSmall);
    EXPECT_EQ(thrownNumber([&] { appender.setText(0, ""); }), errors::zeroLengthString);
    EXPECT_NE(thrownNumber([&] { appender.setText(1, "many"); }), 0);
    EXPECT_EQ(thrownNumber([&] { appender.setText(2, "x"); }), errors::itemNotFound);
    appender.endRow();
    appender.flush();
    EXPECT_EQ(rowsOf(*database, "t"), (Rows{{"<null>", "<null>"}}));
}

// A failure inside a batch keeps the rows before the failing one and drops
// those after it, as a run of single updates would have ended there.
TEST(RowAppender, AFailingRowKeepsTheRowsBeforeIt) {
    ScratchDatabase database;
    database->execute("CREATE TABLE u (k TEXT(5) UNIQUE)");
    Recordset table = database->openRecordset("u", RecordsetType::Table);
    RowAppender appender(table);
    const int failing = 10;
    std::deque<std::string> keys;
    const int number = thrownNumber([&] {
        for (int i = 0; i < 200; ++i) {
            appender.setText(0, keys.emplace_back(i == failing ? "1" : std::to_string(i)));
            appender.endRow();
        }
    });
    EXPECT_EQ(number, errors::duplicateKey);
    EXPECT_EQ(appender.rowsWritten(), failing);
    EXPECT_EQ(rowsOf(*database, "u").size(), std::size_t(failing));
    appender.flush();
    EXPECT_EQ(rowsOf(*database, "u").size(), std::size_t(failing)) << "the rest was dropped";
}

TEST(RowAppender, ARequiredFieldLeftUnsetIsRefusedAtTheEndOfTheRow) {
    ScratchDatabase database;
    database->execute("CREATE TABLE r (a TEXT(5) NOT NULL, b TEXT(5))");
    Recordset table = database->openRecordset("r", RecordsetType::Table);
    RowAppender appender(table);
    appender.setText(0, "ok");
    appender.endRow();
    appender.setText(1, "b");
    EXPECT_EQ(thrownNumber([&] { appender.endRow(); }), errors::requiredIsNull);
    appender.cancelRow();
    appender.flush();
    EXPECT_EQ(rowsOf(*database, "r"), (Rows{{"ok", "<null>"}}));
}

// A counter is the engine's to number, unless the rows come with their own
// numbers (copied from another database): then they are kept, and the next
// row AddNew makes is numbered after them.
TEST(RowAppender, CountersAreNumberedOrKeptAsAsked) {
    ScratchDatabase database;
    TableDef def = database->createTableDef("t");
    FieldDef id = def.createField("id", 4);
    id.autoIncrement = true;
    def.fields().append(id);
    def.fields().append(def.createField("a", 10, 5));
    database->tableDefs().append(def);
    Recordset table = database->openRecordset("t", RecordsetType::Table);
    {
        RowAppender numbered(table);
        EXPECT_EQ(thrownNumber([&] { numbered.setText(0, "7"); }), errors::fieldNotUpdatable);
        RowAppender kept(table, RowAppender::Counters::Kept);
        for (const char* number : {"7", "40"}) {
            kept.setText(0, number);
            kept.endRow();
        }
        kept.flush();
    }
    Recordset more = database->openRecordset("t", RecordsetType::Table);
    more.addNew();
    more.setValue(1, Value("next"));
    more.update();
    EXPECT_EQ(rowsOf(*database, "t"), (Rows{{"7", "<null>"}, {"40", "<null>"}, {"41", "next"}}));
}
