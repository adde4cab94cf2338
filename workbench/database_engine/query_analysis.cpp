#include "workbench/database_engine/query_analysis.h"

#include "text_engine/cp1252.h"
#include "workbench/database_engine/row_key.h"
#include "workbench/database_engine/table_def.h"

#include <algorithm>
#include <cctype>
#include <set>
#include <sqlite3.h>

namespace fieldizer::db {
namespace {

struct Word {
    std::string text;   // a bare word, or one punctuation character
    std::size_t offset; // where it starts in the SQL
    int depth;          // parentheses around it
};

// The bare words and punctuation of SQLite SQL outside literals and quoted
// names, with their nesting depth.
std::vector<Word> scanWords(const std::string& sql) {
    std::vector<Word> words;
    int depth = 0;
    for (std::size_t i = 0; i < sql.size();) {
        char c = sql[i];
        if (c == '\'' || c == '"' || c == '`' || c == '[') {
            char close = c == '[' ? ']' : c;
            std::size_t end = sql.find(close, i + 1);
            while (end != std::string::npos && close != ']' && end + 1 < sql.size() &&
                   sql[end + 1] == close)
                end = sql.find(close, end + 2);
            words.push_back({"name", i, depth});
            i = end == std::string::npos ? sql.size() : end + 1;
        } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
            std::size_t end = sql.find('\n', i);
            i = end == std::string::npos ? sql.size() : end;
        } else if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
            std::size_t end = sql.find("*/", i + 2);
            i = end == std::string::npos ? sql.size() : end + 2;
        } else if (std::isalnum(static_cast<unsigned char>(c)) || c == '_' || (c & 0x80)) {
            std::size_t start = i;
            while (i < sql.size() && (std::isalnum(static_cast<unsigned char>(sql[i])) ||
                                      sql[i] == '_' || (sql[i] & 0x80)))
                ++i;
            words.push_back({sql.substr(start, i - start), start, depth});
        } else {
            if (c == ')')
                --depth;
            if (!std::isspace(static_cast<unsigned char>(c)))
                words.push_back({std::string(1, c), i, depth});
            if (c == '(')
                ++depth;
            ++i;
        }
    }
    return words;
}

bool isOneOf(const std::string& word, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(),
                       [&](const char* name) { return sameName(word, name); });
}

// One plain table in FROM, nothing that merges or groups rows.
bool simpleShape(const std::vector<Word>& words) {
    if (words.empty() || !sameName(words[0].text, "SELECT"))
        return false;
    bool inFrom = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const Word& word = words[i];
        if (isOneOf(word.text, {"DISTINCT", "GROUP", "HAVING", "UNION", "INTERSECT", "EXCEPT",
                                "JOIN", "WINDOW", "OVER", "VALUES", "WITH"}))
            return false;
        if (word.depth != 0)
            continue;
        if (sameName(word.text, "FROM")) {
            inFrom = true;
            if (i + 1 < words.size() && words[i + 1].text == "(")
                return false;
        } else if (isOneOf(word.text, {"WHERE", "ORDER", "LIMIT"})) {
            inFrom = false;
        } else if (inFrom && word.text == ",") {
            return false;
        }
    }
    return true;
}

struct Reads {
    std::set<std::string> tables;
    bool aggregate = false;
};

int authorize(void* context, int action, const char* first, const char* second, const char*,
              const char*) {
    auto reads = static_cast<Reads*>(context);
    if (action == SQLITE_READ && first)
        reads->tables.insert(first);
    if (action == SQLITE_FUNCTION && second &&
        isOneOf(second, {"count", "sum", "avg", "total", "min", "max", "group_concat"}))
        reads->aggregate = true;
    return SQLITE_OK;
}

} // namespace

std::optional<EditableQuery> editableQuery(Connection& connection, const std::string& sql,
                                           const Bindings& bindings) {
    std::vector<Word> words = scanWords(sql);
    if (!simpleShape(words))
        return std::nullopt;
    Reads reads;
    sqlite3_set_authorizer(connection.handle(), authorize, &reads);
    std::optional<Statement> statement;
    try {
        statement = connection.tryPrepare(sql);
    } catch (...) {
        sqlite3_set_authorizer(connection.handle(), nullptr, nullptr);
        throw;
    }
    sqlite3_set_authorizer(connection.handle(), nullptr, nullptr);
    if (!statement || reads.aggregate || reads.tables.size() != 1)
        return std::nullopt;
    EditableQuery query;
    std::string table = *reads.tables.begin();
    for (int i = 0; i < statement->columnCount(); ++i) {
        const char* columnTable = sqlite3_column_table_name(statement->handle(), i);
        const char* origin = sqlite3_column_origin_name(statement->handle(), i);
        if (!columnTable || !origin || !sameName(columnTable, table))
            return std::nullopt;
        query.baseColumns.push_back(utf8ToCp1252(origin));
    }
    query.table = utf8ToCp1252(table);
    std::size_t afterSelect = words[0].offset + words[0].text.size();
    // A table whose fields take every name of the row number has no keyed
    // form either.
    auto key = freeRowKey(connection, query.table);
    if (!key)
        return std::nullopt;
    query.keyedSql =
        sql.substr(0, afterSelect) + " " + *key + " AS fieldizer_rowid_," + sql.substr(afterSelect);
    // A source without row numbers (a view, a table WITHOUT ROWID) has no
    // keyed form; any other failure is the database's and is reported.
    std::optional<Statement> keyed = connection.tryPrepare(query.keyedSql);
    if (!keyed)
        return std::nullopt;
    bindAll(*keyed, bindings);
    return query;
}

} // namespace fieldizer::db
