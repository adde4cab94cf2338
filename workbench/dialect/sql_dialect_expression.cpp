#include "workbench/dialect/sql_dialect_errors.h"
#include "workbench/dialect/sql_dialect_parser.h"

#include <algorithm>
#include <array>

namespace fieldizer::db {
namespace {

constexpr std::array<std::string_view, 6> comparisonSymbols{"=", "<>", "<", "<=", ">", ">="};

// Words that end an expression where a clause or list goes on.
constexpr std::array<std::string_view, 17> clauseWords{
    "from",  "where", "group", "having", "order", "union", "as",  "into",  "on",
    "inner", "left",  "right", "join",   "asc",   "desc",  "set", "values"};

// Whether `token` (followed by `next`) is a clause word after an expression;
// Left( and Right( are calls of functions.
bool endsExpression(const Token& token, const Token& next) {
    if (token.kind != TokenKind::Name)
        return false;
    bool call = next.kind == TokenKind::Symbol && next.text == "(" &&
                (sameAccessWord(token.text, "left") || sameAccessWord(token.text, "right"));
    return !call && std::any_of(clauseWords.begin(), clauseWords.end(),
                                [&](auto w) { return sameAccessWord(token.text, w); });
}

std::string parenthesise(const std::string& left, std::string_view op, const std::string& right) {
    return "(" + left + " " + std::string(op) + " " + right + ")";
}

std::string asInteger(const std::string& value) {
    // The engine rounds both operands of \ and Mod to whole numbers first.
    return "CAST(round(" + value + ") AS INTEGER)";
}

} // namespace

std::string DialectParser::topExpression() {
    std::size_t outer = expressionStart_;
    expressionStart_ = pos_;
    std::string result = orExpression();
    const Token& next = peek();
    bool ends = next.kind == TokenKind::End || isSymbol(";") || isSymbol(",") ||
                (isSymbol(")") && openParentheses_ > 0) || endsExpression(next, peek(1));
    if (!ends)
        failAtToken(next);
    expressionStart_ = outer;
    return result;
}

std::string DialectParser::currentExpressionText() const {
    std::size_t begin = tokens_[std::min(expressionStart_, tokens_.size() - 1)].begin;
    std::size_t end = begin;
    int depth = 0;
    for (std::size_t i = expressionStart_; i < tokens_.size(); ++i) {
        const Token& token = tokens_[i];
        if (token.kind == TokenKind::End)
            break;
        if (token.kind == TokenKind::Symbol) {
            if (token.text == "(")
                ++depth;
            if (token.text == ")" && --depth < 0)
                break;
            if (depth == 0 && (token.text == ";" || token.text == ","))
                break;
        }
        if (depth == 0 && i > expressionStart_ && i + 1 < tokens_.size() &&
            endsExpression(token, tokens_[i + 1]))
            break;
        end = token.end;
    }
    return std::string(source_.substr(begin, end - begin));
}

void DialectParser::expressionError(std::string_view problem) const {
    throw dialect_errors::inExpression(problem, currentExpressionText());
}

void DialectParser::failAtToken(const Token& token) const {
    if (token.kind == TokenKind::Unterminated) {
        if (token.opener == '[')
            throw dialect_errors::invalidBracketing(token.text);
        if (token.opener == '#')
            expressionError("Syntax error in date");
        if (token.opener == '"' || token.opener == '\'')
            expressionError("Syntax error in string");
    }
    if (token.kind == TokenKind::Symbol && token.text == ")")
        expressionError("Extra )");
    if (token.kind == TokenKind::Symbol && token.text == ",")
        expressionError("Syntax error (comma)");
    expressionError("Syntax error (missing operator)");
}

std::string DialectParser::orExpression() {
    std::string left = andExpression();
    while (acceptWord("or"))
        left = parenthesise(left, "OR", andExpression());
    return left;
}

std::string DialectParser::andExpression() {
    std::string left = notExpression();
    while (acceptWord("and"))
        left = parenthesise(left, "AND", notExpression());
    return left;
}

std::string DialectParser::notExpression() {
    if (!isWord("not"))
        return comparison();
    Nesting nesting(*this);
    take();
    return "(NOT " + notExpression() + ")";
}

std::string DialectParser::comparison() {
    std::string left = concatenation();
    for (;;) {
        const Token& next = peek();
        bool compares = next.kind == TokenKind::Symbol &&
                        std::find(comparisonSymbols.begin(), comparisonSymbols.end(), next.text) !=
                            comparisonSymbols.end();
        if (compares) {
            std::string op = take().text;
            // Text compares without regard to letter case, as in the engine.
            left = "(" + left + " " + op + " " + concatenation() + " COLLATE NOCASE)";
        } else if (isWord("like") || isWord("between") || isWord("in") || isWord("is") ||
                   (isWord("not") &&
                    (isWord("like", 1) || isWord("between", 1) || isWord("in", 1)))) {
            left = comparisonTail(std::move(left));
        } else {
            return left;
        }
    }
}

std::string DialectParser::comparisonTail(std::string left) {
    if (acceptWord("is")) {
        bool negated = acceptWord("not");
        if (!acceptWord("null"))
            failAtToken(peek());
        return "(" + left + (negated ? " IS NOT NULL)" : " IS NULL)");
    }
    std::string negation = acceptWord("not") ? "NOT " : "";
    if (acceptWord("like"))
        return "(" + negation + "access_like(" + left + ", " + concatenation() + "))";
    if (acceptWord("between")) {
        std::string low = concatenation();
        if (!acceptWord("and"))
            failAtToken(peek());
        std::string high = concatenation();
        return "(" + left + " COLLATE NOCASE " + negation + "BETWEEN " + low + " AND " + high + ")";
    }
    take(); // IN
    if (!isSymbol("("))
        failAtToken(peek());
    return "(" + left + " COLLATE NOCASE " + negation + "IN " + valueList() + ")";
}

std::string DialectParser::valueList() {
    Nesting nesting(*this);
    take(); // (
    std::string list;
    if (isWord("select")) {
        ++openParentheses_;
        list = select(nullptr);
        --openParentheses_;
    } else {
        list = orExpression();
        while (acceptSymbol(","))
            list += ", " + orExpression();
    }
    if (!acceptSymbol(")"))
        expressionError(peek().kind == TokenKind::End ? "Missing ), ], or Item"
                                                      : "Syntax error (missing operator)");
    return "(" + list + ")";
}

std::string DialectParser::concatenation() {
    std::string left = additive();
    while (acceptSymbol("&"))
        left = "access_concat(" + left + ", " + additive() + ")";
    return left;
}

std::string DialectParser::additive() {
    std::string left = modulo();
    while (isSymbol("+") || isSymbol("-")) {
        std::string op = take().text;
        left = parenthesise(left, op, modulo());
    }
    return left;
}

std::string DialectParser::modulo() {
    std::string left = integerDivision();
    while (acceptWord("mod"))
        left = parenthesise(asInteger(left), "%", asInteger(integerDivision()));
    return left;
}

std::string DialectParser::integerDivision() {
    std::string left = multiplicative();
    while (acceptSymbol("\\"))
        left = parenthesise(asInteger(left), "/", asInteger(multiplicative()));
    return left;
}

std::string DialectParser::multiplicative() {
    std::string left = unary();
    for (;;) {
        if (acceptSymbol("*"))
            left = parenthesise(left, "*", unary());
        else if (acceptSymbol("/")) // always a division of real numbers, as in the engine
            left = parenthesise("CAST(" + left + " AS REAL)", "/", unary());
        else
            return left;
    }
}

std::string DialectParser::unary() {
    if (isSymbol("-") || isSymbol("+")) {
        Nesting nesting(*this);
        bool minus = take().text == "-";
        std::string operand = unary();
        // Parenthesised, so that no "--" (an SQLite comment) is ever written.
        return minus ? "(-" + operand + ")" : operand;
    }
    return power();
}

std::string DialectParser::power() {
    std::string left = primary();
    while (acceptSymbol("^"))
        left = "power(" + left + ", " + exponent() + ")";
    return left;
}

// What follows ^: a signed operand, so that 2 ^ 3 ^ 2 is (2 ^ 3) ^ 2.
std::string DialectParser::exponent() {
    if (isSymbol("-") || isSymbol("+")) {
        Nesting nesting(*this);
        bool minus = take().text == "-";
        std::string operand = exponent();
        return minus ? "(-" + operand + ")" : operand;
    }
    return primary();
}

} // namespace fieldizer::db
