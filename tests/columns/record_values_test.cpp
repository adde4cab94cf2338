#include "columns/record_values.h"
#include "runtime_error_checks.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

using Values = std::vector<std::string_view>;

TEST(ValuesByDelimiter, EmptyValuesBetweenDelimitersTrailingDelimiterAddsNone) {
    EXPECT_EQ(valuesByDelimiter("a;;b", ";", 3), (Values{"a", "", "b"}));
    EXPECT_EQ(valuesByDelimiter("a;b;", ";", 3), (Values{"a", "b"}));
    EXPECT_EQ(valuesByDelimiter(";a", ";", 3), (Values{"", "a"}));
}

TEST(ValuesByDelimiter, LongerDelimitersAndSpacesStay) {
    EXPECT_EQ(valuesByDelimiter("x--y", "--", 3), (Values{"x", "y"}));
    EXPECT_EQ(valuesByDelimiter("x-y--z", "--", 3), (Values{"x-y", "z"}));
    EXPECT_EQ(valuesByDelimiter("a--b--", "--", 3), (Values{"a", "b", ""}))
        << "a longer delimiter at the end adds an empty value";
    EXPECT_EQ(valuesByDelimiter(" a | b ", "|", 3), (Values{" a ", " b "}));
}

TEST(ValuesByDelimiter, ValuesBeyondTheFieldsAreDroppedEmptyLineGivesNone) {
    EXPECT_EQ(valuesByDelimiter("1;2;3;4", ";", 2), (Values{"1", "2"}));
    EXPECT_TRUE(valuesByDelimiter("", ";", 3).empty());
    EXPECT_EQ(valuesByDelimiter("abc", ";", 3), (Values{"abc"}));
}

TEST(ValuesByDelimiter, RealFilesWithTwoCharacterAndTrailingDelimiters) {
    EXPECT_EQ(valuesByDelimiter("2||leigh||NA", "||", 3), (Values{"2", "leigh", "NA"}));
    // Every line of the NRC event file ends with "|": no empty last value.
    EXPECT_EQ(valuesByDelimiter("Power Reactor|46521|PILGRIM|", "|", 72),
              (Values{"Power Reactor", "46521", "PILGRIM"}));
}

ColumnSpec spec(long start, long chars) {
    return ColumnSpec{"h", start, chars, 0, 10};
}

TEST(ValuesByColumnSpecs, PairsFieldsWithSpecsWhileBothLast) {
    const ColumnSpecs specs{spec(1, 4), spec(6, 2), spec(30, 5)};
    EXPECT_EQ(valuesByColumnSpecs("John WA", specs, 3), (Values{"John", "WA", ""}));
    EXPECT_EQ(valuesByColumnSpecs("John WA", specs, 2), (Values{"John", "WA"}));
    EXPECT_EQ(valuesByColumnSpecs("John WA", specs, 5).size(), 3u)
        << "fields beyond the last spec stay unset";
    EXPECT_TRUE(valuesByColumnSpecs("", specs, 3).empty());
}

TEST(ValuesByColumnSpecs, UnusableSpecIsARuntimeError) {
    EXPECT_RUNTIME_ERROR_NUMBER(valuesByColumnSpecs("abc", {spec(0, 1)}, 1), errors::invalidCall);
    ColumnSpec missing = spec(1, 1);
    missing.numberOfCharacters.reset();
    EXPECT_RUNTIME_ERROR(valuesByColumnSpecs("abc", {missing}, 1), 94, "Invalid use of Null");
}

} // namespace
} // namespace fieldizer
