#include "workbench/dialect/sql_dialect_errors.h"
#include "workbench/dialect/sql_dialect_parser.h"

namespace fieldizer::db {
namespace {
using dialect_errors::syntax;
} // namespace

TranslatedStatement DialectParser::statement() {
    if (isWord("parameters"))
        parametersDeclaration();
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
    if (peek().kind == TokenKind::Unterminated && peek().opener == '[')
        throw dialect_errors::invalidBracketing(peek().text);
    throw syntax(dialect_errors::invalidStatement);
}

// PARAMETERS name type [(size)], ... ;
void DialectParser::parametersDeclaration() {
    take();
    do {
        DialectParameter parameter;
        parameter.name = takeName(dialect_errors::parameterClause);
        if (peek().kind != TokenKind::Name)
            throw syntax(dialect_errors::parameterClause);
        parameter.type = take().text;
        if (acceptSymbol("(")) {
            if (peek().kind != TokenKind::Number)
                throw syntax(dialect_errors::parameterClause);
            take();
            expectSymbol(")", dialect_errors::parameterClause);
        }
        for (const auto& declared : parameters_) {
            if (sameAccessWord(declared.name, parameter.name))
                throw syntax(dialect_errors::parameterClause);
        }
        parameters_.push_back(std::move(parameter));
    } while (acceptSymbol(","));
    expectSymbol(";", dialect_errors::parameterClause);
}

// INSERT INTO table [(field, ...)] {VALUES (expr, ...) | SELECT ...}
TranslatedStatement DialectParser::insertStatement() {
    constexpr int error = dialect_errors::insertStatement;
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

// UPDATE table SET field = expr, ... [WHERE expr]
TranslatedStatement DialectParser::updateStatement() {
    constexpr int error = dialect_errors::updateStatement;
    take();
    TranslatedStatement result{StatementKind::Action, {}, takeName(error), {}, {}};
    result.sql = "UPDATE " + quoteIdentifier(result.target) + " SET ";
    expectWord("set", error); // an UPDATE over a join is not offered
    std::string assignments;
    do {
        // SQLite takes no table name before a field of SET.
        std::string field = takeQualifiedName(error);
        expectSymbol("=", error);
        assignments +=
            (assignments.empty() ? "" : ", ") + quoteIdentifier(field) + " = " + topExpression();
    } while (acceptSymbol(","));
    result.sql += assignments;
    if (acceptWord("where"))
        result.sql += " WHERE " + conditionExpression();
    return result;
}

// DELETE [* | table.*] FROM table [WHERE expr]
TranslatedStatement DialectParser::deleteStatement() {
    constexpr int error = dialect_errors::deleteStatement;
    take();
    if (!acceptSymbol("*") && isNameToken(peek())) {
        takeName(error);
        if (acceptSymbol(".") || acceptSymbol("!"))
            expectSymbol("*", error);
    }
    if (!acceptWord("from"))
        throw syntax(peek().kind == TokenKind::End || isSymbol(";")
                         ? dialect_errors::deleteNeedsTable
                         : error);
    TranslatedStatement result{
        StatementKind::Action, {}, takeName(dialect_errors::fromClause), {}, {}};
    result.sql = "DELETE FROM " + quoteIdentifier(result.target);
    if (acceptWord("where"))
        result.sql += " WHERE " + conditionExpression();
    return result;
}

TranslatedStatement DialectParser::createStatement() {
    take();
    if (isWord("table"))
        return createTable();
    bool unique = acceptWord("unique");
    if (isWord("index"))
        return createIndex(unique);
    throw syntax(dialect_errors::invalidStatement);
}

// CREATE [UNIQUE] INDEX name ON table (field [ASC|DESC], ...) [WITH ...]
TranslatedStatement DialectParser::createIndex(bool unique) {
    constexpr int error = dialect_errors::createIndexStatement;
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
    constexpr int error = dialect_errors::dropStatement;
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
    constexpr int error = dialect_errors::alterTableStatement;
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
    expectWord("drop", error);
    acceptWord("column");
    result.sql += " DROP COLUMN " + quoteIdentifier(takeName(error));
    return result;
}

} // namespace fieldizer::db
