#pragma once
// A tokenizer of the Access SQL dialect over raw bytes. Total on any input:
// it never throws and never reads outside the text; an unterminated literal
// or bracketed name becomes an Unterminated token that runs to the end, so
// the translator can report it with the engine's error.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

enum class TokenKind {
    Name,         // a bare word: identifier or keyword, as written
    BracketName,  // [name]: `text` holds the name, "]]" read as "]"
    Text,         // "..." or '...': `text` holds the value, doubled quotes undone
    Number,       // 12, 3.5, .5, 1E-3, as written
    Date,         // #...#: `text` holds what stands between the signs
    Symbol,       // operators and punctuation; `text` holds it ("<>", "(", ...)
    Unterminated, // a literal, bracket or comment that never ends
    End,          // after the last token
};

struct Token {
    TokenKind kind = TokenKind::End;
    std::string text;
    std::size_t begin = 0; // byte offsets of the token in the source
    std::size_t end = 0;
    char opener = 0; // Text/Unterminated: the opening character ('"', '\'', '[', '#', '/')
};

struct TokenizerOptions {
    // Two apostrophes directly before a word, closed by two more ('' pant* ''
    // without the spaces), read as one quoted text. Filter prompts show text
    // criteria that way, so filters accept it; a lone '' stays an empty text.
    bool doubledApostropheQuotes = false;
};

// Splits `sql` into tokens, skipping whitespace and /* ... */ comments. The
// last token is always End. "--" is not a comment: "5--3" is arithmetic.
std::vector<Token> tokenizeAccessSql(std::string_view sql, TokenizerOptions options = {});

} // namespace fieldizer::db
