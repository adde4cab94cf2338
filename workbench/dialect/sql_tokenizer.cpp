#include "workbench/dialect/sql_tokenizer.h"

#include <array>

namespace fieldizer::db {
namespace {

bool isSpace(unsigned char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v';
}
bool isDigit(unsigned char c) {
    return c >= '0' && c <= '9';
}
bool isWordByte(unsigned char c) {
    // Bytes above 127 are letters of UTF-8 or single-byte text.
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || isDigit(c) || c == '_' || c >= 0x80;
}

class Lexer {
  public:
    Lexer(std::string_view sql, TokenizerOptions options) : sql_(sql), options_(options) {}

    std::vector<Token> run() {
        std::vector<Token> tokens;
        while (skipBlanks(tokens)) {
            tokens.push_back(next());
            if (tokens.back().kind == TokenKind::Unterminated)
                break;
        }
        tokens.push_back(Token{TokenKind::End, {}, sql_.size(), sql_.size(), 0});
        return tokens;
    }

  private:
    unsigned char at(std::size_t i) const { return i < sql_.size() ? sql_[i] : 0; }

    // Skips whitespace and comments; false at the end of the text or after
    // an unterminated comment (which it appends).
    bool skipBlanks(std::vector<Token>& tokens) {
        while (pos_ < sql_.size()) {
            if (isSpace(at(pos_))) {
                ++pos_;
            } else if (at(pos_) == '/' && at(pos_ + 1) == '*') {
                auto close = sql_.find("*/", pos_ + 2);
                if (close == std::string_view::npos) {
                    tokens.push_back(unterminated(pos_, '/'));
                    return false;
                }
                pos_ = close + 2;
            } else {
                return true;
            }
        }
        return false;
    }

    Token next() {
        unsigned char c = at(pos_);
        if (c == '"' || c == '\'')
            return quoted(static_cast<char>(c));
        if (c == '[')
            return bracketed();
        if (c == '#')
            return dateLiteral();
        if (isDigit(c) || (c == '.' && isDigit(at(pos_ + 1))))
            return number();
        if (isWordByte(c))
            return word();
        return symbol();
    }

    // A token from `begin` to the current position.
    Token make(TokenKind kind, std::size_t begin, std::string text, char opener = 0) {
        return Token{kind, std::move(text), begin, pos_, opener};
    }

    Token unterminated(std::size_t begin, char opener) {
        pos_ = sql_.size();
        return Token{TokenKind::Unterminated, std::string(sql_.substr(begin)), begin, pos_, opener};
    }

    Token quoted(char quote) {
        std::size_t begin = pos_;
        if (quote == '\'' && options_.doubledApostropheQuotes) {
            Token doubled;
            if (doubledApostrophes(doubled))
                return doubled;
        }
        std::string value;
        for (std::size_t i = begin + 1; i < sql_.size(); ++i) {
            if (sql_[i] != quote) {
                value.push_back(sql_[i]);
            } else if (at(i + 1) == static_cast<unsigned char>(quote)) {
                value.push_back(quote);
                ++i;
            } else {
                pos_ = i + 1;
                return make(TokenKind::Text, begin, std::move(value), quote);
            }
        }
        return unterminated(begin, quote);
    }

    // ''word'' as one text; see TokenizerOptions.
    bool doubledApostrophes(Token& token) {
        std::size_t begin = pos_;
        unsigned char first = at(begin + 2);
        if (at(begin + 1) != '\'' || first == 0 || first == '\'' || isSpace(first) ||
            first == ')' || first == ',' || first == ';')
            return false;
        auto close = sql_.find("''", begin + 2);
        if (close == std::string_view::npos || at(close + 2) == '\'')
            return false;
        std::string_view value = sql_.substr(begin + 2, close - begin - 2);
        if (value.find('\'') != std::string_view::npos)
            return false;
        pos_ = close + 2;
        token = make(TokenKind::Text, begin, std::string(value), '\'');
        return true;
    }

    Token bracketed() {
        std::size_t begin = pos_;
        std::string name;
        for (std::size_t i = begin + 1; i < sql_.size(); ++i) {
            if (sql_[i] != ']') {
                name.push_back(sql_[i]);
            } else if (at(i + 1) == ']') {
                name.push_back(']');
                ++i;
            } else {
                pos_ = i + 1;
                return make(TokenKind::BracketName, begin, std::move(name), '[');
            }
        }
        return unterminated(begin, '[');
    }

    Token dateLiteral() {
        std::size_t begin = pos_;
        auto close = sql_.find('#', begin + 1);
        if (close == std::string_view::npos)
            return unterminated(begin, '#');
        pos_ = close + 1;
        return make(TokenKind::Date, begin, std::string(sql_.substr(begin + 1, close - begin - 1)),
                    '#');
    }

    Token number() {
        std::size_t begin = pos_;
        std::size_t i = begin;
        while (isDigit(at(i)))
            ++i;
        if (at(i) == '.') {
            ++i;
            while (isDigit(at(i)))
                ++i;
        }
        if ((at(i) == 'e' || at(i) == 'E') &&
            (isDigit(at(i + 1)) ||
             ((at(i + 1) == '+' || at(i + 1) == '-') && isDigit(at(i + 2))))) {
            i += 2;
            while (isDigit(at(i)))
                ++i;
        }
        pos_ = i;
        return make(TokenKind::Number, begin, std::string(sql_.substr(begin, i - begin)));
    }

    Token word() {
        std::size_t begin = pos_;
        std::size_t i = begin;
        while (i < sql_.size() && isWordByte(at(i)))
            ++i;
        pos_ = i;
        return make(TokenKind::Name, begin, std::string(sql_.substr(begin, i - begin)));
    }

    Token symbol() {
        static constexpr std::array<std::string_view, 3> pairs{"<>", "<=", ">="};
        std::size_t begin = pos_;
        for (auto pair : pairs) {
            if (sql_.substr(begin, 2) == pair) {
                pos_ = begin + 2;
                return make(TokenKind::Symbol, begin, std::string(pair));
            }
        }
        pos_ = begin + 1;
        return make(TokenKind::Symbol, begin, std::string(1, sql_[begin]));
    }

    std::string_view sql_;
    TokenizerOptions options_;
    std::size_t pos_ = 0;
};

} // namespace

std::vector<Token> tokenizeAccessSql(std::string_view sql, TokenizerOptions options) {
    return Lexer(sql, options).run();
}

} // namespace fieldizer::db
