// The table browsers' decisions without a window: the position caption, the
// filter prompt of each twin, the cache of shown rows and which sources a
// deleted table takes with it.
#include "shell/table_browser/browser_messages.h"
#include "shell/table_browser/browser_source.h"
#include "shell/table_browser/row_cache.h"

#include <gtest/gtest.h>

namespace fieldizer {
namespace {

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> result;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        result.push_back(text.substr(start, end - start));
    result.push_back(text.substr(start));
    return result;
}

TEST(TableBrowserLogic, thePositionCaptionCountsFromOneAndHasNoRecordPastTheEnd) {
    EXPECT_EQ(positionCaption(2, 10), "Record: 3 of 10");
    EXPECT_EQ(positionCaption(9, 10), "Record: 10 of 10");
    EXPECT_EQ(positionCaption(0, 0), "No record on file.");
    EXPECT_EQ(positionCaption(-1, 5), "No record on file.");
    EXPECT_EQ(positionCaption(5, 5), "No record on file."); // the new record's line
}

TEST(TableBrowserLogic, theTwinsFilterPromptsDifferInTheSixthLineOnly) {
    const auto table = lines(filterPrompt(BrowserKind::Table));
    const auto query = lines(filterPrompt(BrowserKind::QueryResult));
    ASSERT_EQ(table.size(), query.size());
    std::vector<std::size_t> empty, differing;
    std::size_t sixthLine = 0, written = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        if (table[i].empty())
            empty.push_back(i);
        else if (++written == 6)
            sixthLine = i;
        if (table[i] != query[i])
            differing.push_back(i);
    }
    EXPECT_EQ(empty, (std::vector<std::size_t>{3, 6, 11}));
    EXPECT_EQ(differing, std::vector<std::size_t>{sixthLine});
    EXPECT_EQ(table.back(), "READ A BOOK ON FILTERING!  Laugh.");
}

TEST(TableBrowserLogic, aHeadingSortBracketsTheFieldAndDescendsOnRequest) {
    EXPECT_EQ(headingSort("Order Date", false), "[Order Date]");
    EXPECT_EQ(headingSort("id", true), "[id] desc");
}

TEST(TableBrowserLogic, theRowCacheDropsTheRowUsedLongestAgo) {
    RowCache cache(3);
    for (long position = 0; position < 3; ++position)
        cache.put(position, db::Row{db::Value(position)});
    ASSERT_NE(cache.find(0), nullptr); // 0 is now the most recent; 1 the oldest
    cache.put(7, db::Row{db::Value(7)});
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_EQ(cache.find(1), nullptr);
    ASSERT_NE(cache.find(0), nullptr);
    EXPECT_EQ((*cache.find(0))[0], db::Value(0));
    cache.put(0, db::Row{db::Value("again")}); // replacing keeps one entry
    EXPECT_EQ(cache.size(), 3u);
    EXPECT_EQ((*cache.find(0))[0], db::Value("again"));
    cache.erase(7);
    EXPECT_EQ(cache.find(7), nullptr);
    cache.clear();
    EXPECT_EQ(cache.size(), 0u);
}

TEST(TableBrowserLogic, aSourceShowsATableNamedAsAWholeWordInAnyCase) {
    EXPECT_TRUE(sourceShowsTable({"Readings", "", {}, ""}, "READINGS"));
    EXPECT_FALSE(sourceShowsTable({"Readings", "", {}, ""}, "Reading"));
    const BrowserSource query{"", "SELECT * FROM [old readings] INNER JOIN t2 ON x = y", {}, ""};
    EXPECT_TRUE(sourceShowsTable(query, "Old Readings"));
    EXPECT_TRUE(sourceShowsTable(query, "T2"));
    EXPECT_FALSE(sourceShowsTable(query, "t"));
    EXPECT_FALSE(sourceShowsTable(query, "readings2"));
    EXPECT_FALSE(sourceShowsTable(query, ""));
}

} // namespace
} // namespace fieldizer
