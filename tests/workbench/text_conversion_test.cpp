#include "text_engine/cp1252.h"

#include <gtest/gtest.h>

using namespace fieldizer;

TEST(TextConversion, everyByteSurvivesTheRoundTrip) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte)
        all += char(byte);
    EXPECT_EQ(utf8ToCp1252(cp1252ToUtf8(all)), all);
}

TEST(TextConversion, windowsCharactersBecomeTheirUnicodeCharacters) {
    EXPECT_EQ(cp1252ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(cp1252ToUtf8("\x93x\x94"), "\xE2\x80\x9Cx\xE2\x80\x9D");
    EXPECT_EQ(cp1252ToUtf8("\xE9"), "\xC3\xA9"); // e acute
    EXPECT_EQ(cp1252ToUtf8("plain"), "plain");
}

TEST(TextConversion, undefinedBytesMapToControlCharacters) {
    EXPECT_EQ(cp1252ToUtf8("\x81"), "\xC2\x81");
    EXPECT_EQ(cp1252ToUtf8("\x8D"), "\xC2\x8D");
    EXPECT_EQ(cp1252ToUtf8("\x8F"), "\xC2\x8F");
    EXPECT_EQ(cp1252ToUtf8("\x90"), "\xC2\x90");
    EXPECT_EQ(cp1252ToUtf8("\x9D"), "\xC2\x9D");
}

TEST(TextConversion, charactersOutsideTheCharacterSetBecomeQuestionMarks) {
    EXPECT_EQ(utf8ToCp1252("a\xE4\xB8\xADz"), "a?z"); // a CJK character
    EXPECT_EQ(utf8ToCp1252("\xF0\x9F\x98\x80"), "?"); // an emoji
    EXPECT_EQ(utf8ToCp1252("\xC2\x80"), "?");         // U+0080 is not in the set
}

TEST(TextConversion, bytesThatAreNotUtf8KeepTheirWindows1252Character) {
    EXPECT_EQ(utf8ToCp1252("a\xFFz"), "a\xFFz");
    EXPECT_EQ(utf8ToCp1252("a\xC3"), "a\xC3");               // cut short
    EXPECT_EQ(utf8ToCp1252("\xC0\xAF"), "\xC0\xAF");         // overlong
    EXPECT_EQ(utf8ToCp1252("\xED\xA0\x80"), "\xED\xA0\x80"); // a surrogate
    // Two names that differ only in such a byte stay two names.
    EXPECT_NE(utf8ToCp1252("T\xE9"), utf8ToCp1252("T\xE8"));
    EXPECT_EQ(cp1252ToUtf8(utf8ToCp1252("T\xE9")), "T\xC3\xA9");
}
