// Text compares without regard to case, and the filter prompt's examples work
// as recordset filters.

#include "scratch_folder.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

void makeOrders(Database& database) {
    database.execute("CREATE TABLE Orders (OrderID LONG, CustName TEXT(40), OrderDate DATETIME, "
                     "moneyEarned CURRENCY, cashFlow DOUBLE)");
    Recordset rows = database.openRecordset("orders");
    auto add = [&](int id, const char* name, const char* date, double money, double cash) {
        rows.addNew();
        rows.field("OrderID") = id;
        rows.field("CustName") = name;
        rows.field("OrderDate") = date;
        rows.field("moneyEarned") = money;
        rows.field("cashFlow") = cash;
        rows.update();
    };
    add(101, "RuzovovOvovedorive", "8/7/2000", 200000, 10);
    add(123, "Pantone", "1/16/1999", 150000, 50);
    add(150, "pantry", "12/1/2000", 500, 150);
    add(300, "Zeta", "5/5/1998", 250000, 20);
}

std::vector<long long> idsMatching(Database& database, const std::string& filter) {
    Recordset all = database.openRecordset("Orders", RecordsetType::Dynaset);
    all.setFilter(filter);
    all.setSort("[OrderID]");
    Recordset rows = all.openRecordset();
    std::vector<long long> ids;
    for (; !rows.eof(); rows.moveNext())
        ids.push_back(rows.field("orderid").value().integer());
    return ids;
}

} // namespace

TEST(CaseRules, sqlEqualityAndLikeIgnoreLetterCase) {
    ScratchDatabase database;
    makeOrders(*database);
    Recordset equal = database->openRecordset("SELECT OrderID FROM ORDERS WHERE custname = 'ZETA'");
    EXPECT_EQ(equal.field(0).value(), Value(300));
    Recordset like = database->openRecordset(
        "SELECT count(*) AS n FROM orders WHERE CustName LIKE 'PAN*'", RecordsetType::Snapshot);
    EXPECT_EQ(like.field("N").value(), Value(2));
    EXPECT_EQ(database->execute("UPDATE [ORDERS] SET [CUSTNAME] = 'x' WHERE custname = 'pantone'"),
              1);
}

TEST(FilterPrompt, everyExampleWorksAsAFilter) {
    ScratchDatabase database;
    makeOrders(*database);
    using Ids = std::vector<long long>;
    EXPECT_EQ(idsMatching(*database, "CustName = ''RuzovovOvovedorive'' and OrderDate >= #8/7/00# "
                                     "or moneyEarned < 100000.00"),
              (Ids{101, 150}));
    EXPECT_EQ(idsMatching(*database, "custname like ''pant*'' or OrDeRiD <> 123"),
              (Ids{101, 123, 150, 300}));
    EXPECT_EQ(
        idsMatching(*database, "orderDATE between #1/16/99# And #11/3/00# OR cashFlow >= 100"),
        (Ids{101, 123, 150}));
    EXPECT_EQ(idsMatching(*database, "custName not like ''Pan*'' or orderID between 101 and 201"),
              (Ids{101, 123, 150, 300}));
    EXPECT_EQ(idsMatching(*database, "CustName = \"zeta\""), (Ids{300}));
}

TEST(FilterPrompt, sortByAHeadingDescending) {
    ScratchDatabase database;
    makeOrders(*database);
    Recordset all = database->openRecordset("Orders", RecordsetType::Dynaset);
    all.setSort("[moneyEarned] desc");
    Recordset rows = all.openRecordset();
    EXPECT_EQ(rows.field("OrderID").value(), Value(300));
    rows.moveLast();
    EXPECT_EQ(rows.field("OrderID").value(), Value(150));
}
