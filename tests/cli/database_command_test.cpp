// fieldizer-cli create-database and sql, run as a user runs them.

#include "cli_runner.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fieldizer::testing {
namespace {

TEST(CliDatabase, createDatabaseWritesTheProgramsDatabaseOnce) {
    CliRunner cli;
    std::string path = cli.file("fieldizer.mdb");
    CliResult created = cli.run({"create-database", path});
    EXPECT_EQ(created.status, 0) << created.err;
    CliResult tables =
        cli.run({"sql", "--db", path, "SELECT count(*) AS n FROM fieldize_settings"});
    EXPECT_EQ(tables.out, "n\n0\n");
    std::string before = cli.read("fieldizer.mdb");
    CliResult again = cli.run({"create-database", path});
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("already exists"), std::string::npos);
    EXPECT_EQ(cli.read("fieldizer.mdb"), before);
}

TEST(CliDatabase, sqlPrintsRowsTabSeparatedAndCountsChanges) {
    CliRunner cli;
    std::string path = cli.file("fieldizer.mdb");
    cli.run({"create-database", path});
    CliResult insert = cli.run({"sql", "--db", path, "--connect", ";UID=Admin;PWD=ka-ve-to-ri-n",
                                "INSERT INTO fieldize_settings (column_heading, field_width) "
                                "VALUES (\"Caf\xC3\xA9 = good\", 5)"});
    EXPECT_EQ(insert.status, 0) << insert.err;
    EXPECT_EQ(insert.out, "1\n");
    CliResult select =
        cli.run({"sql", "--db", path, "SELECT column_heading, field_width FROM fieldize_settings"});
    EXPECT_EQ(select.out, "column_heading\tfield_width\nCaf\xC3\xA9 = good\t5\n");
    CliResult remove =
        cli.run({"sql", "--db", path,
                 "delete * from fieldize_settings where isnull(get_data_from_column);"});
    EXPECT_EQ(remove.out, "1\n");
}

TEST(CliDatabase, errorsExitWithStatusOneAndTheReportText) {
    CliRunner cli;
    std::string path = cli.file("fieldizer.mdb");
    cli.run({"create-database", path});
    CliResult missing = cli.run({"sql", "--db", path, "SELECT * FROM nowhere"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "The Microsoft Jet database engine cannot find the input table or "
                           "query 'nowhere'.  Make sure it exists and that its name is spelled "
                           "correctly.\n");
    std::string junk = cli.write("junk.mdb", "not a database");
    CliResult format = cli.run({"sql", "--db", junk, "SELECT 1"});
    EXPECT_EQ(format.status, 1);
    EXPECT_EQ(format.err,
              "The database you selected has a format that is unrecognizable to Fieldizer.\n");
    CliResult tooLong = cli.run({"sql", "--db", path,
                                 "INSERT INTO fieldize_settings (column_heading) VALUES ('" +
                                     std::string(256, 'x') + "')"});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_NE(tooLong.err.find("Field is too small for the amount of data."), std::string::npos);
    CliResult mismatch = cli.run({"sql", "--db", path, "SELECT 'A' + 1"});
    EXPECT_EQ(mismatch.status, 1);
    EXPECT_EQ(mismatch.err, "Type mismatch\n") << "the function's own error, not error 3000";
}

TEST(CliDatabase, badArgumentsAreUsageErrors) {
    CliRunner cli;
    EXPECT_EQ(cli.run({"sql", "SELECT 1"}).status, 2);
    EXPECT_EQ(cli.run({"sql", "--db"}).status, 2);
    EXPECT_EQ(cli.run({"sql", "--db", "x.mdb", "SELECT 1", "extra"}).status, 2);
    EXPECT_EQ(cli.run({"create-database"}).status, 2);
    CliResult absent = cli.run({"sql", "--db", cli.file("absent.mdb"), "SELECT 1"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_FALSE(std::filesystem::exists(cli.file("absent.mdb")));
}

TEST(CliDatabase, namesInErrorsReachTheTerminalAsUtf8) {
    CliRunner cli;
    std::string path = cli.file("fieldizer.mdb");
    cli.run({"create-database", path});
    CliResult missing = cli.run({"sql", "--db", path, "SELECT * FROM [Caf\xC3\xA9]"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("'Caf\xC3\xA9'"), std::string::npos) << missing.err;
}

} // namespace
} // namespace fieldizer::testing
