#include "scratch_database.h"
#include "workbench/fieldizer_database.h"

#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace fieldizer;
using namespace fieldizer::db;
using namespace fieldizer::db::testing;

TEST(FieldizerDatabase, holdsTheColumnSpecificationTable) {
    ScratchFolder folder;
    createFieldizerDatabase(folder.file("fieldizer.mdb"));
    auto database = Workspace().openDatabase(folder.file("fieldizer.mdb"), ownConnectString);
    TableDef table = database->tableDefs().item("fieldize_settings");
    ASSERT_EQ(table.fields().count(), 5);
    EXPECT_EQ(table.fields()[0].name, "column_heading");
    EXPECT_EQ(table.fields()[0].type, fieldType::text);
    EXPECT_TRUE(table.fields()[0].allowZeroLength);
    for (int i = 1; i < 5; ++i)
        EXPECT_EQ(table.fields()[i].type, fieldType::longInteger) << table.fields()[i].name;
    EXPECT_EQ(table.fields()[4].name, "field_width");
}

TEST(FieldizerDatabase, settingsAreFoundByNameInAnyCase) {
    ScratchFolder folder;
    createFieldizerDatabase(folder.file("fieldizer.mdb"));
    auto database = Workspace().openDatabase(folder.file("fieldizer.mdb"));
    Recordset settings = database->openRecordset(settingsTable);
    settings.setIndex(settingsIndex);
    settings.addNew();
    settings.field("nameofsettings") = "fieldize_Monthly";
    settings.field("replaceWith") = "";
    settings.field("moveFromCol") = 12;
    settings.field("moveEndOfLine") = 1;
    settings.field("addText") = std::string(5000, 'x'); // any control text fits
    settings.update();
    settings.seek("=", {Value("FIELDIZE_monthly")});
    ASSERT_FALSE(settings.noMatch());
    EXPECT_EQ(settings.field("moveFromCol").value(), Value(12.0));
    EXPECT_EQ(settings.field("moveEndOfLine").value(), Value(1));
    EXPECT_EQ(settings.field("replaceWith").value(), Value(""));
}

TEST(FieldizerDatabase, specificationCopiesHaveTheWorkingFieldsInOtherCase) {
    TableDef copy = specificationCopyTableDef("fieldize_Monthly");
    TableDef working = specificationTableDef(specificationTable);
    ASSERT_EQ(copy.fields().count(), working.fields().count());
    for (int i = 0; i < copy.fields().count(); ++i) {
        EXPECT_TRUE(sameName(copy.fields()[i].name, working.fields()[i].name));
        EXPECT_NE(copy.fields()[i].name, working.fields()[i].name);
        EXPECT_EQ(copy.fields()[i].type, working.fields()[i].type);
        EXPECT_EQ(copy.fields()[i].allowZeroLength, working.fields()[i].allowZeroLength);
    }
}

TEST(FieldizerDatabase, anExistingFileIsNeverOverwritten) {
    ScratchFolder folder;
    std::string path = folder.write("fieldizer.mdb", "precious");
    EXPECT_RUNTIME_ERROR_NUMBER(createFieldizerDatabase(path), 3204);
    EXPECT_EQ(folder.read("fieldizer.mdb"), "precious");
}

// Runs `body` in a child process and returns its exit status (-1 when it
// died of a signal), so a test can give it limits of its own.
template <typename Body> int inChild(Body body) {
    pid_t child = fork();
    if (child == 0)
        _exit(body());
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(FieldizerDatabase, aFullDiskLeavesNoFileBehind) {
    ScratchFolder folder;
    const std::string path = folder.file("fieldizer.mdb");
    int status = inChild([&] {
        // A file-size limit stands in for a full disk: every write past it fails.
        signal(SIGXFSZ, SIG_IGN);
        rlimit limit{512, 512};
        setrlimit(RLIMIT_FSIZE, &limit);
        try {
            createFieldizerDatabase(path);
        } catch (const RuntimeError&) {
            return 0;
        }
        return 1;
    });
    EXPECT_EQ(status, 0) << "the creation must fail with a RuntimeError";
    EXPECT_TRUE(std::filesystem::is_empty(folder.file(""))) << "no empty or temporary file";
}

TEST(FieldizerDatabase, twoCreationsAtOnceLeaveOneSoundFile) {
    for (int round = 0; round < 5; ++round) {
        ScratchFolder folder;
        const std::string path = folder.file("r.mdb");
        auto create = [&] {
            try {
                createFieldizerDatabase(path);
                return 0;
            } catch (const RuntimeError& error) {
                return error.number() == 3204 ? 3 : 1;
            }
        };
        pid_t other = fork();
        if (other == 0)
            _exit(create());
        int mine = create();
        int status = 0;
        waitpid(other, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        std::multiset<int> outcomes{mine, WEXITSTATUS(status)};
        EXPECT_EQ(outcomes, (std::multiset<int>{0, 3})) << "one creates, the other hears 3204";
        EXPECT_NO_THROW(Workspace().openDatabase(path)->tableDefs().item(settingsTable));
    }
}

TEST(FieldizerDatabase, creationFailuresNameTheirCause) {
    ScratchFolder folder;
    EXPECT_RUNTIME_ERROR_NUMBER(createFieldizerDatabase(folder.file("nofolder/x.mdb")), 3044);
    EXPECT_FALSE(std::filesystem::exists(folder.file("nofolder")));
    if (geteuid() != 0) { // the superuser writes anywhere
        std::filesystem::create_directory(folder.file("locked"));
        std::filesystem::permissions(folder.file("locked"), std::filesystem::perms::owner_read |
                                                                std::filesystem::perms::owner_exec);
        EXPECT_RUNTIME_ERROR_NUMBER(createFieldizerDatabase(folder.file("locked/x.mdb")), 70);
    }
}

TEST(FieldizerDatabase, sqlitesOwnNamesAreNotValidTableNames) {
    ScratchFolder folder;
    createFieldizerDatabase(folder.file("fieldizer.mdb"));
    auto database = Workspace().openDatabase(folder.file("fieldizer.mdb"));
    for (const char* name : {"sqlite_master", "SQLITE_x"}) {
        TableDef table(name);
        table.fields().append(table.createField("a", fieldType::text, 10));
        EXPECT_RUNTIME_ERROR_NUMBER(database->tableDefs().append(table), 3125);
    }
}
