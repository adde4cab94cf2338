#pragma once
// A saved Access query's SQL text, put back together from its rows in the
// file's query catalogue (the system table MSysQueries). Access keeps a
// query there as parts, one row each: its kind, parameters, tables, joins,
// output columns, criteria, grouping and sorting.

#include <optional>
#include <string>
#include <vector>

namespace fieldizer::access {

// One catalogue row of a query, as stored: `attribute` says which part it
// is; the meaning of the other columns depends on it.
struct QueryPart {
    int attribute = 0;
    std::string name1;
    std::string name2;
    std::string expression;
    std::optional<int> flag;
};

struct QueryText {
    std::string sql;
    std::string connect; // pass-through queries: the ODBC connect string
    bool returnsRecords = true;
};

// The SQL of the query made of `parts` (in stored order), or nothing when
// its kind is missing or unknown.
std::optional<QueryText> queryText(const std::vector<QueryPart>& parts);

} // namespace fieldizer::access
