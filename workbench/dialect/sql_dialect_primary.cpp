#include "workbench/dialect/sql_dialect_errors.h"
#include "workbench/dialect/sql_dialect_parser.h"

#include <algorithm>

namespace fieldizer::db {
namespace {

std::string lowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z')
            c = char(c - 'A' + 'a');
    }
    return text;
}

bool isAggregate(const std::string& lower) {
    static constexpr std::string_view names[] = {"count", "sum",   "avg",    "min", "max", "first",
                                                 "last",  "stdev", "stdevp", "var", "varp"};
    return std::find(std::begin(names), std::end(names), lower) != std::end(names);
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items)
        text += (text.empty() ? "" : ", ") + item;
    return text;
}

} // namespace

std::string sqlTextLiteral(std::string_view value) {
    if (value.find('\0') != std::string_view::npos) {
        // SQLite would end the statement at a NUL byte: spell the text in hex.
        static constexpr char digits[] = "0123456789ABCDEF";
        std::string hex = "CAST(X'";
        for (unsigned char c : value) {
            hex.push_back(digits[c >> 4]);
            hex.push_back(digits[c & 15]);
        }
        return hex + "' AS TEXT)";
    }
    std::string quoted = "'";
    for (char c : value) {
        quoted.push_back(c);
        if (c == '\'')
            quoted.push_back('\'');
    }
    return quoted + "'";
}

std::string DialectParser::primary() {
    Nesting nesting(*this);
    const Token& token = peek();
    switch (token.kind) {
    case TokenKind::Number:
        return take().text;
    case TokenKind::Text:
    case TokenKind::Date:
        return literal(take());
    case TokenKind::BracketName:
        return nameReference();
    case TokenKind::Name:
        if (isSymbol("(", 1) &&
            (!isReserved(token) || isWord("left") || isWord("right") || isWord("asc")))
            return functionCall(take().text);
        if (isWord("true") || isWord("yes") || isWord("on"))
            return take(), "(-1)";
        if (isWord("false") || isWord("no") || isWord("off"))
            return take(), "0";
        if (isWord("null"))
            return take(), "NULL";
        if (isWord("exists") && isSymbol("(", 1) && isWord("select", 2)) {
            take();
            return "(EXISTS " + parenthesised() + ")";
        }
        if (isReserved(token))
            failAtToken(token);
        return nameReference();
    case TokenKind::Symbol:
        if (token.text == "(")
            return parenthesised();
        failAtToken(token);
    default:
        failAtToken(token);
    }
}

std::string DialectParser::literal(const Token& token) {
    if (token.kind == TokenKind::Text)
        return sqlTextLiteral(token.text);
    auto stored = accessDateToStorage(token.text);
    if (!stored)
        expressionError("Syntax error in date");
    return sqlTextLiteral(*stored);
}

std::string DialectParser::parenthesised() {
    take(); // (
    std::string inner;
    if (isWord("select")) {
        std::size_t outer = expressionStart_;
        ++openParentheses_;
        inner = select(nullptr);
        --openParentheses_;
        expressionStart_ = outer;
    } else {
        inner = orExpression();
    }
    if (acceptSymbol(")"))
        return "(" + inner + ")";
    if (peek().kind == TokenKind::End)
        expressionError("Missing ), ], or Item");
    failAtToken(peek());
}

std::string DialectParser::nameReference() {
    const Token& first = take();
    if (first.text.empty())
        failAtToken(first);
    bool qualified = (isSymbol(".") || isSymbol("!")) &&
                     (peek(1).kind == TokenKind::Name || peek(1).kind == TokenKind::BracketName ||
                      (peek(1).kind == TokenKind::Symbol && peek(1).text == "*"));
    if (qualified) {
        take();
        if (acceptSymbol("*"))
            return quoteIdentifier(first.text) + ".*";
        const Token& second = take();
        if (second.text.empty())
            failAtToken(second);
        noteField(first.text + "." + second.text);
        return quoteIdentifier(first.text) + "." + quoteIdentifier(second.text);
    }
    for (std::size_t i = 0; i < parameters_.size(); ++i) {
        if (sameAccessWord(parameters_[i].name, first.text))
            return ":p" + std::to_string(i + 1);
    }
    noteField(first.text);
    return quoteIdentifier(first.text);
}

void DialectParser::noteField(const std::string& name) {
    if (scan_.active && scan_.aggregateDepth == 0 && scan_.bareField.empty())
        scan_.bareField = name;
}

std::vector<std::string> DialectParser::arguments() {
    take(); // (
    std::vector<std::string> items;
    if (acceptSymbol(")"))
        return items;
    if (isSymbol("*") && isSymbol(")", 1)) {
        take();
        take();
        return {"*"};
    }
    do {
        items.push_back(orExpression());
    } while (acceptSymbol(","));
    if (!acceptSymbol(")")) {
        if (peek().kind == TokenKind::End)
            expressionError("Missing ), ], or Item");
        failAtToken(peek());
    }
    return items;
}

std::string DialectParser::functionCall(std::string name) {
    std::string lower = lowerAscii(name);
    bool aggregate = isAggregate(lower);
    scan_.aggregateDepth += aggregate;
    std::vector<std::string> args = arguments();
    scan_.aggregateDepth -= aggregate;
    scan_.sawAggregate = scan_.sawAggregate || aggregate;
    return translatedCall(lower, name, args);
}

std::string DialectParser::translatedCall(const std::string& lower, const std::string& name,
                                          const std::vector<std::string>& args) {
    auto needs = [&](std::size_t low, std::size_t high) {
        if (args.size() < low || args.size() > high)
            expressionError("Wrong number of arguments used with function");
    };
    if (lower != "count" && !args.empty() && args.front() == "*")
        failAtToken(peek());
    if (!isAccessFunction(lower))
        throw dialect_errors::undefinedFunction(name);
    if (lower == "isnull") {
        needs(1, 1);
        return "(-(" + args[0] + " IS NULL))";
    }
    if (lower == "iif") {
        needs(3, 3);
        return "(CASE WHEN " + args[0] + " THEN " + args[1] + " ELSE " + args[2] + " END)";
    }
    if (lower == "switch") { // Switch(test, value, ...): the first true test's value
        if (args.empty() || args.size() % 2 != 0)
            expressionError("Wrong number of arguments used with function");
        std::string cases;
        for (std::size_t i = 0; i < args.size(); i += 2)
            cases += " WHEN " + args[i] + " THEN " + args[i + 1];
        return "(CASE" + cases + " END)";
    }
    if (lower == "choose") { // Choose(index, value1, value2 ...), index rounded
        needs(2, 30);
        std::string cases;
        for (std::size_t i = 1; i < args.size(); ++i)
            cases += " WHEN " + std::to_string(i) + " THEN " + args[i];
        return "(CASE CAST(round(" + args[0] + ") AS INTEGER)" + cases + " END)";
    }
    if (lower == "nz") {
        needs(1, 2);
        return "coalesce(" + args[0] + ", " + (args.size() == 2 ? args[1] : "''") + ")";
    }
    return quoteIdentifier(name) + "(" + joined(args) + ")";
}

} // namespace fieldizer::db
