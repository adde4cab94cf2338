#include "workbench/dialect/sql_dialect_errors.h"
#include "workbench/dialect/sql_dialect_parser.h"

#include <algorithm>
#include <utility>

namespace fieldizer::db {
namespace {

using dialect_errors::syntax;

// A part of a UNION that has its own TOP keeps its limit inside.
std::string limitedPart(const std::string& core, const std::string& limit) {
    return limit.empty() ? core : "SELECT * FROM (" + core + " LIMIT " + limit + ")";
}

bool isWholeNumber(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
}

} // namespace

std::string DialectParser::select(std::string* intoTarget) {
    Nesting nesting(*this);
    std::string limit;
    std::string first = selectCore(intoTarget, limit);
    std::string rowsPart = lastRowsPart_;
    std::vector<std::string> aliases = lastAliases_;
    std::string sql = first;
    bool compound = false;
    while (acceptWord("union")) {
        std::string op = acceptWord("all") ? " UNION ALL " : " UNION ";
        if (!compound)
            sql = limitedPart(first, limit);
        compound = true;
        if (!isWord("select"))
            throw syntax(errors::selectStatement);
        std::string partLimit;
        std::string part = selectCore(nullptr, partLimit);
        sql += op + limitedPart(part, partLimit);
    }
    if (acceptWord("order")) {
        expectWord("by", errors::orderByClause);
        std::string order = orderByList();
        sql += " ORDER BY " + order;
        // TOP n also returns the rows tied with the n-th: as many rows as
        // rank n or better. The ranking cannot see the select list's names,
        // so an order by one of them keeps the plain limit.
        bool byAlias = std::any_of(aliases.begin(), aliases.end(), [&](const std::string& alias) {
            return order.find(alias) != std::string::npos;
        });
        if (!compound && !byAlias && isWholeNumber(limit))
            limit = "(SELECT count(*) FROM (SELECT rank() OVER (ORDER BY " + order +
                    ") AS fieldizer_rank_ " + rowsPart + ") WHERE fieldizer_rank_ <= " + limit +
                    ")";
    }
    if (!compound && !limit.empty())
        sql += " LIMIT " + limit;
    return sql;
}

std::string DialectParser::selectCore(std::string* intoTarget, std::string& limit) {
    take(); // SELECT
    bool distinct = acceptWord("distinct");
    bool distinctRow = !distinct && acceptWord("distinctrow");
    if (!distinct && !distinctRow)
        acceptWord("all");
    bool percent = false;
    std::string top = isWord("top") ? topClause(percent) : "";
    ListScan outer = std::exchange(scan_, ListScan{});
    scan_.active = true;
    std::string list = selectList();
    ListScan listed = std::exchange(scan_, outer);
    if (acceptWord("into")) {
        if (!intoTarget)
            throw syntax(errors::selectStatement);
        *intoTarget = takeName(errors::selectStatement);
        if (isWord("in")) // into another database file: not offered
            throw syntax(errors::selectStatement);
    }
    std::string rows;
    int tablesBefore = tablesRead_;
    if (acceptWord("from"))
        rows += " FROM " + fromClause();
    // DISTINCTROW leaves out rows that repeat whole records; over one table
    // every row is a record of its own, over a join the repeats go.
    bool joined = tablesRead_ - tablesBefore > 1;
    if (acceptWord("where"))
        rows += " WHERE " + conditionExpression();
    bool grouped = acceptWord("group");
    if (grouped) {
        expectWord("by", errors::groupByClause);
        rows += " GROUP BY " + expressionList();
    }
    if (!grouped && listed.sawAggregate && !listed.bareField.empty())
        throw dialect_errors::notPartOfAggregate(listed.bareField);
    if (acceptWord("having"))
        rows += " HAVING " + conditionExpression();
    lastRowsPart_ = rows;
    lastAliases_ = listed.aliases;
    std::string core = std::string("SELECT ") +
                       (distinct || (distinctRow && joined) ? "DISTINCT " : "") + list + rows;
    if (!top.empty()) {
        // TOP n PERCENT: the engine rounds the share of rows up.
        limit = percent ? "(SELECT CAST(share AS INTEGER) + (share > CAST(share AS INTEGER)) "
                          "FROM (SELECT count(*) * " +
                              top + " / 100.0 AS share FROM (" + core + ")))"
                        : top;
    }
    return core;
}

std::string DialectParser::topClause(bool& percent) {
    take(); // TOP
    const Token& count = peek();
    if (count.kind != TokenKind::Number)
        throw syntax(errors::selectStatement);
    std::string value = take().text;
    percent = acceptWord("percent");
    if (!percent && !isWholeNumber(value))
        throw syntax(errors::selectStatement);
    return value;
}

std::string DialectParser::selectList() {
    if (peek().kind == TokenKind::End || isWord("from") || isWord("into"))
        throw syntax(errors::selectStatement);
    int unnamed = 0;
    std::string list = selectItem(unnamed);
    while (acceptSymbol(","))
        list += ", " + selectItem(unnamed);
    return list;
}

std::string DialectParser::selectItem(int& unnamed) {
    if (acceptSymbol("*"))
        return "*";
    std::size_t start = pos_;
    std::string item = topExpression();
    if (acceptWord("as")) {
        scan_.aliases.push_back(quoteIdentifier(takeName(errors::selectStatement)));
        return item + " AS " + scan_.aliases.back();
    }
    std::size_t length = pos_ - start;
    auto qualifier = [&](const Token& token) {
        return token.kind == TokenKind::Symbol && (token.text == "." || token.text == "!");
    };
    // A field reads as a quoted name; True, Yes, Null and parameters do not.
    bool column = isNameToken(tokens_[start]) && item.starts_with('"') &&
                  (length == 1 || (length == 3 && qualifier(tokens_[start + 1]) &&
                                   isNameToken(tokens_[start + 2])));
    if (column || item.ends_with(".*"))
        return item;
    // The engine names unnamed expressions Expr1000, Expr1001 ...
    return item + " AS " + quoteIdentifier("Expr" + std::to_string(1000 + unnamed++));
}

std::string DialectParser::fromClause() {
    std::string tables = joinedTables();
    while (acceptSymbol(","))
        tables += ", " + joinedTables();
    return tables;
}

std::string DialectParser::joinedTables() {
    std::string result = tableSource();
    for (;;) {
        std::string kind;
        if (isWord("inner") && isWord("join", 1))
            kind = "INNER JOIN";
        else if ((isWord("left") || isWord("right")) &&
                 (isWord("join", 1) || (isWord("outer", 1) && isWord("join", 2))))
            kind = isWord("left") ? "LEFT JOIN" : "RIGHT JOIN";
        else if (isWord("join") || isWord("outer") || isWord("full") || isWord("cross"))
            throw syntax(errors::joinOperation);
        else
            return result;
        while (!acceptWord("join"))
            take();
        std::string right = tableSource();
        if (!acceptWord("on"))
            throw syntax(errors::joinOperation);
        result += " " + kind + " " + right + " ON " + conditionExpression();
    }
}

std::string DialectParser::tableSource() {
    Nesting nesting(*this);
    if (acceptSymbol("(")) {
        ++openParentheses_;
        std::string inner = isWord("select") ? select(nullptr) : joinedTables();
        --openParentheses_;
        if (!acceptSymbol(")"))
            throw syntax(errors::fromClause);
        return "(" + inner + ")" + tableAlias();
    }
    ++tablesRead_;
    std::string name = takeName(errors::fromClause);
    if (isWord("in")) // a table of another database file: not offered
        throw syntax(errors::fromClause);
    return quoteIdentifier(name) + tableAlias();
}

std::string DialectParser::tableAlias() {
    if (acceptWord("as"))
        return " AS " + quoteIdentifier(takeName(errors::fromClause));
    if (isNameToken(peek()))
        return " AS " + quoteIdentifier(take().text);
    return "";
}

std::string DialectParser::orderByList() {
    std::string list;
    do {
        std::string term = topExpression() + " COLLATE NOCASE";
        if (acceptWord("desc"))
            term += " DESC";
        else
            acceptWord("asc");
        list += (list.empty() ? "" : ", ") + term;
    } while (acceptSymbol(","));
    return list;
}

std::string DialectParser::expressionList() {
    std::string list = topExpression();
    while (acceptSymbol(","))
        list += ", " + topExpression();
    return list;
}

} // namespace fieldizer::db
