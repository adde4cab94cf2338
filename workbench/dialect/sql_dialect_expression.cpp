#include "workbench/dialect/sql_dialect_errors.h"
#include "workbench/dialect/sql_dialect_parser.h"

#include <algorithm>
#include <array>
#include <vector>

namespace fieldizer::db {
namespace {

constexpr std::array<std::string_view, 6> comparisonSymbols{"=", "<>", "<", "<=", ">", ">="};

// Words that end an expression where a clause or list goes on.
constexpr std::array<std::string_view, 17> clauseWords{
    "from",  "where", "group", "having", "order", "union", "as",  "into",  "on",
    "inner", "left",  "right", "join",   "asc",   "desc",  "set", "values"};

// Whether `token` (followed by `next`) is a clause word after an expression;
// Left(, Right( and Asc( are calls of functions.
bool endsExpression(const Token& token, const Token& next) {
    if (token.kind != TokenKind::Name)
        return false;
    bool call = next.kind == TokenKind::Symbol && next.text == "(" &&
                (sameAccessWord(token.text, "left") || sameAccessWord(token.text, "right") ||
                 sameAccessWord(token.text, "asc"));
    return !call && std::any_of(clauseWords.begin(), clauseWords.end(),
                                [&](auto w) { return sameAccessWord(token.text, w); });
}

// SQLite's truth (1/0) as the engine's (-1/0), unless it is a condition.
std::string truthValue(const std::string& sql, bool condition) {
    return condition ? sql : "(-" + sql + ")";
}

bool isNumberLiteral(const std::string& sql) {
    return !sql.empty() && sql.find_first_not_of("0123456789.") == std::string::npos;
}

// A field, "name" or "table"."name": cheap enough to read twice.
bool isFieldReference(const std::string& sql) {
    if (sql.size() < 2 || sql.front() != '"' || sql.back() != '"')
        return false;
    std::size_t quotes = std::count(sql.begin(), sql.end(), '"');
    std::size_t dot = sql.find("\".\"");
    return quotes == 2 || (quotes == 4 && dot != std::string::npos);
}

// + and - as the engine evaluates them (access_add, access_sub: dates count
// as days, texts join). Over plain fields and numbers SQLite's own operator
// serves whenever no operand is text, which spares the function call on
// every row of a numeric column: a number sorts below every text, so
// "x < ''" holds exactly for numbers (Null takes the function's way).
std::string arithmetic(const std::string& left, char op, const std::string& right) {
    std::string call =
        std::string(op == '+' ? "access_add(" : "access_sub(") + left + ", " + right + ")";
    std::string test;
    for (const std::string* operand : {&left, &right}) {
        if (isFieldReference(*operand))
            test += (test.empty() ? "" : " AND ") + (*operand + " < ''");
        else if (!isNumberLiteral(*operand))
            return call;
    }
    std::string native = "(" + left + " " + op + " " + right + ")";
    return test.empty() ? native
                        : "(CASE WHEN " + test + " THEN " + native + " ELSE " + call + " END)";
}

std::string asInteger(const std::string& value) {
    // The engine rounds both operands of \ and Mod to whole numbers first.
    return "CAST(round(" + value + ") AS INTEGER)";
}

// Long chains of one operator are written flat, never as calls or
// parentheses nested one in the next: SQLite's parser takes only some thirty
// nested calls, and users write far longer sums and joins. A call takes at
// most this many operands (SQLite allows 127 arguments); a longer chain
// continues in a call that takes the one before as its first operand.
constexpr std::size_t operandsPerCall = 60;

// a & b & c ...: one access_concat call per run of operands.
std::string concatenationOf(const std::vector<std::string>& operands) {
    std::string call = operands.front();
    for (std::size_t i = 1; i < operands.size();) {
        std::string arguments = call;
        for (std::size_t n = 1; n < operandsPerCall && i < operands.size(); ++n)
            arguments += ", " + operands[i++];
        call = "access_concat(" + arguments + ")";
    }
    return call;
}

// a + b - c ...: one access_add_sub call per run of operands, each operand
// after the first preceded by its operator as a text.
std::string chainedArithmetic(const std::vector<std::string>& operands, const std::string& ops) {
    std::string call = operands.front();
    for (std::size_t i = 1; i < operands.size();) {
        std::string arguments = call;
        for (std::size_t n = 1; n < operandsPerCall && i < operands.size(); ++n, ++i)
            arguments += std::string(", '") + ops[i - 1] + "', " + operands[i];
        call = "access_add_sub(" + arguments + ")";
    }
    return call;
}

// a op b op c ... with SQLite's own left-associative operator: one pair of
// parentheses around the chain.
std::string flatChain(const std::vector<std::string>& operands, std::string_view op) {
    std::string chain = operands.front();
    for (std::size_t i = 1; i < operands.size(); ++i)
        chain += " " + std::string(op) + " " + operands[i];
    return operands.size() == 1 ? chain : "(" + chain + ")";
}

} // namespace

std::string DialectParser::topExpression() {
    Mode mode(*this, false);
    return wholeExpression();
}

std::string DialectParser::conditionExpression() {
    Mode mode(*this, true);
    return wholeExpression();
}

std::string DialectParser::truth(const std::string& sql) const {
    return truthValue(sql, condition_);
}

bool DialectParser::conditionOperandAhead() const {
    if (!isSymbol("("))
        return false;
    int depth = 0;
    for (std::size_t i = 0; peek(i).kind != TokenKind::End; ++i) {
        if (isSymbol("(", i))
            ++depth;
        if (isSymbol(")", i) && --depth == 0) {
            const Token& next = peek(i + 1);
            return next.kind == TokenKind::End || isSymbol(";", i + 1) || isSymbol(")", i + 1) ||
                   isSymbol(",", i + 1) || isWord("and", i + 1) || isWord("or", i + 1) ||
                   endsExpression(next, peek(i + 2));
        }
    }
    return false;
}

std::string DialectParser::wholeExpression() {
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
    std::vector<std::string> operands{andExpression()};
    if (!isWord("or"))
        return operands.front();
    while (acceptWord("or"))
        operands.push_back(andExpression());
    return truth(flatChain(operands, "OR"));
}

std::string DialectParser::andExpression() {
    std::vector<std::string> operands{notExpression()};
    if (!isWord("and"))
        return operands.front();
    while (acceptWord("and"))
        operands.push_back(notExpression());
    return truth(flatChain(operands, "AND"));
}

std::string DialectParser::notExpression() {
    if (!isWord("not"))
        return comparison();
    Nesting nesting(*this);
    take();
    return truth("(NOT " + notExpression() + ")");
}

std::string DialectParser::comparison() {
    bool condition = condition_;
    std::string left;
    {
        // "(a = 1 OR b = 2)" standing alone in a WHERE stays a condition.
        Mode operand(*this, condition && conditionOperandAhead());
        left = concatenation();
    }
    Mode values(*this, false);
    bool compared = false;
    for (;;) {
        const Token& next = peek();
        bool compares = next.kind == TokenKind::Symbol &&
                        std::find(comparisonSymbols.begin(), comparisonSymbols.end(), next.text) !=
                            comparisonSymbols.end();
        if (compared && (compares || isWord("like") || isWord("between") || isWord("in") ||
                         isWord("is") || isWord("not")))
            left = truthValue(left, false); // a chained comparison compares the engine's truth
        if (compares) {
            std::string op = take().text;
            if ((isWord("all") || isWord("any") || isWord("some")) && isSymbol("(", 1) &&
                isWord("select", 2))
                left = quantified(left, op);
            else // text compares without regard to letter case, as in the engine
                left = "(" + left + " " + op + " " + concatenation() + " COLLATE NOCASE)";
        } else if (isWord("like") || isWord("between") || isWord("in") || isWord("is") ||
                   (isWord("not") &&
                    (isWord("like", 1) || isWord("between", 1) || isWord("in", 1)))) {
            left = comparisonTail(std::move(left));
        } else {
            return compared ? truthValue(left, condition) : left;
        }
        compared = true;
    }
}

// x op ALL (SELECT ...), x op ANY | SOME (SELECT ...): the subquery's one
// column is named through a common table expression, whatever it is called.
std::string DialectParser::quantified(const std::string& left, const std::string& op) {
    bool all = isWord("all");
    take();
    take(); // (
    std::size_t outer = expressionStart_;
    ++openParentheses_;
    std::string subquery = select(nullptr);
    --openParentheses_;
    expressionStart_ = outer;
    if (!acceptSymbol(")"))
        failAtToken(peek());
    std::string test = left + " " + op + " fieldizer_v_ COLLATE NOCASE";
    std::string rows =
        "(WITH fieldizer_q_(fieldizer_v_) AS (" + subquery + ") SELECT 1 FROM fieldizer_q_ WHERE ";
    return all ? "(NOT EXISTS " + rows + "NOT coalesce(" + test + ", 0)))"
               : "(EXISTS " + rows + test + "))";
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
    std::vector<std::string> operands{additive()};
    while (acceptSymbol("&"))
        operands.push_back(additive());
    return concatenationOf(operands);
}

std::string DialectParser::additive() {
    std::vector<std::string> operands{modulo()};
    std::string ops;
    while (isSymbol("+") || isSymbol("-")) {
        ops += take().text[0];
        operands.push_back(modulo());
    }
    if (operands.size() == 2)
        return arithmetic(operands[0], ops[0], operands[1]);
    return chainedArithmetic(operands, ops);
}

// The result of \ and Mod is a whole number already: only the operands are
// rounded, so a chain stays flat.
std::string DialectParser::modulo() {
    std::vector<std::string> operands{integerDivision()};
    while (acceptWord("mod"))
        operands.push_back(asInteger(integerDivision()));
    if (operands.size() > 1)
        operands.front() = asInteger(operands.front());
    return flatChain(operands, "%");
}

std::string DialectParser::integerDivision() {
    std::vector<std::string> operands{multiplicative()};
    while (acceptSymbol("\\"))
        operands.push_back(asInteger(multiplicative()));
    if (operands.size() > 1)
        operands.front() = asInteger(operands.front());
    return flatChain(operands, "/");
}

// / is always a division of real numbers, as in the engine: what stands
// before the first / becomes real, and every result after it is real.
std::string DialectParser::multiplicative() {
    std::string chain = unary();
    bool real = false;
    bool chained = false;
    for (;; chained = true) {
        if (acceptSymbol("*")) {
            chain += " * " + unary();
        } else if (acceptSymbol("/")) {
            if (!real)
                chain = "CAST(" + chain + " AS REAL)";
            real = true;
            chain += " / " + unary();
        } else {
            return chained ? "(" + chain + ")" : chain;
        }
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
