#include "operation_test_support.h"
#include "text_engine/padding.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

TEST(Padding, RoutinesPutSpacesOnTheirSide) {
    EXPECT_EQ(spacesLeft(2, "ab"), "  ab");
    EXPECT_EQ(spacesRight(2, "ab"), "ab  ");
    EXPECT_EQ(spacesBothSides(1, "ab"), " ab ");
    EXPECT_EQ(spacesBothSides(3, ""), "      ");
}

TEST(Padding, ZeroAddsNothing) {
    EXPECT_EQ(spacesLeft(0, "ab"), "ab");
    EXPECT_EQ(spacesRight(0, "ab"), "ab");
    EXPECT_EQ(spacesBothSides(0, "ab"), "ab");
}

TEST(Padding, NegativeCountIsAnInvalidArgument) {
    testing::expectInvalidArgument([] { spacesLeft(-1, "ab"); });
    testing::expectInvalidArgument([] {
        std::string out;
        appendSpaces(out, -2);
    });
}

TEST(Padding, PlaceValueChoosesTheRoutine) {
    EXPECT_EQ(spacesByPlace("Left side", 1, "x"), " x");
    EXPECT_EQ(spacesByPlace("Right side", 1, "x"), "x ");
    EXPECT_EQ(spacesByPlace("Both sides", 1, "x"), " x ");
}

TEST(Padding, OtherPlaceValuesAddNoSpaces) {
    EXPECT_EQ(spacesByPlace("both sides", 2, "x"), "x") << "compared exactly";
    EXPECT_EQ(spacesByPlace("", 2, "x"), "x");
    EXPECT_EQ(spacePlace("Middle"), SpacePlace::None);
}

TEST(Padding, SpacesOnlyWithTheExactAddSpacesOption) {
    EXPECT_EQ(spacePlace("Add spaces", "Left side"), SpacePlace::Left);
    EXPECT_EQ(spacePlace("Omit spaces", "Left side"), SpacePlace::None);
    EXPECT_EQ(spacePlace("add spaces", "Left side"), SpacePlace::None);
}

TEST(Padding, PaddedLengthMatchesWhatIsAppended) {
    std::string out = "#";
    appendPadded(out, SpacePlace::BothSides, 2, "ab");
    EXPECT_EQ(out, "#  ab  ");
    EXPECT_EQ(paddedLength(SpacePlace::BothSides, 2, 2), 6u);
    EXPECT_EQ(paddedLength(SpacePlace::Right, 2, 0), 2u);
    EXPECT_EQ(paddedLength(SpacePlace::None, 5, 1), 1u);
}

} // namespace
} // namespace fieldizer
