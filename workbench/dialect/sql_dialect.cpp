#include "workbench/dialect/sql_dialect.h"

#include "workbench/dialect/sql_dialect_errors.h"
#include "workbench/dialect/sql_dialect_parser.h"

namespace fieldizer::db {
namespace {

// Text beyond this is refused before parsing, so that no statement costs
// more memory than a small multiple of itself.
constexpr std::size_t maximumLength = 1 << 20;

void checkLength(std::string_view text) {
    if (text.size() > maximumLength)
        throw dialect_errors::syntax(errors::tooComplex);
}

} // namespace

TranslatedStatement translateAccessSql(std::string_view accessSql,
                                       const std::vector<std::string>& undeclaredParameters) {
    checkLength(accessSql);
    return DialectParser(accessSql, tokenizeAccessSql(accessSql)).statement(undeclaredParameters);
}

std::string translateAccessExpression(std::string_view expression) {
    checkLength(expression);
    TokenizerOptions options;
    options.doubledApostropheQuotes = true;
    return DialectParser(expression, tokenizeAccessSql(expression, options)).filterExpression();
}

std::string translateAccessSort(std::string_view sort) {
    checkLength(sort);
    return DialectParser(sort, tokenizeAccessSql(sort)).sortList();
}

std::string quoteIdentifier(std::string_view name) {
    if (name.find('\0') != std::string_view::npos)
        throw RuntimeError(errors::invalidName,
                           "'" + std::string(name.substr(0, name.find('\0'))) +
                               "' is not a valid name.  Make sure that it does not include "
                               "invalid characters or punctuation and that it is not too long.");
    std::string quoted = "\"";
    for (char c : name) {
        quoted.push_back(c);
        if (c == '"')
            quoted.push_back('"');
    }
    return quoted + "\"";
}

std::string DialectParser::filterExpression() {
    if (peek().kind == TokenKind::End)
        expressionError("Syntax error (missing operator)");
    std::string result = conditionExpression();
    if (peek().kind != TokenKind::End)
        failAtToken(peek());
    return result;
}

std::string DialectParser::sortList() {
    if (peek().kind == TokenKind::End)
        expressionError("Syntax error (missing operator)");
    std::string result = orderByList();
    if (peek().kind != TokenKind::End)
        failAtToken(peek());
    return result;
}

} // namespace fieldizer::db
