// Find's matcher and its session: case, whole words, overlapping counts,
// the messages, and a word at the very end of the text.
#include "shell/find/find_session.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

constexpr FindOptions exactCase{false, false};
constexpr FindOptions anyCase{true, false};
constexpr FindOptions wholeWords{false, true};

TEST(FindMatcher, caseIsIgnoredOnlyWhenAsked) {
    EXPECT_EQ(FindMatcher("CaT", anyCase).findAll("cat CAT cAt dog").size(), 3u);
    EXPECT_EQ(FindMatcher("CaT", exactCase).findAll("cat CAT cAt CaT").size(), 1u);
    // Windows-1252 capitals fold too: \xC9 is E acute, \x8A S caron.
    EXPECT_EQ(FindMatcher("\xC9\x8A", anyCase).find("x\xE9\x9A", 0), 1u);
}

TEST(FindMatcher, wholeWordsNeedNonLettersAroundThem) {
    const FindMatcher matcher("cat", wholeWords);
    EXPECT_EQ(matcher.findAll("cat. cat cat1 cats concat _cat").size(), 4u);
    EXPECT_EQ(matcher.find("cats concat cat", 0), 12u); // the word ending the text passes
    EXPECT_EQ(matcher.find("cat", 0), 0u);
    EXPECT_EQ(matcher.find("concat", 0), std::string_view::npos);
}

TEST(FindMatcher, overlappingOccurrencesCountSeparately) {
    EXPECT_EQ(FindMatcher("aa", exactCase).findAll("aaaa").size(), 3u);
    EXPECT_EQ(FindMatcher("aa", exactCase).findAll("aaa"), (std::vector<std::size_t>{0, 1}));
    EXPECT_TRUE(FindMatcher("", exactCase).findAll("aaa").empty());
}

TEST(FindSession, findAgainWalksOnAndStartsOverAfterTheMiss) {
    FindSession session;
    const std::string text = "one two one";
    auto found = session.findAgain(text, "one", exactCase);
    ASSERT_TRUE(found && found->found);
    EXPECT_EQ(found->start, 0u);
    EXPECT_EQ(session.findAgain(text, "one", exactCase)->start, 8u);
    found = session.findAgain(text, "one", exactCase);
    ASSERT_TRUE(found);
    EXPECT_FALSE(found->found);
    EXPECT_EQ(found->message, "No more occurances of one found.");
    EXPECT_EQ(session.findAgain(text, "one", exactCase)->start, 0u);

    session.reset(); // a new search text
    EXPECT_EQ(session.findAgain(text, "three", exactCase)->message, "No occurance of three found.");
    EXPECT_FALSE(session.findAgain(text, "", exactCase));
    EXPECT_FALSE(session.findAgain("", "one", exactCase));
}

TEST(FindSession, findAllCountsWithTheMatcherAndReports) {
    FindSession session;
    auto all = session.findAll("aaaa", "aa", exactCase);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->message, "3 occurances of aa found.");
    EXPECT_EQ(all->occurrences.size(), session.findCount());
    EXPECT_EQ(session.findAll("a cat", "cat", wholeWords)->message, "1 occurance of cat found.");
    EXPECT_EQ(session.findAll("concat", "cat", wholeWords)->message,
              "No occurance of cat was found.");
    EXPECT_FALSE(session.findAll("text", "", exactCase));
}

} // namespace
} // namespace fieldizer
