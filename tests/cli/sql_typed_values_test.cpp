// fieldizer-cli sql writes and compares values by their fields' and
// parameters' types: text that converts is converted, text that does not is
// refused naming the field, and a name the statement neither declares nor
// finds as a field takes a --param like a declared one.

#include "cli_runner.h"

#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

class CliSqlTypedValues : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli.run({"create-database", "t.mdb"}).status, 0);
        ASSERT_EQ(
            sql({"CREATE TABLE Orders (OrderID LONG, Amount CURRENCY, OrderDate DATETIME)"}).status,
            0);
        for (const char* row : {"(1, 10, #12/31/1999#)", "(2, 250, #1/1/2000#)"})
            ASSERT_EQ(sql({std::string("INSERT INTO Orders VALUES ") + row}).status, 0);
    }
    CliResult sql(std::vector<std::string> args) {
        args.insert(args.begin(), {"sql", "--db", "t.mdb"});
        return cli.run(args);
    }
    std::string orders() { return sql({"SELECT * FROM Orders ORDER BY OrderID"}).out; }

    CliRunner cli;
};

TEST_F(CliSqlTypedValues, aValueItsFieldCannotHoldIsRefusedAndChangesNothing) {
    const std::string before = orders();
    auto result = sql({"UPDATE Orders SET OrderID = 'abc'"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.rfind("Data type conversion error in field 'Orders.OrderID'.", 0), 0u)
        << result.err;
    result = sql({"UPDATE Orders SET Amount = 'lots' WHERE OrderID = 2"});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.rfind("Data type conversion error in field 'Orders.Amount'.", 0), 0u)
        << result.err;
    EXPECT_EQ(orders(), before);
}

TEST_F(CliSqlTypedValues, aDateGivenAsTextIsStoredAsADate) {
    auto result = sql({"INSERT INTO Orders (OrderID, OrderDate) VALUES ('3', '3/4/1998')"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(sql({"SELECT OrderID, OrderDate FROM Orders WHERE OrderDate < #1/1/1999#"}).out,
              "OrderID\tOrderDate\n3\t3/4/1998\n");
}

TEST_F(CliSqlTypedValues, aDateTimeParameterComparesAsADate) {
    auto result = sql({"--param", "Since=1/1/2000",
                       "PARAMETERS [Since] DateTime; SELECT OrderID FROM Orders "
                       "WHERE OrderDate >= [Since]"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "OrderID\n2\n");
}

TEST_F(CliSqlTypedValues, anUndeclaredNameTakesAParam) {
    auto result =
        sql({"--param", "MinAmount=100", "SELECT OrderID FROM Orders WHERE Amount > [MinAmount]"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "OrderID\n2\n");
}

} // namespace
} // namespace fieldizer::testing
