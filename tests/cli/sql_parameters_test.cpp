// fieldizer-cli sql with a statement's PARAMETERS.

#include "cli_runner.h"

#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

class CliSqlParameters : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(cli.run({"create-database", "p.mdb"}).status, 0);
        ASSERT_EQ(sql({"create table days (day text(2), high text(3))"}).status, 0);
        for (const char* row : {"('1', '41')", "('2', '52')", "('3', '47')"})
            ASSERT_EQ(sql({std::string("insert into days values ") + row}).status, 0);
    }
    CliResult sql(std::vector<std::string> args) {
        args.insert(args.begin(), {"sql", "--db", "p.mdb"});
        return cli.run(args);
    }
    CliRunner cli;
};

const std::string selectByHigh =
    "PARAMETERS [Lowest high] Text, upto Text; SELECT day FROM days WHERE high >= [Lowest high] "
    "AND high <= upto ORDER BY day";

TEST_F(CliSqlParameters, EachParamGivesOneDeclaredValueInAnyCase) {
    auto result = sql({"--param", "lowest HIGH=47", selectByHigh, "--param", "upto=52"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "day\n2\n3\n");
    result =
        sql({"--param", "which=2", "PARAMETERS which Text; DELETE * FROM days WHERE day = which"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "1\n");
    EXPECT_EQ(sql({"select day from days order by day"}).out, "day\n1\n3\n");
}

TEST_F(CliSqlParameters, AMissingValueNamesTheOption) {
    auto result = sql({selectByHigh});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, "Too few parameters. Expected 2.\ngive a value for each of the "
                          "statement's PARAMETERS with --param NAME=VALUE\n");
    result = sql({"--param", "upto=52", selectByHigh});
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err.rfind("Too few parameters. Expected 1.\n", 0), 0u) << result.err;
}

TEST_F(CliSqlParameters, AParamTheStatementDoesNotDeclareIsAUsageError) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--param", "other=1", selectByHigh},
          std::vector<std::string>{"--param", "=1", selectByHigh},
          std::vector<std::string>{"--param", "upto", selectByHigh}}) {
        auto result = sql(args);
        EXPECT_EQ(result.status, 2) << args[1];
        EXPECT_EQ(result.out, "");
    }
}

} // namespace
} // namespace fieldizer::testing
