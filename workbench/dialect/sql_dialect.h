#pragma once
// Translation of the SQL the program and its users write (the Access dialect)
// into SQLite's dialect. Built on a tokenizer, so string literals and
// bracketed names always pass through intact.

#include "text_engine/runtime_error.h"

#include <optional>
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
    // Text: 1 to 255; TEXT, CHAR and VARCHAR without a size are 255 in
    // CREATE TABLE, as the engine's DDL makes them; other types: 0
    int size = 0;
    bool autoIncrement = false;
    bool notNull = false;
    // PRIMARY KEY on this field alone. A COUNTER becomes the key when the
    // statement names no other, since SQLite numbers rows by itself only for
    // its INTEGER PRIMARY KEY; any other COUNTER must be numbered by the layer.
    bool primaryKey = false;
    bool unique = false; // UNIQUE on this field alone
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
    // SQLite SQL; for SelectInto the SELECT without INTO. For CreateTable a
    // plain SQLite rendering (VARCHAR(n) COLLATE NOCASE, INTEGER, DOUBLE ...);
    // `fields` are what the layer keeps as the table's description.
    std::string sql;
    // SelectInto / CreateTable: the table name, unquoted. Action: the table
    // the statement changes (INSERT, UPDATE, DELETE, DROP, ALTER, CREATE INDEX).
    std::string target;
    std::vector<DialectField> fields;         // CreateTable; ALTER TABLE ADD: the new field
    std::vector<DialectParameter> parameters; // declared, then the undeclared ones given
    // Where `sql` names the row number of `target` as "rowid" (a DELETE over
    // a join): a field of the table may take that name, so the caller, who
    // can read the table, puts a name no field has there (rowid, oid or
    // _rowid_), from the last position to the first.
    std::vector<std::size_t> rowKeyPositions = {};
    // Named parameters in `sql` are written as :p1, :p2 ... in the order of
    // `parameters`; a name (bracketed or bare, not qualified by a table) that
    // matches a declared parameter, in any letter case, becomes that placeholder.
};

// How translated SQL sees values, and how the layer must store them:
// - Date/Time: text "YYYY-MM-DD HH:MM:SS" (always with the time; midnight for
//   a date alone; a time alone falls on 1899-12-30, the engine's day zero).
//   Date literals (#8/7/00#, #2000-08-07 10:30#) become such text, so they
//   compare correctly with stored values.
//   + and - go through access_add/access_sub, which count dates as days.
// - Yes/No: -1 and 0; True, Yes, On and False, No, Off become -1 and 0, and
//   so do comparisons and AND, OR, NOT where they are values (in WHERE, ON
//   and HAVING they stay SQLite's own truth, which indexes serve).
// - Text: UTF-8; columns should compare with COLLATE NOCASE. Comparisons in
//   translated SQL carry COLLATE NOCASE themselves, LIKE is case-insensitive.
// Translated SQL calls functions of registerAccessFunctions (sql_functions.h):
// run it only on a connection they are registered on.

// Translates one statement. A trailing ";" is allowed. Throws RuntimeError
// with the engine's syntax-error number and description (3075, 3129, 3131,
// 3134, 3144 ...) for what it can tell is malformed; never crashes on any
// bytes. `undeclaredParameters` are names the statement uses without
// declaring them that are no fields either (the engine finds them): each
// becomes a parameter of type "Text" after the declared ones.
TranslatedStatement translateAccessSql(std::string_view accessSql,
                                       const std::vector<std::string>& undeclaredParameters = {});

// Translates a bare expression, such as a recordset filter, into the body of
// an SQLite WHERE clause. Text criteria may also be written ''text'' (two
// apostrophes each side), as the filter prompt shows them. Errors as above.
std::string translateAccessExpression(std::string_view expression);

// Translates a recordset sort ("[name] desc, other") into the body of an
// SQLite ORDER BY clause. Errors as above (3075 for a malformed term).
std::string translateAccessSort(std::string_view sort);

// Reads a date as the engine reads date literals and typed dates:
// m/d/yy, m/d/yyyy, yyyy-mm-dd, d-mmm-yyyy, "August 7, 2000", each with an
// optional time (h:mm[:ss] [AM|PM]), or a time alone. Two-digit years 00-29
// are 2000-2029, 30-99 are 1930-1999. Returns the stored form
// "YYYY-MM-DD HH:MM:SS", or nothing when the text is not a valid date.
std::optional<std::string> accessDateToStorage(std::string_view text);

// The engine's error for SQLite's complaint about a translated statement
// (what sqlite3_prepare or sqlite3_step reported): "no such table: x" gives
// 3078, an unknown field 3061 "Too few parameters. Expected 1.", an unknown
// function 3085, an existing table 3010; an Access function that failed while
// the statement ran gives 5, 6, 13, 93 or 94 (see sql_functions.h); any other
// message (a syntax error) gives the syntax error of the statement's kind,
// told from `accessSql`: 3141 SELECT, 3134 INSERT, 3144 UPDATE, 3130 DELETE,
// 3290 CREATE TABLE, 3291 CREATE INDEX, 3293 ALTER, 3295 DROP, 3129 anything
// else.
RuntimeError sqliteErrorFor(std::string_view accessSql, std::string_view sqliteMessage);

// Whether a user's SQL may call the function `name` (any letter case): only
// the functions of the Access dialect are callable, never SQLite's own
// others; calling any other is error 3085, "Undefined function".
bool isAccessFunction(std::string_view name);
// Every such name, in lower case.
std::vector<std::string_view> accessFunctionNames();

// Keywords and names compare without regard to ASCII letter case; Format's
// named formats too.
bool sameAccessWord(std::string_view a, std::string_view b);

// Quotes a table or field name as an SQLite identifier ("name", inner quotes
// doubled). Every place that builds SQL from a user's name goes through this.
std::string quoteIdentifier(std::string_view name);

// An SQLite text literal holding `value` exactly.
std::string sqlTextLiteral(std::string_view value);

} // namespace fieldizer::db
