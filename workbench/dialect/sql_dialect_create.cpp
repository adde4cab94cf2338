#include "workbench/dialect/sql_dialect_errors.h"
#include "workbench/dialect/sql_dialect_parser.h"

#include <array>

namespace fieldizer::db {
namespace {

using dialect_errors::syntax;

struct TypeName {
    std::string_view name;
    int type;
    bool text; // takes a size
};

// The engine's DDL type names and their synonyms.
constexpr std::array<TypeName, 34> typeNames{{
    {"text", 10, true},      {"char", 10, true},         {"varchar", 10, true},
    {"character", 10, true}, {"alphanumeric", 10, true}, {"string", 10, true},
    {"nchar", 10, true},     {"nvarchar", 10, true},     {"memo", 12, false},
    {"longtext", 12, false}, {"longchar", 12, false},    {"note", 12, false},
    {"ntext", 12, false},    {"long", 4, false},         {"integer", 4, false},
    {"int", 4, false},       {"integer4", 4, false},     {"short", 3, false},
    {"smallint", 3, false},  {"integer2", 3, false},     {"byte", 2, false},
    {"tinyint", 2, false},   {"integer1", 2, false},     {"currency", 5, false},
    {"money", 5, false},     {"single", 6, false},       {"real", 6, false},
    {"float4", 6, false},    {"ieeesingle", 6, false},   {"double", 7, false},
    {"float", 7, false},     {"float8", 7, false},       {"ieeedouble", 7, false},
    {"number", 7, false},
}};

constexpr std::array<std::string_view, 4> dateNames{"datetime", "date", "time", "timestamp"};
constexpr std::array<std::string_view, 5> yesNoNames{"yesno", "bit", "logical", "logical1",
                                                     "boolean"};
constexpr std::array<std::string_view, 3> counterNames{"counter", "autoincrement", "identity"};

template <std::size_t N>
bool oneOf(std::string_view word, const std::array<std::string_view, N>& names) {
    for (auto name : names) {
        if (sameAccessWord(word, name))
            return true;
    }
    return false;
}

// The SQLite type of an engine type: affinities that keep values as stored.
std::string sqliteType(const DialectField& field) {
    switch (field.type) {
    case 1:
        return "BOOLEAN";
    case 2:
        return "TINYINT";
    case 3:
        return "SMALLINT";
    case 4:
        return "INTEGER";
    case 5:
        return "NUMERIC";
    case 6:
        return "REAL";
    case 7:
        return "DOUBLE";
    case 8:
        return "DATETIME";
    case 10:
        return "VARCHAR(" + std::to_string(field.size) + ") COLLATE NOCASE";
    default:
        return "TEXT COLLATE NOCASE";
    }
}

// SQLite numbers rows by itself only for its INTEGER PRIMARY KEY: a COUNTER
// becomes the primary key when the statement names no other.
void numberRows(std::vector<DialectField>& fields, const std::vector<std::string>& constraints) {
    for (const auto& constraint : constraints) {
        if (constraint.starts_with("PRIMARY"))
            return;
    }
    for (const auto& field : fields) {
        if (field.primaryKey)
            return;
    }
    for (auto& field : fields) {
        if (field.autoIncrement) {
            field.primaryKey = true;
            return;
        }
    }
}

} // namespace

std::string fieldDeclaration(const DialectField& field) {
    std::string declaration = quoteIdentifier(field.name) + " " + sqliteType(field);
    if (field.notNull)
        declaration += " NOT NULL";
    if (field.primaryKey)
        declaration += field.autoIncrement ? " PRIMARY KEY AUTOINCREMENT" : " PRIMARY KEY";
    if (field.unique)
        declaration += " UNIQUE";
    return declaration;
}

// CREATE TABLE name (field type [size] [constraints], ... [, CONSTRAINT ...])
TranslatedStatement DialectParser::createTable() {
    constexpr int error = errors::createTableStatement;
    take();
    TranslatedStatement result{StatementKind::CreateTable, {}, takeName(error), {}, {}};
    expectSymbol("(", error);
    std::vector<std::string> constraints;
    do {
        if (isWord("constraint") || isWord("primary") || isWord("unique") || isWord("foreign")) {
            std::string constraint = tableConstraint(result.fields);
            if (!constraint.empty())
                constraints.push_back(constraint);
        } else {
            result.fields.push_back(fieldDefinition(errors::fieldDefinition));
        }
    } while (acceptSymbol(","));
    expectSymbol(")", error);
    if (result.fields.empty())
        throw syntax(error);
    numberRows(result.fields, constraints);
    std::string body;
    for (const auto& field : result.fields)
        body += (body.empty() ? "" : ", ") + fieldDeclaration(field);
    for (const auto& constraint : constraints)
        body += ", " + constraint;
    result.sql = "CREATE TABLE " + quoteIdentifier(result.target) + " (" + body + ")";
    return result;
}

DialectField DialectParser::fieldDefinition(int errorNumber) {
    DialectField field;
    field.name = takeName(errorNumber);
    fieldType(field, errorNumber);
    fieldConstraints(field, errorNumber);
    return field;
}

void DialectParser::fieldType(DialectField& field, int errorNumber) {
    if (peek().kind != TokenKind::Name)
        throw syntax(errorNumber);
    std::string word = take().text;
    if (oneOf(word, counterNames)) {
        field.type = 4;
        field.autoIncrement = true;
        if (acceptSymbol("(")) { // COUNTER(seed, increment)
            bool fromOneByOne = true;
            do {
                if (peek().kind != TokenKind::Number)
                    throw syntax(errorNumber);
                bool one = take().text == "1";
                fromOneByOne = fromOneByOne && one;
            } while (acceptSymbol(","));
            expectSymbol(")", errorNumber);
            // SQLite numbers from 1 by 1; other numbering would silently differ.
            if (!fromOneByOne)
                throw dialect_errors::notSupported("AUTOINCREMENT(seed, step)");
        }
        return;
    }
    field.type = oneOf(word, dateNames) ? 8 : oneOf(word, yesNoNames) ? 1 : 0;
    bool takesSize = false;
    for (const auto& typeName : typeNames) {
        if (field.type == 0 && sameAccessWord(word, typeName.name)) {
            field.type = typeName.type;
            takesSize = typeName.text;
        }
    }
    if (field.type == 0)
        throw syntax(errorNumber);
    // A text field without a size is 255 characters, as the engine's DDL makes it.
    field.size = field.type == 10 ? 255 : 0;
    if (takesSize && acceptSymbol("(")) {
        const Token& size = peek();
        bool digits = size.kind == TokenKind::Number &&
                      size.text.find_first_not_of("0123456789") == std::string::npos;
        if (!digits || size.text.size() > 3 || std::stoi(size.text) < 1 ||
            std::stoi(size.text) > 255)
            throw syntax(errorNumber);
        field.size = std::stoi(take().text);
        expectSymbol(")", errorNumber);
    }
    if (takesSize && acceptWord("with") && !acceptWord("compression") && !acceptWord("comp"))
        throw syntax(errorNumber);
}

void DialectParser::fieldConstraints(DialectField& field, int errorNumber) {
    for (;;) {
        if (acceptWord("not")) {
            expectWord("null", errorNumber);
            field.notNull = true;
        } else if (acceptWord("null")) {
        } else if (acceptWord("constraint")) {
            takeName(errorNumber);
        } else if (acceptWord("primary")) {
            expectWord("key", errorNumber);
            field.primaryKey = true;
        } else if (acceptWord("unique")) {
            field.unique = true;
        } else if (acceptWord("references")) {
            takeName(errorNumber);
            if (acceptSymbol("(")) {
                takeName(errorNumber);
                expectSymbol(")", errorNumber);
            }
        } else {
            return;
        }
    }
}

// [CONSTRAINT name] {PRIMARY KEY | UNIQUE} (field, ...) | FOREIGN KEY (...) REFERENCES ...
std::string DialectParser::tableConstraint(std::vector<DialectField>& fields) {
    constexpr int error = errors::constraintClause;
    if (acceptWord("constraint"))
        takeName(error);
    bool primary = acceptWord("primary");
    bool foreign = !primary && acceptWord("foreign");
    if (primary || foreign)
        expectWord("key", error);
    else
        expectWord("unique", error);
    expectSymbol("(", error);
    std::vector<std::string> names;
    do {
        names.push_back(takeName(error));
    } while (acceptSymbol(","));
    expectSymbol(")", error);
    if (foreign) { // the engine's relationships are not kept
        expectWord("references", error);
        takeName(error);
        if (acceptSymbol("(")) {
            do {
                takeName(error);
            } while (acceptSymbol(","));
            expectSymbol(")", error);
        }
        return {};
    }
    std::string list;
    for (const auto& name : names)
        list += (list.empty() ? "" : ", ") + quoteIdentifier(name);
    if (names.size() == 1) { // a constraint on one field is kept with the field
        for (auto& field : fields) {
            if (sameAccessWord(field.name, names[0])) {
                (primary ? field.primaryKey : field.unique) = true;
                return {};
            }
        }
    }
    return std::string(primary ? "PRIMARY KEY (" : "UNIQUE (") + list + ")";
}

} // namespace fieldizer::db
