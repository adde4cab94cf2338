#include "scratch_database.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

void makeOrders(Database& database) {
    database.execute("CREATE TABLE orders (id LONG, customer TEXT(20), total DOUBLE)");
    database.execute("INSERT INTO orders VALUES (1, 'Pantone', 10)");
    database.execute("INSERT INTO orders VALUES (2, 'Ruzo', 250)");
    database.execute("INSERT INTO orders VALUES (3, 'pantry', 99.5)");
}

} // namespace

TEST(QueryDefs, savedQueriesPersistAndStayOutOfTableLists) {
    ScratchDatabase database;
    makeOrders(*database);
    database->createQueryDef("Big Orders", "SELECT * FROM orders WHERE total > 50");
    database.reopen();
    EXPECT_EQ(database->queryDefs().names(), std::vector<std::string>{"Big Orders"});
    QueryDef query = database->queryDefs().item("big orders");
    EXPECT_EQ(query.name(), "Big Orders");
    EXPECT_EQ(query.sql(), "SELECT * FROM orders WHERE total > 50");
    EXPECT_TRUE(query.returnsRecords());
    Recordset rows = query.openRecordset();
    rows.moveLast();
    EXPECT_EQ(rows.recordCount(), 2);
    for (const std::string& table : database->tableDefs().names())
        EXPECT_TRUE(table == "orders" || table.rfind("MSys", 0) == 0) << table;
    Recordset byName = database->openRecordset("Big Orders");
    EXPECT_EQ(byName.field("customer").value(), Value("Ruzo"));
}

TEST(QueryDefs, temporaryQueriesAreNeverSaved) {
    ScratchDatabase database;
    makeOrders(*database);
    QueryDef temporary = database->createQueryDef("", "SELECT customer FROM orders");
    EXPECT_TRUE(temporary.isTemporary());
    EXPECT_EQ(temporary.openRecordset().field(0).value(), Value("Pantone"));
    EXPECT_EQ(database->queryDefs().count(), 0);
}

TEST(QueryDefs, parametersAreNamedAndBoundFromTheirValues) {
    ScratchDatabase database;
    makeOrders(*database);
    QueryDef query = database->createQueryDef(
        "ByCustomer", "PARAMETERS [Who] Text, [Least] Double; "
                      "SELECT id FROM orders WHERE customer LIKE [Who] AND total >= [Least];");
    ASSERT_EQ(query.parameterCount(), 2);
    EXPECT_EQ(query.parameter(0).name, "Who");
    EXPECT_EQ(query.parameter(1).name, "Least");
    EXPECT_RUNTIME_ERROR(query.openRecordset(), 3061, "Too few parameters. Expected 2.");
    query.parameter("who").value = Value("PAN*");
    query.parameter(1).value = Value("50");
    Recordset rows = query.openRecordset(RecordsetType::Snapshot);
    EXPECT_EQ(rows.field("id").value(), Value(3));
    rows.moveNext();
    EXPECT_TRUE(rows.eof());
    EXPECT_RUNTIME_ERROR_NUMBER(query.parameter(2), 3265);
}

TEST(QueryDefs, actionQueriesRunAndReportRowsChanged) {
    ScratchDatabase database;
    makeOrders(*database);
    QueryDef query = database->createQueryDef(
        "Raise", "PARAMETERS [By] Double; UPDATE orders SET total = total + [By];");
    query.parameter(0).value = Value(1);
    EXPECT_EQ(query.execute(), 3);
    QueryDef into = database->createQueryDef("", "SELECT * INTO copy FROM orders WHERE id < 3");
    EXPECT_EQ(into.execute(), 2);
    TableDef copy = database->tableDefs().item("copy");
    EXPECT_EQ(copy.fields()["customer"].type, 10);
    EXPECT_EQ(copy.fields()["customer"].size, 20);
    EXPECT_RUNTIME_ERROR(into.execute(), 3010, "Table 'copy' already exists.");
}

TEST(QueryDefs, namesAreUniqueAmongQueriesAndTables) {
    ScratchDatabase database;
    makeOrders(*database);
    database->createQueryDef("q", "SELECT * FROM orders");
    EXPECT_RUNTIME_ERROR(database->createQueryDef("Q", "SELECT 1"), 3012,
                         "Object 'Q' already exists.");
    EXPECT_RUNTIME_ERROR_NUMBER(database->createQueryDef("ORDERS", "SELECT 1"), 3012);
    EXPECT_RUNTIME_ERROR_NUMBER(database->createQueryDef("a.b", "SELECT 1"), 3125);
    EXPECT_RUNTIME_ERROR_NUMBER(database->createQueryDef("bad", "SELEC * FROM orders"), 3129);
    EXPECT_FALSE(database->queryDefs().contains("bad"));
}

TEST(QueryDefs, changesAndRemovalAreStoredAtOnce) {
    ScratchDatabase database;
    makeOrders(*database);
    QueryDef query = database->createQueryDef("q", "");
    query.setSql("SELECT id FROM orders");
    query.setConnect("ODBC;DSN=elsewhere");
    query.setReturnsRecords(false);
    database.reopen();
    QueryDef stored = database->queryDefs().item("q");
    EXPECT_EQ(stored.sql(), "SELECT id FROM orders");
    EXPECT_EQ(stored.connect(), "ODBC;DSN=elsewhere");
    EXPECT_FALSE(stored.returnsRecords());
    EXPECT_RUNTIME_ERROR(stored.openRecordset(), 3170, "Couldn't find installable ISAM.");
    database->queryDefs().remove("Q");
    EXPECT_EQ(database->queryDefs().count(), 0);
    EXPECT_RUNTIME_ERROR_NUMBER(database->queryDefs().remove("q"), 3265);
    EXPECT_RUNTIME_ERROR_NUMBER(database->queryDefs().item("q"), 3265);
}

TEST(Execute, emptiesATableAndCountsTheRows) {
    ScratchDatabase database;
    makeOrders(*database);
    EXPECT_EQ(database->execute("delete * from orders where total < 100;"), 2);
    EXPECT_EQ(database->recordsAffected(), 2);
    EXPECT_EQ(database->execute("delete * from ORDERS"), 1);
    EXPECT_RUNTIME_ERROR(database->execute("SELECT * FROM orders"), 3065,
                         "Cannot execute a select query.");
    EXPECT_RUNTIME_ERROR_NUMBER(database->execute("DELETE FROM nowhere"), 3078);
    EXPECT_RUNTIME_ERROR_NUMBER(database->execute("UPDATE orders SET nothing = 1"), 3061);
}

// Tables made through the database layer compare text without regard to
// case, in = as in LIKE, and take table and field names in any case.
TEST(Execute, textAndNamesMatchWithoutRegardToLetterCase) {
    ScratchDatabase database;
    makeOrders(*database);
    Recordset equal = database->openRecordset("SELECT id FROM ORDERS WHERE customer = 'RUZO'");
    EXPECT_EQ(equal.field(0).value(), Value(2));
    Recordset like = database->openRecordset(
        "SELECT count(*) AS n FROM orders WHERE Customer LIKE 'PAN*'", RecordsetType::Snapshot);
    EXPECT_EQ(like.field("N").value(), Value(2));
    EXPECT_EQ(database->execute("UPDATE [ORDERS] SET [CUSTOMER] = 'x' WHERE customer = 'pantone'"),
              1);
}

TEST(Execute, aRefusedStatementChangesNothingAndLeavesTheFileSound) {
    ScratchDatabase database;
    database->execute("CREATE TABLE t (a TEXT(2))");
    database->execute("INSERT INTO t VALUES ('ok')");
    database->execute("CREATE TABLE u (a TEXT(3))");
    database->execute("INSERT INTO u VALUES ('abc')");
    database->execute("INSERT INTO u VALUES ('de')");
    EXPECT_RUNTIME_ERROR_NUMBER(database->execute("INSERT INTO t SELECT a FROM u"), 3163);
    EXPECT_RUNTIME_ERROR_NUMBER(database->execute("SELECT a INTO t FROM u"), 3010);
    database.reopen();
    Recordset rows = database->openRecordset("t");
    rows.moveLast();
    EXPECT_EQ(rows.recordCount(), 1);
    Statement check = database->connection()->prepare("PRAGMA integrity_check");
    ASSERT_TRUE(check.step());
    EXPECT_EQ(check.columnUtf8(0), "ok");
}
