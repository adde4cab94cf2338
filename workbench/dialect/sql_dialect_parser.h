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

    // `undeclared`: names to take as parameters of type Text after the
    // declared ones, as if the statement declared them too.
    TranslatedStatement statement(const std::vector<std::string>& undeclared = {});
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

    // Sets whether the expression being read is a condition (WHERE, ON,
    // HAVING) or a value, for as long as it lives.
    struct Mode {
        Mode(DialectParser& parser, bool condition) : parser_(parser), outer_(parser.condition_) {
            parser_.condition_ = condition;
        }
        ~Mode() { parser_.condition_ = outer_; }
        Mode(const Mode&) = delete;
        Mode& operator=(const Mode&) = delete;
        DialectParser& parser_;
        bool outer_;
    };

    // What a select list holds, for the rule that a field beside an
    // aggregate needs GROUP BY.
    struct ListScan {
        bool active = false;
        int aggregateDepth = 0;
        bool sawAggregate = false;
        std::string bareField;            // the first field outside any aggregate
        std::vector<std::string> aliases; // names given with AS, quoted
    };

    // Expressions (sql_dialect_expression.cpp)
    std::string topExpression();
    std::string conditionExpression(); // a WHERE, ON or HAVING condition
    std::string wholeExpression();     // up to where a clause or list goes on
    // A truth value of SQLite (1/0) as the engine's (-1/0) where it is a
    // value; a condition keeps SQLite's, so that indexes still serve it.
    std::string truth(const std::string& sql) const;
    bool conditionOperandAhead() const; // "( ... )" that is a whole condition
    std::string quantified(const std::string& left, const std::string& op);
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
    void noteField(const std::string& name); // for ListScan
    std::string functionCall(std::string name);
    std::string translatedCall(const std::string& lower, const std::string& name,
                               const std::vector<std::string>& args);
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
    bool condition_ = false;  // see Mode
    ListScan scan_;
    int tablesRead_ = 0;                   // tables named in FROM clauses so far
    std::string lastRowsPart_;             // FROM ... HAVING of the last SELECT read
    std::vector<std::string> lastAliases_; // its select list's AS names
    std::vector<DialectParameter> parameters_;
};

// The SQLite column declaration of a field of a CREATE TABLE or ALTER TABLE.
std::string fieldDeclaration(const DialectField& field);

} // namespace fieldizer::db
