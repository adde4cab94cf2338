#include "workbench/dialect/sql_tokenizer.h"

#include <gtest/gtest.h>

namespace fieldizer::db {
namespace {

std::string describe(const std::vector<Token>& tokens) {
    std::string text;
    for (const auto& token : tokens) {
        static const char* kinds[] = {"name", "bracket", "text",         "number",
                                      "date", "symbol",  "unterminated", "end"};
        text += std::string(kinds[int(token.kind)]) + ":" + token.text + " ";
    }
    return text;
}

TEST(Tokenizer, splitsEveryKindOfToken) {
    EXPECT_EQ(describe(tokenizeAccessSql("SELECT [a ]] b], \"x\"\"y\", 'it''s', 1.5E-3, .5, "
                                         "#8/7/00# FROM t WHERE a<>b AND c<=d")),
              "name:SELECT bracket:a ] b symbol:, text:x\"y symbol:, text:it's symbol:, "
              "number:1.5E-3 symbol:, number:.5 symbol:, date:8/7/00 name:FROM name:t "
              "name:WHERE name:a symbol:<> name:b name:AND name:c symbol:<= name:d end: ");
}

TEST(Tokenizer, offsetsPointIntoTheSource) {
    auto tokens = tokenizeAccessSql("  ab /* note */ [c]");
    ASSERT_EQ(tokens.size(), 3u);
    EXPECT_EQ(tokens[0].begin, 2u);
    EXPECT_EQ(tokens[0].end, 4u);
    EXPECT_EQ(tokens[1].begin, 16u);
    EXPECT_EQ(tokens[1].end, 19u);
    EXPECT_EQ(tokens[2].kind, TokenKind::End);
}

TEST(Tokenizer, unterminatedPiecesRunToTheEnd) {
    for (const char* sql : {"a = 'abc", "a = \"abc", "[abc", "#8/7", "a /* b"}) {
        auto tokens = tokenizeAccessSql(sql);
        ASSERT_GE(tokens.size(), 2u) << sql;
        const Token& last = tokens[tokens.size() - 2];
        EXPECT_EQ(last.kind, TokenKind::Unterminated) << sql;
        EXPECT_EQ(last.end, std::string_view(sql).size()) << sql;
    }
}

TEST(Tokenizer, doubledApostrophesOnlyWhereAskedFor) {
    TokenizerOptions filter;
    filter.doubledApostropheQuotes = true;
    EXPECT_EQ(describe(tokenizeAccessSql("a = ''pant*''", filter)),
              "name:a symbol:= text:pant* end: ");
    EXPECT_EQ(describe(tokenizeAccessSql("a = '' or b = ''''", filter)),
              "name:a symbol:= text: name:or name:b symbol:= text:' end: ");
    EXPECT_EQ(describe(tokenizeAccessSql("a = ''pant*''")),
              "name:a symbol:= text: name:pant symbol:* text: end: ");
}

TEST(Tokenizer, anyByteIsATokenOrPartOfOne) {
    std::string bytes;
    for (int c = 0; c < 256; ++c)
        bytes.push_back(static_cast<char>(c));
    auto tokens = tokenizeAccessSql(bytes);
    EXPECT_EQ(tokens.back().kind, TokenKind::End);
    EXPECT_EQ(describe(tokenizeAccessSql("")), "end: ");
    EXPECT_EQ(describe(tokenizeAccessSql(std::string("a\0b", 3))),
              "name:a symbol:" + std::string(1, '\0') + " name:b end: ");
}

} // namespace
} // namespace fieldizer::db
