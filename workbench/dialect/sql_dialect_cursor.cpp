#include "workbench/dialect/sql_dialect_errors.h"
#include "workbench/dialect/sql_dialect_parser.h"

#include <algorithm>
#include <array>

namespace fieldizer::db {
namespace {

// Deep enough for any query a person writes, shallow enough for the stack.
constexpr int maximumDepth = 200;

bool sameWord(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
               return lower(x) == lower(y);
           });
}

constexpr std::array<std::string_view, 52> reservedWords{
    "select",  "from",       "where",    "group",       "by",      "having",  "order",
    "union",   "all",        "as",       "into",        "in",      "on",      "join",
    "inner",   "left",       "right",    "outer",       "and",     "or",      "not",
    "xor",     "eqv",        "imp",      "like",        "between", "is",      "null",
    "asc",     "desc",       "distinct", "distinctrow", "top",     "percent", "insert",
    "update",  "delete",     "set",      "values",      "create",  "table",   "drop",
    "alter",   "parameters", "mod",      "exists",      "true",    "false",   "constraint",
    "primary", "references", "unique"};

} // namespace

DialectParser::DialectParser(std::string_view source, std::vector<Token> tokens)
    : source_(source), tokens_(std::move(tokens)) {}

const Token& DialectParser::peek(std::size_t ahead) const {
    // The last token is End; reading past it keeps returning End.
    return tokens_[std::min(pos_ + ahead, tokens_.size() - 1)];
}

const Token& DialectParser::take() {
    const Token& token = peek();
    if (pos_ < tokens_.size() - 1)
        ++pos_;
    return token;
}

bool DialectParser::isWord(std::string_view word, std::size_t ahead) const {
    const Token& token = peek(ahead);
    return token.kind == TokenKind::Name && sameWord(token.text, word);
}

bool DialectParser::isSymbol(std::string_view symbol, std::size_t ahead) const {
    const Token& token = peek(ahead);
    return token.kind == TokenKind::Symbol && token.text == symbol;
}

bool DialectParser::acceptWord(std::string_view word) {
    if (!isWord(word))
        return false;
    take();
    return true;
}

bool DialectParser::acceptSymbol(std::string_view symbol) {
    if (!isSymbol(symbol))
        return false;
    take();
    return true;
}

void DialectParser::expectWord(std::string_view word, int errorNumber) {
    if (!acceptWord(word))
        throw dialect_errors::syntax(errorNumber);
}

void DialectParser::expectSymbol(std::string_view symbol, int errorNumber) {
    if (!acceptSymbol(symbol))
        throw dialect_errors::syntax(errorNumber);
}

bool DialectParser::isReserved(const Token& token) const {
    if (token.kind != TokenKind::Name)
        return false;
    return std::any_of(reservedWords.begin(), reservedWords.end(),
                       [&](std::string_view word) { return sameWord(token.text, word); });
}

bool DialectParser::isNameToken(const Token& token) const {
    return (token.kind == TokenKind::BracketName && !token.text.empty()) ||
           (token.kind == TokenKind::Name && !isReserved(token));
}

std::string DialectParser::takeName(int errorNumber) {
    const Token& token = peek();
    if (token.kind == TokenKind::Unterminated && token.opener == '[')
        throw dialect_errors::invalidBracketing(token.text);
    if (!isNameToken(token))
        throw dialect_errors::syntax(errorNumber);
    return take().text;
}

std::string DialectParser::takeQualifiedName(int errorNumber, std::string* qualifier) {
    std::string name = takeName(errorNumber);
    if (isSymbol(".") || isSymbol("!")) {
        take();
        if (qualifier)
            *qualifier = name;
        name = takeName(errorNumber);
    }
    return name;
}

void DialectParser::finish() {
    acceptSymbol(";");
    if (peek().kind == TokenKind::Unterminated && peek().opener == '[')
        throw dialect_errors::invalidBracketing(peek().text);
    if (peek().kind != TokenKind::End)
        throw dialect_errors::syntax(errors::charactersAfterEnd);
}

void DialectParser::enter() {
    if (++depth_ > maximumDepth) {
        --depth_;
        throw dialect_errors::syntax(errors::tooComplex);
    }
}

bool sameAccessWord(std::string_view a, std::string_view b) {
    return sameWord(a, b);
}

} // namespace fieldizer::db
