// The guides of the Fieldize Text tab: the text box's columns where the
// specified columns start in the text and in the laid-out lines.
#include "columns/fieldize.h"
#include "shell/fieldize_grid/fieldize_guides.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

ColumnSpec spec(long start, long characters, long spaces) {
    return ColumnSpec{"H", start, characters, spaces, characters};
}

const std::string letters = "ABCDEFGHIJKLM";

TEST(FieldizeGuides, inTheTextEachStartsOneLeftOfItsGridColumn) {
    const ColumnSpecs specs{spec(1, 5, 2), spec(10, 3, 0)};
    const std::vector<long> guides = sourceGuideColumns(specs);
    EXPECT_EQ(guides, (std::vector<long>{0, 9}));
    // The character right of each guide is the first of its column.
    EXPECT_EQ(letters[static_cast<std::size_t>(guides[1])], 'J');
}

TEST(FieldizeGuides, inTheLaidOutLinesTheyFollowTheColumnsAndTheirSpaces) {
    const ColumnSpecs specs{spec(1, 5, 2), spec(10, 3, 0)};
    for (int startLineAt : {0, 1, 4}) {
        std::string laidOut;
        layOutLine(specs, letters, startLineAt, laidOut);
        const std::vector<long> guides = laidOutGuideColumns(specs, startLineAt);
        ASSERT_EQ(guides.size(), 2U) << startLineAt;
        EXPECT_EQ(laidOut.at(static_cast<std::size_t>(guides[0])), 'A') << startLineAt;
        EXPECT_EQ(laidOut.at(static_cast<std::size_t>(guides[1])), 'J') << startLineAt;
    }
    EXPECT_EQ(laidOutGuideColumns(specs, 4), (std::vector<long>{3, 10}));
}

TEST(FieldizeGuides, anEmptyListHasNoGuides) {
    EXPECT_TRUE(sourceGuideColumns({}).empty());
    EXPECT_TRUE(laidOutGuideColumns({}, 5).empty());
}

TEST(FieldizeGuides, rowsThePassCannotUseYetHaveNone) {
    ColumnSpec noStart = spec(3, 2, 0);
    noStart.getDataFromColumn.reset();
    ColumnSpec noCharacters = spec(7, 2, 0);
    noCharacters.numberOfCharacters.reset();
    const ColumnSpecs specs{spec(2, 3, 1), noStart, spec(0, 2, 0), noCharacters, spec(9, 1, 0)};
    EXPECT_EQ(sourceGuideColumns(specs), (std::vector<long>{1, 8}));
    // Laid out, the usable columns close up as the pass lays them out.
    EXPECT_EQ(laidOutGuideColumns(specs, 1), (std::vector<long>{0, 4}));
}

TEST(FieldizeGuides, twoColumnsFromOnePlaceHaveOneGuide) {
    const ColumnSpecs specs{spec(4, 2, 0), spec(1, 3, 0), spec(4, 5, 0)};
    EXPECT_EQ(sourceGuideColumns(specs), (std::vector<long>{3, 0}));
    // Laid out they stand apart; an empty column shares its neighbour's.
    EXPECT_EQ(laidOutGuideColumns(specs, 1), (std::vector<long>{0, 2, 5}));
    EXPECT_EQ(laidOutGuideColumns({spec(1, 0, 0), spec(2, 3, 0)}, 1), (std::vector<long>{0}));
}

TEST(FieldizeGuides, columnsBeyondTheLineKeepTheirGuides) {
    // The text's lines may be shorter: the guide still shows where the
    // column would take its data from.
    const ColumnSpecs specs{spec(1, 3, 1), spec(200, 10, 0)};
    EXPECT_EQ(sourceGuideColumns(specs), (std::vector<long>{0, 199}));
    EXPECT_EQ(laidOutGuideColumns(specs, 1), (std::vector<long>{0, 4}));
    // Beyond any line a text box draws, none.
    const ColumnSpecs far{spec(1, 3, 0), spec(guideColumnLimit + 1, 1, 0)};
    EXPECT_EQ(sourceGuideColumns(far), (std::vector<long>{0}));
    EXPECT_EQ(laidOutGuideColumns({spec(1, guideColumnLimit, 0), spec(2, 1, 0)}, 1),
              (std::vector<long>{0}));
}

} // namespace
} // namespace fieldizer
