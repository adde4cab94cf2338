// fieldizer-cli create-database and sql, run as a user runs them.

#include "scratch_folder.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace fieldizer::db::testing;

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::string shellQuoted(const std::string& text) {
    std::string quoted = "'";
    for (char c : text)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

CliRun runCli(const ScratchFolder& folder, const std::vector<std::string>& args) {
    std::string command = shellQuoted(FIELDIZER_CLI);
    for (const std::string& arg : args)
        command += " " + shellQuoted(arg);
    command += " 2>" + shellQuoted(folder.file("stderr.txt"));
    CliRun run{-1, {}, {}};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = folder.read("stderr.txt");
    return run;
}

} // namespace

TEST(CliDatabase, createDatabaseWritesTheProgramsDatabaseOnce) {
    ScratchFolder folder;
    std::string path = folder.file("fieldizer.mdb");
    CliRun created = runCli(folder, {"create-database", path});
    EXPECT_EQ(created.status, 0) << created.err;
    CliRun tables =
        runCli(folder, {"sql", "--db", path, "SELECT count(*) AS n FROM fieldize_settings"});
    EXPECT_EQ(tables.out, "n\n0\n");
    std::string before = folder.read("fieldizer.mdb");
    CliRun again = runCli(folder, {"create-database", path});
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find("already exists"), std::string::npos);
    EXPECT_EQ(folder.read("fieldizer.mdb"), before);
}

TEST(CliDatabase, sqlPrintsRowsTabSeparatedAndCountsChanges) {
    ScratchFolder folder;
    std::string path = folder.file("fieldizer.mdb");
    runCli(folder, {"create-database", path});
    CliRun insert =
        runCli(folder, {"sql", "--db", path, "--connect", ";UID=Admin;PWD=ka-ve-to-ri-n",
                        "INSERT INTO fieldize_settings (column_heading, field_width) "
                        "VALUES (\"Caf\xC3\xA9 = good\", 5)"});
    EXPECT_EQ(insert.status, 0) << insert.err;
    EXPECT_EQ(insert.out, "1\n");
    CliRun select = runCli(
        folder, {"sql", "--db", path, "SELECT column_heading, field_width FROM fieldize_settings"});
    EXPECT_EQ(select.out, "column_heading\tfield_width\nCaf\xC3\xA9 = good\t5\n");
    CliRun remove =
        runCli(folder, {"sql", "--db", path,
                        "delete * from fieldize_settings where isnull(get_data_from_column);"});
    EXPECT_EQ(remove.out, "1\n");
}

TEST(CliDatabase, errorsExitWithStatusOneAndTheReportText) {
    ScratchFolder folder;
    std::string path = folder.file("fieldizer.mdb");
    runCli(folder, {"create-database", path});
    CliRun missing = runCli(folder, {"sql", "--db", path, "SELECT * FROM nowhere"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err, "The Microsoft Jet database engine cannot find the input table or "
                           "query 'nowhere'.  Make sure it exists and that its name is spelled "
                           "correctly.\n");
    std::string junk = folder.write("junk.mdb", "not a database");
    CliRun format = runCli(folder, {"sql", "--db", junk, "SELECT 1"});
    EXPECT_EQ(format.status, 1);
    EXPECT_EQ(format.err,
              "The database you selected has a format that is unrecognizable to Fieldizer.\n");
    CliRun tooLong = runCli(folder, {"sql", "--db", path,
                                     "INSERT INTO fieldize_settings (column_heading) VALUES ('" +
                                         std::string(256, 'x') + "')"});
    EXPECT_EQ(tooLong.status, 1);
    EXPECT_NE(tooLong.err.find("Field is too small for the amount of data."), std::string::npos);
}

TEST(CliDatabase, badArgumentsAreUsageErrors) {
    ScratchFolder folder;
    EXPECT_EQ(runCli(folder, {"sql", "SELECT 1"}).status, 2);
    EXPECT_EQ(runCli(folder, {"sql", "--db"}).status, 2);
    EXPECT_EQ(runCli(folder, {"sql", "--db", "x.mdb", "SELECT 1", "extra"}).status, 2);
    EXPECT_EQ(runCli(folder, {"create-database"}).status, 2);
    CliRun absent = runCli(folder, {"sql", "--db", folder.file("absent.mdb"), "SELECT 1"});
    EXPECT_EQ(absent.status, 1);
    EXPECT_FALSE(std::filesystem::exists(folder.file("absent.mdb")));
}

TEST(CliDatabase, namesInErrorsReachTheTerminalAsUtf8) {
    ScratchFolder folder;
    std::string path = folder.file("fieldizer.mdb");
    runCli(folder, {"create-database", path});
    CliRun missing = runCli(folder, {"sql", "--db", path, "SELECT * FROM [Caf\xC3\xA9]"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("'Caf\xC3\xA9'"), std::string::npos) << missing.err;
}
