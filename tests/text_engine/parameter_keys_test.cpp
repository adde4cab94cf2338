#include "text_engine/parameter_keys.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

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
