// An Access file is told by its content, whatever its name.
#include "expected_export.h"
#include "scratch_folder.h"
#include "workbench/access/access_file_header.h"
#include "workbench/fieldizer_database.h"

#include <filesystem>
#include <gtest/gtest.h>

using namespace fieldizer;
using namespace fieldizer::testing;

TEST(AccessFileHeader, accessFilesAreKnownByTheirHeaderNotTheirName) {
    ScratchFolder folder;
    std::filesystem::copy_file(accessTestFile("testV1997.mdb"), folder.file("jet.txt"));
    std::filesystem::copy_file(accessTestFile("testV2007.accdb"), folder.file("ace"));
    EXPECT_TRUE(access::isAccessDatabaseFile(folder.file("jet.txt")));
    EXPECT_TRUE(access::isAccessDatabaseFile(folder.file("ace")));

    db::createFieldizerDatabase(folder.file("own.mdb"));
    EXPECT_FALSE(access::isAccessDatabaseFile(folder.file("own.mdb")));
    EXPECT_FALSE(access::isAccessDatabaseFile(folder.write("short.mdb", "Standard Jet")));
    EXPECT_FALSE(access::isAccessDatabaseFile(folder.file("missing.mdb")));
    EXPECT_FALSE(access::isAccessDatabaseFile(folder.path().string()));
}
