// Paths as the program's messages show them.
#include "text_engine/display_path.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

TEST(DisplayPath, utf8LettersBecomeTheirWindows1252Bytes) {
    EXPECT_EQ(displayPath("/data/d\xC3\xA9 x'y/fieldizer.mdb"), "/data/d\xE9 x'y/fieldizer.mdb");
    EXPECT_EQ(displayPath("/data/plain.mdb"), "/data/plain.mdb");
}

TEST(DisplayPath, aLetterWindows1252LacksIsAQuestionMark) {
    EXPECT_EQ(displayPath("/data/\xC5\x82\xE6\x97\xA5.mdb"), "/data/??.mdb");
}

TEST(DisplayPath, bytesThatAreNotUtf8StayAsTheyAre) {
    EXPECT_EQ(displayPath("/data/d\xE9/\xFF\xC3.mdb"), "/data/d\xE9/\xFF\xC3.mdb");
}

} // namespace
} // namespace fieldizer
