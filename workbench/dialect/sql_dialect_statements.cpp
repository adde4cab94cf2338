#include "workbench/dialect/sql_dialect_errors.h"
#include "workbench/dialect/sql_dialect_parser.h"

#include <algorithm>

namespace fieldizer::db {
namespace {
using dialect_errors::syntax;
} // namespace

TranslatedStatement DialectParser::statement(const std::vector<std::string>& undeclared) {
    if (isWord("parameters"))
        parametersDeclaration();
    for (const std::string& name : undeclared) {
        const bool declared =
            std::any_of(parameters_.begin(), parameters_.end(),
                        [&](const auto& p) { return sameAccessWord(p.name, name); });
        if (!declared)
            parameters_.push_back({name, "Text"});
    }
    TranslatedStatement result = dispatch();
    finish();
    result.parameters = parameters_;
    return result;
}

TranslatedStatement DialectParser::dispatch() {
    TranslatedStatement result;
    if (isWord("select")) {
        std::string target;
        result.sql = select(&target);
        if (!target.empty()) {
            result.kind = StatementKind::SelectInto;
            result.target = target;
        }
        return result;
    }
    if (isWord("insert"))
        return insertStatement();
    if (isWord("update"))
        return updateStatement();
    if (isWord("delete"))
        return deleteStatement();
    if (isWord("create"))
        return createStatement();
    if (isWord("drop"))
        return dropStatement();
    if (isWord("alter"))
        return alterStatement();
    // Crosstabs need their columns from the data before the statement can be
    // written; they are left out and say so.
    if (isWord("transform"))
        throw dialect_errors::notSupported("TRANSFORM");
    if (peek().kind == TokenKind::Unterminated && peek().opener == '[')
        throw dialect_errors::invalidBracketing(peek().text);
    throw syntax(errors::invalidStatement);
}

// PARAMETERS name type [(size)], ... ;
void DialectParser::parametersDeclaration() {
    take();
    do {
        DialectParameter parameter;
        parameter.name = takeName(errors::parameterClause);
        if (peek().kind != TokenKind::Name)
            throw syntax(errors::parameterClause);
        parameter.type = take().text;
        if (acceptSymbol("(")) {
            if (peek().kind != TokenKind::Number)
                throw syntax(errors::parameterClause);
            take();
            expectSymbol(")", errors::parameterClause);
        }
        for (const auto& declared : parameters_) {
            if (sameAccessWord(declared.name, parameter.name))
                throw syntax(errors::parameterClause);
        }
        parameters_.push_back(std::move(parameter));
    } while (acceptSymbol(","));
    expectSymbol(";", errors::parameterClause);
}

// INSERT INTO table [(field, ...)] {VALUES (expr, ...) | SELECT ...}
TranslatedStatement DialectParser::insertStatement() {
    constexpr int error = errors::insertStatement;
    take();
    expectWord("into", error);
    TranslatedStatement result{StatementKind::Action, {}, takeName(error), {}, {}};
    result.sql = "INSERT INTO " + quoteIdentifier(result.target);
    if (acceptSymbol("(")) {
        std::string names;
        do {
            names += (names.empty() ? "" : ", ") + quoteIdentifier(takeQualifiedName(error));
        } while (acceptSymbol(","));
        expectSymbol(")", error);
        result.sql += " (" + names + ")";
    }
    if (isWord("select")) {
        result.sql += " " + select(nullptr);
        return result;
    }
    expectWord("values", error);
    expectSymbol("(", error);
    ++openParentheses_;
    result.sql += " VALUES (" + expressionList() + ")";
    --openParentheses_;
    expectSymbol(")", error);
    return result;
}

// UPDATE table [INNER JOIN other ON expr ...] SET field = expr, ... [WHERE expr]
TranslatedStatement DialectParser::updateStatement() {
    constexpr int error = errors::updateStatement;
    take();
    TranslatedStatement result{StatementKind::Action, {}, takeName(error), {}, {}};
    result.sql = "UPDATE " + quoteIdentifier(result.target) + tableAlias() + " SET ";
    // Over a join, SQLite's UPDATE ... FROM: the joined tables go to FROM and
    // the first ON condition to WHERE.
    std::string from, joinCondition;
    while (isWord("inner") && isWord("join", 1)) {
        take();
        take();
        std::string right = tableSource();
        expectWord("on", error);
        std::string condition = conditionExpression();
        if (from.empty()) {
            from = right;
            joinCondition = condition;
        } else {
            from += " INNER JOIN " + right + " ON " + condition;
        }
    }
    if (isWord("left") || isWord("right"))
        throw dialect_errors::notSupported("UPDATE over an outer join");
    expectWord("set", error);
    std::string assignments;
    do {
        // SQLite takes no table name before a field of SET.
        std::string field = takeQualifiedName(error);
        expectSymbol("=", error);
        assignments +=
            (assignments.empty() ? "" : ", ") + quoteIdentifier(field) + " = " + topExpression();
    } while (acceptSymbol(","));
    result.sql += assignments;
    if (!from.empty())
        result.sql += " FROM " + from;
    std::string where = acceptWord("where") ? conditionExpression() : "";
    if (!joinCondition.empty())
        where = where.empty() ? joinCondition : joinCondition + " AND " + where;
    if (!where.empty())
        result.sql += " WHERE " + where;
    return result;
}

// DELETE [* | table.*] FROM table [WHERE expr]
// DELETE table.* FROM table INNER JOIN other ON expr ... [WHERE expr]
TranslatedStatement DialectParser::deleteStatement() {
    constexpr int error = errors::deleteStatement;
    take();
    acceptWord("distinctrow");
    std::string named;
    if (!acceptSymbol("*") && isNameToken(peek())) {
        named = takeName(error);
        if (acceptSymbol(".") || acceptSymbol("!"))
            expectSymbol("*", error);
    }
    if (!acceptWord("from"))
        throw syntax(peek().kind == TokenKind::End || isSymbol(";") ? errors::deleteNeedsTable
                                                                    : error);
    std::size_t fromStart = pos_;
    TranslatedStatement result{StatementKind::Action, {}, takeName(errors::fromClause), {}, {}};
    bool joined =
        isWord("inner") || isWord("left") || isWord("right") || isWord("as") || isNameToken(peek());
    if (!joined) {
        result.sql = "DELETE FROM " + quoteIdentifier(result.target);
        if (acceptWord("where"))
            result.sql += " WHERE " + conditionExpression();
        return result;
    }
    // Over a join: the named table's rows that the join and WHERE select.
    pos_ = fromStart;
    std::string tables = joinedTables();
    if (named.empty())
        throw syntax(errors::deleteNeedsTable);
    std::string where = acceptWord("where") ? " WHERE " + conditionExpression() : "";
    result.target = named;
    result.sql = "DELETE FROM " + quoteIdentifier(named) + " WHERE ";
    result.rowKeyPositions.push_back(result.sql.size());
    result.sql += "rowid IN (SELECT " + quoteIdentifier(named) + ".";
    result.rowKeyPositions.push_back(result.sql.size());
    result.sql += "rowid FROM " + tables + where + ")";
    return result;
}

TranslatedStatement DialectParser::createStatement() {
    take();
    if (isWord("table"))
        return createTable();
    bool unique = acceptWord("unique");
    if (isWord("index"))
        return createIndex(unique);
    throw syntax(errors::invalidStatement);
}

// CREATE [UNIQUE] INDEX name ON table (field [ASC|DESC], ...) [WITH ...]
TranslatedStatement DialectParser::createIndex(bool unique) {
    constexpr int error = errors::createIndexStatement;
    take();
    std::string index = takeName(error);
    expectWord("on", error);
    TranslatedStatement result{StatementKind::Action, {}, takeName(error), {}, {}};
    expectSymbol("(", error);
    std::string fields;
    do {
        fields += (fields.empty() ? "" : ", ") + quoteIdentifier(takeName(error));
        if (acceptWord("desc"))
            fields += " DESC";
        else
            acceptWord("asc");
    } while (acceptSymbol(","));
    expectSymbol(")", error);
    if (acceptWord("with")) {
        // PRIMARY makes it unique; DISALLOW NULL and IGNORE NULL change no result.
        if (acceptWord("primary"))
            unique = true;
        else if (!(acceptWord("disallow") || acceptWord("ignore")) || !acceptWord("null"))
            throw syntax(error);
    }
    result.sql = std::string(unique ? "CREATE UNIQUE INDEX " : "CREATE INDEX ") +
                 quoteIdentifier(index) + " ON " + quoteIdentifier(result.target) + " (" + fields +
                 ")";
    return result;
}

// DROP TABLE name | DROP INDEX name ON table
TranslatedStatement DialectParser::dropStatement() {
    constexpr int error = errors::dropStatement;
    take();
    TranslatedStatement result;
    result.kind = StatementKind::Action;
    if (acceptWord("table")) {
        result.target = takeName(error);
        result.sql = "DROP TABLE " + quoteIdentifier(result.target);
        return result;
    }
    expectWord("index", error);
    std::string index = takeName(error);
    expectWord("on", error);
    result.target = takeName(error);
    result.sql = "DROP INDEX " + quoteIdentifier(index);
    return result;
}

// ALTER TABLE name {ADD [COLUMN] field type ... | DROP [COLUMN] field}
TranslatedStatement DialectParser::alterStatement() {
    constexpr int error = errors::alterTableStatement;
    take();
    expectWord("table", error);
    TranslatedStatement result{StatementKind::Action, {}, takeName(error), {}, {}};
    result.sql = "ALTER TABLE " + quoteIdentifier(result.target);
    if (acceptWord("add")) {
        acceptWord("column");
        if (isWord("constraint") || isWord("primary") || isWord("unique") || isWord("foreign"))
            throw syntax(error); // SQLite adds no constraint to an existing table
        result.fields.push_back(fieldDefinition(error));
        result.sql += " ADD COLUMN " + fieldDeclaration(result.fields.back());
        return result;
    }
    if (isWord("alter")) // SQLite cannot change a column's type in place
        throw dialect_errors::notSupported("ALTER COLUMN");
    expectWord("drop", error);
    acceptWord("column");
    result.sql += " DROP COLUMN " + quoteIdentifier(takeName(error));
    return result;
}

} // namespace fieldizer::db
