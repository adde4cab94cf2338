// A dynaset's keys in four bytes each while the rowids fit, in eight once
// one does not: the same rows, positions, edits and deletions either way.
#include "scratch_database.h"
#include "workbench/database_engine/key_list.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

constexpr std::int64_t pastThirtyTwoBits = 5'000'000'000;

TEST(KeyList, keepsItsKeysInOrderWhenOnePassesThirtyTwoBits) {
    KeyList keys;
    for (std::int64_t key : {7, -3, 2147483647})
        keys.push_back(key);
    keys.shrinkToFit();
    EXPECT_EQ(keys.bytesHeld(), 3 * sizeof(std::int32_t));
    EXPECT_EQ(keys.find(pastThirtyTwoBits), std::nullopt);

    keys.push_back(pastThirtyTwoBits);
    keys.push_back(-pastThirtyTwoBits);
    keys.erase(1);
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0], 7);
    EXPECT_EQ(keys[1], 2147483647);
    EXPECT_EQ(keys[2], pastThirtyTwoBits);
    EXPECT_EQ(keys[3], -pastThirtyTwoBits);
    EXPECT_EQ(keys.find(pastThirtyTwoBits), std::optional<std::size_t>(2));
    EXPECT_EQ(keys.find(-3), std::nullopt);
}

TEST(KeyList, aDynasetOnLargeRowidsMovesEditsAndDeletesItsRows) {
    ScratchDatabase database;
    database->execute("CREATE TABLE t (n LONG)");
    database->execute("INSERT INTO t (n) VALUES (1)");
    database->connection()->exec("INSERT INTO t (rowid, n) VALUES (5000000000, 2)");
    database->execute("INSERT INTO t (n) VALUES (3)"); // numbered after the large one
    Recordset rows = database->openRecordset("t", RecordsetType::Dynaset);
    EXPECT_EQ(rows.bytesHeld(), 3 * sizeof(std::int64_t));
    rows.setAbsolutePosition(1);
    EXPECT_EQ(rows.value(0), Value(2));
    rows.edit();
    rows.setValue(0, Value(20));
    rows.update();
    rows.deleteRecord();
    rows.moveNext();
    EXPECT_EQ(rows.value(0), Value(3));
    Recordset again = database->openRecordset("t", RecordsetType::Dynaset);
    again.moveLast();
    EXPECT_EQ(again.recordCount(), 2);
    EXPECT_EQ(again.value(0), Value(3));
}

TEST(KeyList, aDynasetOnSmallRowidsHoldsFourBytesARow) {
    ScratchDatabase database;
    database->execute("CREATE TABLE t (n LONG)");
    for (int i = 0; i < 100; ++i)
        database->execute("INSERT INTO t (n) VALUES (" + std::to_string(i) + ")");
    Recordset rows = database->openRecordset("t", RecordsetType::Dynaset);
    EXPECT_EQ(rows.bytesHeld(), 100 * sizeof(std::int32_t));
    rows.setAbsolutePosition(99);
    EXPECT_EQ(rows.value(0), Value(99));
}

} // namespace
