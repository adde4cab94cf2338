#pragma once
// The translator's parser: reads Access SQL tokens by recursive descent and
// writes SQLite SQL as it goes. Expressions come out fully parenthesised, so
// the engine's operator precedence survives SQLite's different one.

#include "workbench/dialect/sql_dialect.h"
#include "workbench/dialect/sql_tokenizer.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

class DialectParser {
  public:
    DialectParser(std::string_view source, std::vector<Token> tokens);

    TranslatedStatement statement();
    std::string filterExpression(); // the whole input as one expression
    std::string sortList();         // the whole input as ORDER BY terms

  private:
    // Counts nesting so that no input can exhaust the stack.
    struct Nesting {
        explicit Nesting(DialectParser& parser) : parser_(parser) { parser_.enter(); }
        ~Nesting() { parser_.leave(); }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;
        DialectParser& parser_;
    };

    // Cursor (sql_dialect_cursor.cpp)
    const Token& peek(std::size_t ahead = 0) const;
    const Token& take();
    bool isWord(std::string_view word, std::size_t ahead = 0) const;
    bool isSymbol(std::string_view symbol, std::size_t ahead = 0) const;
    bool acceptWord(std::string_view word);
    bool acceptSymbol(std::string_view symbol);
    void expectWord(std::string_view word, int errorNumber);
    void expectSymbol(std::string_view symbol, int errorNumber);
    bool isReserved(const Token& token) const;
    bool isNameToken(const Token& token) const; // usable as a name: bracketed or not reserved
    std::string takeName(int errorNumber);      // a name, unquoted
    std::string takeQualifiedName(int errorNumber, std::string* qualifier = nullptr);
    void finish(); // after a statement: optional ";" then the end
    void enter();  // nesting guard
    void leave() { --depth_; }

    // Expressions (sql_dialect_expression.cpp)
    std::string topExpression();
    std::string orExpression();
    std::string andExpression();
    std::string notExpression();
    std::string comparison();
    std::string comparisonTail(std::string left);
    std::string concatenation();
    std::string additive();
    std::string modulo();
    std::string integerDivision();
    std::string multiplicative();
    std::string unary();
    std::string power();
    std::string exponent();
    std::string primary();
    std::string parenthesised();
    std::string valueList();
    std::string nameReference();
    std::string functionCall(std::string name);
    std::string literal(const Token& token);
    std::vector<std::string> arguments();
    [[noreturn]] void expressionError(std::string_view problem) const;
    [[noreturn]] void failAtToken(const Token& token) const;
    std::string currentExpressionText() const;

    // Queries (sql_dialect_select.cpp)
    std::string select(std::string* intoTarget);
    std::string selectCore(std::string* intoTarget, std::string& limit);
    std::string topClause(bool& percent);
    std::string selectList();
    std::string selectItem(int& unnamed);
    std::string fromClause();
    std::string joinedTables();
    std::string tableSource();
    std::string tableAlias();
    std::string orderByList();
    std::string expressionList();

    // Other statements (sql_dialect_statements.cpp)
    TranslatedStatement dispatch();
    void parametersDeclaration();
    TranslatedStatement insertStatement();
    TranslatedStatement updateStatement();
    TranslatedStatement deleteStatement();
    TranslatedStatement createStatement();
    TranslatedStatement dropStatement();
    TranslatedStatement alterStatement();
    TranslatedStatement createIndex(bool unique);

    // CREATE TABLE (sql_dialect_create.cpp)
    TranslatedStatement createTable();
    DialectField fieldDefinition(int errorNumber);
    void fieldType(DialectField& field, int errorNumber);
    void fieldConstraints(DialectField& field, int errorNumber);
    std::string tableConstraint(std::vector<DialectField>& fields);

    std::string_view source_;
    std::vector<Token> tokens_;
    std::size_t pos_ = 0;
    std::size_t expressionStart_ = 0; // token where the current top expression began
    int depth_ = 0;
    int openParentheses_ = 0; // around the statement being read: a ")" may end an expression
    std::vector<DialectParameter> parameters_;
};

// An SQLite text literal holding `value` exactly.
std::string sqlTextLiteral(std::string_view value);

// The SQLite column declaration of a field of a CREATE TABLE or ALTER TABLE.
std::string fieldDeclaration(const DialectField& field);

} // namespace fieldizer::db
