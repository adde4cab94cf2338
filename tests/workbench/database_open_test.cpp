#include "scratch_database.h"

#include <gtest/gtest.h>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

namespace {

std::string validDatabaseBytes(const ScratchFolder& folder) {
    auto database = Workspace().createDatabase(folder.file("source.mdb"));
    database->execute("CREATE TABLE t (a TEXT(200))");
    database->beginTrans();
    for (int i = 0; i < 200; ++i)
        database->execute("INSERT INTO t VALUES ('" + std::string(150, 'r') + "')");
    database->commitTrans();
    database->close();
    return folder.read("source.mdb");
}

} // namespace

TEST(OpenDatabase, aMissingFileIsNotFoundAndNotCreated) {
    ScratchFolder folder;
    std::string path = folder.file("missing.mdb");
    EXPECT_RUNTIME_ERROR(Workspace().openDatabase(path), 3024,
                         "Could not find file '" + path + "'.");
    EXPECT_FALSE(std::filesystem::exists(path));
}

TEST(OpenDatabase, aFolderIsNotAValidPath) {
    ScratchFolder folder;
    EXPECT_RUNTIME_ERROR_NUMBER(Workspace().openDatabase(folder.file("")), 3044);
}

TEST(OpenDatabase, filesThatAreNotDatabasesAreUnrecognized) {
    ScratchFolder folder;
    std::string random;
    for (int i = 0; i < 4096; ++i)
        random += char((i * 7919 + 13) % 256);
    for (const auto& [name, bytes] : std::vector<std::pair<std::string, std::string>>{
             {"random.mdb", random},
             {"empty.mdb", ""},
             {"text.mdb", "hello\r\n"},
             {"access.mdb",
              std::string("\x00\x01\x00\x00Standard Jet DB\x00", 20) + std::string(2028, '\0')},
         }) {
        std::string path = folder.write(name, bytes);
        EXPECT_RUNTIME_ERROR(Workspace().openDatabase(path), 3343,
                             "Unrecognized database format '" + path + "'.");
        EXPECT_EQ(folder.read(name), bytes) << name << " must stay untouched";
    }
}

TEST(OpenDatabase, aTruncatedDatabaseIsUnrecognized) {
    ScratchFolder folder;
    std::string bytes = validDatabaseBytes(folder);
    ASSERT_GT(bytes.size(), 8192u);
    for (std::size_t size : {std::size_t(50), std::size_t(100), std::size_t(4096),
                             bytes.size() - 4096, bytes.size() - 1}) {
        std::string path = folder.write("cut.mdb", bytes.substr(0, size));
        EXPECT_RUNTIME_ERROR_NUMBER(Workspace().openDatabase(path), 3343);
    }
}

TEST(OpenDatabase, aSoundDatabaseOpensWithAnyConnectString) {
    ScratchFolder folder;
    std::string path = folder.write("copy.mdb", validDatabaseBytes(folder));
    auto database = Workspace().openDatabase(path, ";UID=Admin;PWD=ka-ve-to-ri-n");
    EXPECT_EQ(database->name(), path);
    EXPECT_EQ(database->connect(), ";UID=Admin;PWD=ka-ve-to-ri-n");
    EXPECT_TRUE(database->tableDefs().contains("T"));
    auto other = Workspace().openDatabase(path, ";UID=;PWD=");
    EXPECT_TRUE(other->isOpen());
}

TEST(OpenDatabase, connectStringsGiveUserAndPassword) {
    ConnectString parts = parseConnectString(";UID=Admin;PWD=ka-ve-to-ri-n");
    EXPECT_EQ(parts.user, "Admin");
    EXPECT_EQ(parts.password, "ka-ve-to-ri-n");
    parts = parseConnectString(";uid=;pwd=a=b;junk");
    EXPECT_EQ(parts.user, "");
    EXPECT_EQ(parts.password, "a=b");
}

TEST(OpenDatabase, closedDatabasesAndTheirRecordsetsRefuseWork) {
    ScratchDatabase database;
    database->execute("CREATE TABLE t (a LONG)");
    database->execute("INSERT INTO t VALUES (1)");
    Recordset rows = database->openRecordset("t");
    database->close();
    EXPECT_FALSE(database->isOpen());
    EXPECT_RUNTIME_ERROR(database->name(), 3420, "Object invalid or no longer set.");
    EXPECT_RUNTIME_ERROR_NUMBER(rows.moveNext(), 3420);
    EXPECT_RUNTIME_ERROR_NUMBER(database->execute("DELETE FROM t"), 3420);
}

TEST(CreateDatabase, refusesAnExistingFile) {
    ScratchFolder folder;
    std::string path = folder.write("exists.mdb", "keep me");
    EXPECT_RUNTIME_ERROR(Workspace().createDatabase(path), 3204, "Database already exists.");
    EXPECT_EQ(folder.read("exists.mdb"), "keep me");
}

TEST(CreateDatabase, anEmptyNewDatabaseOpensAgain) {
    ScratchFolder folder;
    Workspace().createDatabase(folder.file("new.mdb"))->close();
    auto database = Workspace().openDatabase(folder.file("new.mdb"));
    EXPECT_EQ(database->tableDefs().count(), 0);
}

TEST(CurrentDatabase, replacingClosesThePreviousDatabase) {
    ScratchDatabase first;
    ScratchDatabase second;
    CurrentDatabase current;
    EXPECT_FALSE(current.isOpen());
    EXPECT_RUNTIME_ERROR_NUMBER(current.get(), 3420);
    auto one = Workspace().openDatabase(first.path());
    current.replace(one);
    EXPECT_EQ(&current.get(), one.get());
    current.replace(Workspace().openDatabase(second.path()));
    EXPECT_FALSE(one->isOpen());
    EXPECT_EQ(current.get().name(), second.path());
}
