#pragma once
// Translation of the SQL the program and its users write (the Access dialect)
// into SQLite's dialect. Built on a tokenizer, so string literals and
// bracketed names always pass through intact.

#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

// A field of a CREATE TABLE statement, in the engine's type numbers:
// 1 Yes/No, 2 Byte, 3 Integer, 4 Long, 5 Currency, 6 Single, 7 Double,
// 8 Date/Time, 10 Text, 12 Memo; a COUNTER is Long with autoIncrement.
struct DialectField {
    std::string name;
    int type = 10;
    int size = 0; // Text: 1 to 255 (50 when not given); other types: 0
    bool autoIncrement = false;
    bool notNull = false;
};

struct DialectParameter {
    std::string name; // as declared, without brackets
    std::string type; // the declared type name, e.g. "Text", "Long", "DateTime"
};

enum class StatementKind {
    Select,      // returns records
    SelectInto,  // SELECT ... INTO target FROM ...: creates `target` from the query
    CreateTable, // CREATE TABLE: `target` with `fields`
    Action,      // INSERT, UPDATE, DELETE, DROP, ALTER ...
};

struct TranslatedStatement {
    StatementKind kind = StatementKind::Select;
    std::string sql;    // SQLite SQL; for SelectInto the SELECT without INTO
    std::string target; // SelectInto / CreateTable: the table name, unquoted
    std::vector<DialectField> fields;         // CreateTable only
    std::vector<DialectParameter> parameters; // from a PARAMETERS declaration
    // Named parameters in `sql` are written as :p1, :p2 ... in the order of
    // `parameters`; a bracketed name that matches a declared parameter
    // becomes that placeholder.
};

// Translates one statement. A trailing ";" is allowed. Throws RuntimeError
// with the engine's syntax-error number and description (3075, 3129, 3131,
// 3134, 3144 ...) for what it can tell is malformed; never crashes on any
// bytes.
TranslatedStatement translateAccessSql(std::string_view accessSql);

// Quotes a table or field name as an SQLite identifier. Every place that
// builds SQL from a user's name goes through this.
std::string quoteIdentifier(std::string_view name);

} // namespace fieldizer::db
