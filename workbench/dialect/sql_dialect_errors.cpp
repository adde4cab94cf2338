#include "workbench/dialect/sql_dialect_errors.h"

#include "workbench/dialect/function_failures.h"
#include "workbench/dialect/sql_dialect.h"
#include "workbench/dialect/sql_dialect_parser.h"

#include <string>
#include <vector>

namespace fieldizer::db::dialect_errors {
namespace {

using namespace fieldizer::db::errors;

const char* descriptionOf(int number) {
    switch (number) {
    case deleteNeedsTable:
        return "Specify the table containing the records you want to delete.";
    case invalidStatement:
        return "Invalid SQL statement; expected 'DELETE', 'INSERT', 'PROCEDURE', 'SELECT', or "
               "'UPDATE'.";
    case deleteStatement:
        return "Syntax error in DELETE statement.";
    case fromClause:
        return "Syntax error in FROM clause.";
    case groupByClause:
        return "Syntax error in GROUP BY clause.";
    case havingClause:
        return "Syntax error in HAVING clause.";
    case insertStatement:
        return "Syntax error in INSERT INTO statement.";
    case joinOperation:
        return "Syntax error in JOIN operation.";
    case orderByClause:
        return "Syntax error in ORDER BY clause.";
    case parameterClause:
        return "Syntax error in PARAMETER clause.";
    case selectStatement:
        return "The SELECT statement includes a reserved word or an argument name that is "
               "misspelled or missing, or the punctuation is incorrect.";
    case charactersAfterEnd:
        return "Characters found after end of SQL statement.";
    case updateStatement:
        return "Syntax error in UPDATE statement.";
    case constraintClause:
        return "Syntax error in CONSTRAINT clause.";
    case createTableStatement:
        return "Syntax error in CREATE TABLE statement.";
    case createIndexStatement:
        return "Syntax error in CREATE INDEX statement.";
    case fieldDefinition:
        return "Syntax error in field definition.";
    case alterTableStatement:
        return "Syntax error in ALTER TABLE statement.";
    case dropStatement:
        return "Syntax error in DROP TABLE or DROP INDEX.";
    case tooComplex:
        return "Query is too complex.";
    default:
        return "Syntax error in query.";
    }
}

} // namespace

RuntimeError syntax(int number) {
    return RuntimeError(number, descriptionOf(number));
}

RuntimeError inExpression(std::string_view problem, std::string_view expression) {
    return RuntimeError(queryExpression, std::string(problem) + " in query expression '" +
                                             std::string(expression) + "'.");
}

RuntimeError missingOperator(std::string_view expression) {
    return inExpression("Syntax error (missing operator)", expression);
}

RuntimeError notPartOfAggregate(std::string_view expression) {
    return RuntimeError(notInAggregate,
                        "You tried to execute a query that does not include the specified "
                        "expression '" +
                            std::string(expression) + "' as part of an aggregate function.");
}

RuntimeError notSupported(std::string_view feature) {
    return RuntimeError(errors::notSupported,
                        "This Access SQL feature is not supported: " + std::string(feature) + ".");
}

RuntimeError undefinedFunction(std::string_view name) {
    return RuntimeError(errors::undefinedFunction,
                        "Undefined function '" + std::string(name) + "' in expression.");
}

RuntimeError invalidBracketing(std::string_view name) {
    return RuntimeError(bracketing, "Invalid bracketing of name '" + std::string(name) + "'.");
}

} // namespace fieldizer::db::dialect_errors

namespace fieldizer::db {
namespace {

// The syntax error of a statement's kind, told from its first words.
RuntimeError syntaxErrorOfKind(std::string_view accessSql) {
    using namespace errors;
    using namespace dialect_errors;
    std::vector<Token> tokens = tokenizeAccessSql(accessSql);
    std::size_t i = 0;
    if (!tokens.empty() && tokens[0].kind == TokenKind::Name &&
        sameAccessWord(tokens[0].text, "parameters")) {
        while (i < tokens.size() && !(tokens[i].kind == TokenKind::Symbol && tokens[i].text == ";"))
            ++i;
        ++i;
    }
    auto word = [&](std::size_t k, std::string_view w) {
        return i + k < tokens.size() && tokens[i + k].kind == TokenKind::Name &&
               sameAccessWord(tokens[i + k].text, w);
    };
    if (word(0, "select"))
        return syntax(selectStatement);
    if (word(0, "insert"))
        return syntax(insertStatement);
    if (word(0, "update"))
        return syntax(updateStatement);
    if (word(0, "delete"))
        return syntax(deleteStatement);
    if (word(0, "create") && word(1, "table"))
        return syntax(createTableStatement);
    if (word(0, "create"))
        return syntax(createIndexStatement);
    if (word(0, "alter"))
        return syntax(alterTableStatement);
    if (word(0, "drop"))
        return syntax(dropStatement);
    return syntax(invalidStatement);
}

// Nesting deeper than SQLite's parser or its expression trees take.
bool isBeyondParserLimits(std::string_view message) {
    return message == "parser stack overflow" ||
           message.starts_with("Expression tree is too large");
}

std::string quotedName(std::string_view name) {
    return "'" + std::string(name) + "'";
}

} // namespace

RuntimeError sqliteErrorFor(std::string_view accessSql, std::string_view message) {
    if (message.starts_with("no such table: "))
        return RuntimeError(errors::inputTableNotFound,
                            "The Microsoft Jet database engine cannot find the input table "
                            "or query " +
                                quotedName(message.substr(15)) +
                                ".  Make sure it exists and that its name is spelled "
                                "correctly.");
    if (message.starts_with("no such column: "))
        return RuntimeError(errors::tooFewParameters, "Too few parameters. Expected 1.");
    if (message.starts_with("no such function: "))
        return dialect_errors::undefinedFunction(message.substr(18));
    if (message.starts_with("wrong number of arguments to function "))
        return dialect_errors::inExpression("Wrong number of arguments used with function",
                                            accessSql);
    if (isBeyondParserLimits(message))
        return dialect_errors::syntax(errors::tooComplex);
    if (message.starts_with("table ") && message.ends_with(" already exists"))
        return RuntimeError(errors::tableExists,
                            "Table " + quotedName(message.substr(6, message.size() - 21)) +
                                " already exists.");
    if (auto failure = access_values::functionFailure(message))
        return *failure;
    return syntaxErrorOfKind(accessSql);
}

} // namespace fieldizer::db
