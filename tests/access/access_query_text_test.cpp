// Saved Access queries put back together from their catalogue rows: the
// text must be SQL the program runs, with the meaning the rows give.
#include "scratch_folder.h"
#include "workbench/access/access_query_text.h"
#include "workbench/fieldizer_database.h"
#include "workbench/workspace.h"

#include <gtest/gtest.h>

using namespace fieldizer;
using namespace fieldizer::testing;
using access::QueryPart;

namespace {

struct Orders {
    ScratchFolder folder;
    std::shared_ptr<db::Database> database;
    Orders() {
        db::createFieldizerDatabase(folder.file("q.db"));
        database = db::Workspace().openDatabase(folder.file("q.db"));
        database->execute("CREATE TABLE customer (id LONG, name TEXT(20))");
        database->execute("CREATE TABLE orders (id LONG, customer LONG, total DOUBLE)");
        database->execute("CREATE TABLE item (orderId LONG, what TEXT(20))");
        database->execute("INSERT INTO customer VALUES (1, 'Ruzo')");
        database->execute("INSERT INTO customer VALUES (2, 'Pantone')");
        database->execute("INSERT INTO orders VALUES (10, 1, 5)");
        database->execute("INSERT INTO item VALUES (10, 'pen')");
    }
    long count(const std::string& sql) {
        db::Recordset rows = database->openRecordset(sql);
        long n = 0;
        for (; !rows.eof(); rows.moveNext())
            ++n;
        return n;
    }
};

QueryPart part(int attribute, std::string name1 = {}, std::string name2 = {},
               std::string expression = {}, std::optional<int> flag = std::nullopt) {
    return {attribute, std::move(name1), std::move(name2), std::move(expression), flag};
}

} // namespace

TEST(AccessQueryText, joinsNestAndALeftJoinKeepsItsSide) {
    // customer LEFT JOIN orders, then item joined to orders: every customer
    // stays, with or without orders.
    std::vector<QueryPart> parts{
        part(1, {}, {}, {}, 1),
        part(5, "customer"),
        part(5, "orders"),
        part(5, "item", "i"),
        part(6, {}, {}, "customer.name"),
        part(6, "Thing", {}, "i.what"),
        part(7, "orders", "i", "orders.id = i.orderId", 2),
        part(7, "customer", "orders", "customer.id = orders.customer", 2),
        part(11, {}, {}, "customer.name"),
    };
    auto text = access::queryText(parts);
    ASSERT_TRUE(text);
    EXPECT_TRUE(text->returnsRecords);
    Orders orders;
    EXPECT_EQ(orders.count(text->sql), 2) << text->sql;
    db::Recordset rows = orders.database->openRecordset(text->sql);
    EXPECT_EQ(rows.field("Thing").value(), db::Value()) << "Pantone has no order";
    rows.moveNext();
    EXPECT_EQ(rows.field("Thing").value(), db::Value("pen"));
}

TEST(AccessQueryText, parametersCriteriaAndDistinctCarryOver) {
    std::vector<QueryPart> parts{
        part(1, {}, {}, {}, 1),
        part(3, {}, {}, {}, 2),
        part(2, "Least", {}, {}, 7),
        part(5, "orders"),
        part(6, {}, {}, "orders.customer"),
        part(8, {}, {}, "orders.total >= [Least]"),
    };
    auto text = access::queryText(parts);
    ASSERT_TRUE(text);
    Orders orders;
    db::QueryDef query = orders.database->createQueryDef("", text->sql);
    ASSERT_EQ(query.parameterCount(), 1) << text->sql;
    query.parameter(0).value = db::Value(3);
    EXPECT_FALSE(query.openRecordset().eof());
    query.parameter(0).value = db::Value(6);
    EXPECT_TRUE(query.openRecordset().eof());
}

TEST(AccessQueryText, actionQueriesChangeWhatTheirRowsSay) {
    Orders orders;
    auto update =
        access::queryText({part(1, {}, {}, {}, 4), part(5, "customer"),
                           part(6, {}, "name", "'Ruzo Ltd'"), part(8, {}, {}, "customer.id = 1")});
    ASSERT_TRUE(update);
    EXPECT_FALSE(update->returnsRecords);
    EXPECT_EQ(orders.database->execute(update->sql), 1) << update->sql;
    auto append = access::queryText({part(1, "item", {}, {}, 3), part(5, "customer"),
                                     part(6, {}, "orderId", "customer.id"),
                                     part(6, {}, "what", "customer.name")});
    ASSERT_TRUE(append);
    EXPECT_EQ(orders.database->execute(append->sql), 2) << append->sql;
    EXPECT_EQ(orders.count("SELECT * FROM item WHERE what = 'Ruzo Ltd'"), 1);
}

TEST(AccessQueryText, textKeptWholeAndUnknownKindsRefused) {
    auto definition = access::queryText({part(1, {}, {}, "CREATE TABLE t (a TEXT(5));", 7)});
    ASSERT_TRUE(definition);
    EXPECT_EQ(definition->sql, "CREATE TABLE t (a TEXT(5));");
    auto passThrough = access::queryText({part(1, "ODBC;DSN=x", {}, "SELECT 1", 8)});
    ASSERT_TRUE(passThrough);
    EXPECT_EQ(passThrough->connect, "ODBC;DSN=x");
    EXPECT_FALSE(access::queryText({part(1, {}, {}, {}, 42)}));
    EXPECT_FALSE(access::queryText({part(5, "orders")}));
}

TEST(AccessQueryText, aDeleteQueryDeletesFromTheTableOfItsFields) {
    Orders orders;
    auto remove =
        access::queryText({part(1, {}, {}, {}, 5), part(5, "orders"), part(6, {}, {}, "orders.id"),
                           part(6, {}, {}, "orders.total"), part(8, {}, {}, "orders.total > 1")});
    ASSERT_TRUE(remove);
    EXPECT_EQ(orders.database->execute(remove->sql), 1) << remove->sql;
    EXPECT_EQ(orders.count("SELECT * FROM orders"), 0);
}
