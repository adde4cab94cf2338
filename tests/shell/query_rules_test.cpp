// The query window's decisions without a window: the statement box's line
// ends, the row selected after a removal, and which names are listed.
#include "shell/queries/query_rules.h"

#include <gtest/gtest.h>

namespace fieldizer::queries {
namespace {

TEST(QueryStatementLines, boxLinesBecomeWindowsLinesAndBack) {
    const std::string stored = "SELECT a\r\nFROM t\r\nWHERE b = 1";
    EXPECT_EQ(statementForBox(stored), "SELECT a\nFROM t\nWHERE b = 1");
    EXPECT_EQ(statementFromBox(statementForBox(stored)), stored);
    // A lone CR or LF written elsewhere shows as a line end as well, so a
    // saved query's text is still recognised as unchanged.
    EXPECT_EQ(statementForBox("a\rb\nc"), "a\nb\nc");
    EXPECT_EQ(statementForBox("ends\r"), "ends\n");
}

TEST(QueryRemoval, theRowAfterwardsStaysInTheList) {
    EXPECT_EQ(rowAfterRemoval(0, 2), 0);
    EXPECT_EQ(rowAfterRemoval(2, 2), 1); // the last was removed: the new last
    EXPECT_EQ(rowAfterRemoval(5, 2), 1);
    EXPECT_EQ(rowAfterRemoval(0, 0), std::nullopt);
}

TEST(QueryList, hiddenNamesAndDefineModeListNothing) {
    const std::vector<std::string> saved = {"", "a~b", "~temp", "Zed"};
    EXPECT_EQ(listedQueryNames(saved, QueryMode::Select),
              (std::vector<std::string>{"", "a~b", "Zed"}));
    EXPECT_TRUE(listedQueryNames(saved, QueryMode::Define).empty());
}

} // namespace
} // namespace fieldizer::queries
