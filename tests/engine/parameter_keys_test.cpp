#include "engine/parameter_keys.h"

#include <gtest/gtest.h>
#include <set>

namespace fieldizer {
namespace {

TEST(ParameterKeys, FiftySevenUniqueKeysInStoredOrder) {
    auto keys = parameterKeys();
    ASSERT_EQ(keys.size(), 57u);
    EXPECT_EQ(keys.front().name, "startLineAfter");
    EXPECT_EQ(keys[21].name, "replaceText");
    EXPECT_EQ(keys.back().name, "databaseDelimiter");
    std::set<std::string_view> names;
    for (const auto& key : keys)
        names.insert(key.name);
    EXPECT_EQ(names.size(), 57u);
}

TEST(ParameterKeys, DefaultsAreThoseOfAFreshWindow) {
    auto values = defaultParameterValues();
    EXPECT_EQ(values.at("moveFromCol"), "1");
    EXPECT_EQ(values.at("startLineAfter"), "");
    EXPECT_EQ(values.at("formatCreate"), "New line");
    EXPECT_EQ(values.at("formatFirstSection"), "Yes");
    EXPECT_TRUE(flagValue(values, "moveAfterProcess"));
    EXPECT_FALSE(flagValue(values, "moveAfterProcessShow"));
}

TEST(ParameterKeys, NumberBoxesReadDigitsAndEmptyAsZero) {
    ParameterValues values{{"moveFromCol", ""}, {"moveToCol", "999"}, {"addAtCol", "12345"}};
    EXPECT_EQ(numberValue(values, "moveFromCol"), 0);
    EXPECT_EQ(numberValue(values, "moveToCol"), 999);
    EXPECT_EQ(numberValue(values, "addAtCol"), 123);
    EXPECT_EQ(numberValue(values, "moveSpaces"), 1) << "a missing key reads as its default";
    EXPECT_TRUE(isNumberBoxText(""));
    EXPECT_TRUE(isNumberBoxText("007"));
    EXPECT_FALSE(isNumberBoxText("1000"));
    EXPECT_FALSE(isNumberBoxText("-1"));
}

} // namespace
} // namespace fieldizer
