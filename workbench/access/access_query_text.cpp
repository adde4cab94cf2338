#include "workbench/access/access_query_text.h"

#include <algorithm>
#include <set>

namespace fieldizer::access {
namespace {

namespace attribute {
constexpr int kind = 1;
constexpr int parameter = 2;
constexpr int flags = 3;
constexpr int table = 5;
constexpr int column = 6;
constexpr int join = 7;
constexpr int where = 8;
constexpr int groupBy = 9;
constexpr int having = 10;
constexpr int orderBy = 11;
} // namespace attribute

namespace kind {
constexpr int select = 1;
constexpr int makeTable = 2;
constexpr int append = 3;
constexpr int update = 4;
constexpr int remove = 5;
constexpr int crosstab = 6;
constexpr int dataDefinition = 7;
constexpr int passThrough = 8;
constexpr int unionQuery = 9;
} // namespace kind

constexpr int distinctFlag = 0x02;
constexpr int distinctRowFlag = 0x08;
constexpr int topFlag = 0x10;
constexpr int percentFlag = 0x20;
constexpr int unionAllFlag = 0x01;
constexpr int leftJoin = 2;
constexpr int rightJoin = 3;
// Crosstab columns and groupings: the value, the column heading, a row heading.
constexpr int crosstabValue = 0;
constexpr int crosstabPivot = 1;

using Parts = std::vector<QueryPart>;

Parts partsOf(const Parts& parts, int which) {
    Parts out;
    std::copy_if(parts.begin(), parts.end(), std::back_inserter(out),
                 [&](const QueryPart& p) { return p.attribute == which; });
    return out;
}

std::string bracketed(const std::string& name) {
    if (name.empty() || name.front() == '[')
        return name;
    return "[" + name + "]";
}

std::string joined(const std::vector<std::string>& items, const std::string& separator) {
    std::string out;
    for (const std::string& item : items)
        out += (out.empty() ? "" : separator) + item;
    return out;
}

std::string columnText(const QueryPart& column) {
    if (column.name1.empty())
        return column.expression;
    return column.expression + " AS " + bracketed(column.name1);
}

std::vector<std::string> columnTexts(const Parts& columns) {
    std::vector<std::string> out;
    for (const QueryPart& column : columns)
        out.push_back(columnText(column));
    return out;
}

std::string parameterType(int type) {
    switch (type) {
    case 1:
        return "Bit";
    case 2:
        return "Byte";
    case 3:
        return "Short";
    case 4:
        return "Long";
    case 5:
        return "Currency";
    case 6:
        return "IEEESingle";
    case 7:
        return "IEEEDouble";
    case 8:
        return "DateTime";
    case 12:
        return "Memo";
    default:
        return "Text";
    }
}

std::string parametersClause(const Parts& parts) {
    std::vector<std::string> declared;
    for (const QueryPart& p : partsOf(parts, attribute::parameter))
        declared.push_back(bracketed(p.name1) + " " + parameterType(p.flag.value_or(10)));
    return declared.empty() ? "" : "PARAMETERS " + joined(declared, ", ") + ";\n";
}

// The name a table goes by in the query: its alias, else its own name.
std::string tableKey(const QueryPart& table) {
    return table.name2.empty() ? table.name1 : table.name2;
}

std::string tableReference(const QueryPart& table) {
    if (table.name2.empty())
        return bracketed(table.name1);
    return bracketed(table.name1) + " AS " + bracketed(table.name2);
}

// The FROM clause: the joins nest left to right from the first table joined,
// each join bringing one new table; joins between the same two tables are
// one join on all their conditions; tables joined to nothing follow, after
// commas.
std::string fromClause(const Parts& parts) {
    Parts tables = partsOf(parts, attribute::table);
    Parts joins = partsOf(parts, attribute::join);
    auto reference = [&](const std::string& key) {
        for (const QueryPart& t : tables)
            if (tableKey(t) == key)
                return tableReference(t);
        return bracketed(key);
    };
    std::set<std::string> placed;
    std::string from;
    std::vector<bool> used(joins.size(), false);
    for (bool progress = true; progress;) {
        progress = false;
        for (std::size_t i = 0; i < joins.size(); ++i) {
            const QueryPart& j = joins[i];
            if (used[i])
                continue;
            if (placed.empty()) {
                from = reference(j.name1);
                placed.insert(j.name1);
            }
            bool leftIn = placed.count(j.name1) != 0;
            bool rightIn = placed.count(j.name2) != 0;
            if (!leftIn && !rightIn)
                continue;
            std::string condition = j.expression;
            for (std::size_t k = i + 1; k < joins.size(); ++k)
                if (!used[k] && joins[k].name1 == j.name1 && joins[k].name2 == j.name2) {
                    condition += " AND " + joins[k].expression;
                    used[k] = true;
                }
            used[i] = progress = true;
            if (leftIn && rightIn) { // both already in: a further condition
                from += " AND " + condition;
                continue;
            }
            int type = j.flag.value_or(1);
            if (!leftIn) // the new table is on the left: mirror the join
                type = type == leftJoin ? rightJoin : type == rightJoin ? leftJoin : type;
            std::string keyword = type == leftJoin    ? " LEFT JOIN "
                                  : type == rightJoin ? " RIGHT JOIN "
                                                      : " INNER JOIN ";
            const std::string& added = leftIn ? j.name2 : j.name1;
            std::string wrapped = placed.size() > 1 ? "(" + from + ")" : from;
            from = wrapped + keyword + reference(added) + " ON " + condition;
            placed.insert(added);
        }
    }
    for (const QueryPart& t : tables)
        if (!placed.count(tableKey(t))) {
            from += (from.empty() ? "" : ", ") + tableReference(t);
            placed.insert(tableKey(t));
        }
    return from;
}

std::string listClause(const Parts& parts, int which, const std::string& keyword) {
    std::vector<std::string> items;
    for (const QueryPart& p : partsOf(parts, which)) {
        bool descending = which == attribute::orderBy && (p.name1 == "D" || p.name1 == "d");
        items.push_back(p.expression + (descending ? " DESC" : ""));
    }
    return items.empty() ? "" : "\n" + keyword + " " + joined(items, ", ");
}

std::string conditionClause(const Parts& parts, int which, const std::string& keyword) {
    Parts found = partsOf(parts, which);
    return found.empty() ? "" : "\n" + keyword + " " + found.front().expression;
}

// FROM ... WHERE ... GROUP BY ... HAVING ... ORDER BY ...
std::string tail(const Parts& parts) {
    std::string from = fromClause(parts);
    return (from.empty() ? "" : "\nFROM " + from) +
           conditionClause(parts, attribute::where, "WHERE") +
           listClause(parts, attribute::groupBy, "GROUP BY") +
           conditionClause(parts, attribute::having, "HAVING") +
           listClause(parts, attribute::orderBy, "ORDER BY");
}

std::string selectHead(const Parts& parts) {
    Parts flags = partsOf(parts, attribute::flags);
    int flag = flags.empty() ? 0 : flags.front().flag.value_or(0);
    std::string head = "SELECT ";
    if (flag & distinctFlag)
        head += "DISTINCT ";
    else if (flag & distinctRowFlag)
        head += "DISTINCTROW ";
    if ((flag & topFlag) && !flags.front().name1.empty())
        head += "TOP " + flags.front().name1 + ((flag & percentFlag) ? " PERCENT " : " ");
    return head;
}

std::string selectList(const Parts& parts) {
    std::vector<std::string> columns = columnTexts(partsOf(parts, attribute::column));
    return columns.empty() ? "*" : joined(columns, ", ");
}

std::string targetTable(const Parts& parts) {
    Parts kindPart = partsOf(parts, attribute::kind);
    return kindPart.empty() ? "" : bracketed(kindPart.front().name1);
}

std::string appendQuery(const Parts& parts) {
    std::vector<std::string> targets, values;
    for (const QueryPart& c : partsOf(parts, attribute::column)) {
        targets.push_back(c.name2);
        values.push_back(c.expression);
    }
    return "INSERT INTO " + targetTable(parts) + " (" + joined(targets, ", ") + ")\n" +
           selectHead(parts) + joined(values, ", ") + tail(parts);
}

std::string updateQuery(const Parts& parts) {
    std::vector<std::string> sets;
    for (const QueryPart& c : partsOf(parts, attribute::column))
        sets.push_back(c.name2 + " = " + c.expression);
    return "UPDATE " + fromClause(parts) + " SET " + joined(sets, ", ") +
           conditionClause(parts, attribute::where, "WHERE");
}

// Access lists the deleted table's fields; "DELETE table.* FROM" says the
// same in the form every Access SQL reader takes.
std::string deleteQuery(const Parts& parts) {
    Parts columns = partsOf(parts, attribute::column);
    std::string target = "*";
    if (!columns.empty()) {
        const std::string& first = columns.front().expression;
        std::size_t dot = first.rfind('.');
        target = dot == std::string::npos ? "*" : first.substr(0, dot) + ".*";
    }
    return "DELETE " + target + tail(parts);
}

std::string crosstabQuery(const Parts& parts) {
    std::vector<std::string> values, rows, rowGroups, pivot;
    for (const QueryPart& c : partsOf(parts, attribute::column))
        (c.flag.value_or(0) == crosstabValue ? values : rows).push_back(columnText(c));
    for (const QueryPart& g : partsOf(parts, attribute::groupBy))
        (g.flag.value_or(0) == crosstabPivot ? pivot : rowGroups).push_back(g.expression);
    // The pivot's own column is no row heading.
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [&](const std::string& r) {
                                  return std::find(pivot.begin(), pivot.end(), r) != pivot.end();
                              }),
               rows.end());
    std::string from = fromClause(parts);
    return "TRANSFORM " + joined(values, ", ") + "\nSELECT " + joined(rows, ", ") + "\nFROM " +
           from + conditionClause(parts, attribute::where, "WHERE") +
           (rowGroups.empty() ? "" : "\nGROUP BY " + joined(rowGroups, ", ")) +
           conditionClause(parts, attribute::having, "HAVING") +
           listClause(parts, attribute::orderBy, "ORDER BY") + "\nPIVOT " + joined(pivot, ", ");
}

std::string unionQuery(const Parts& parts) {
    Parts members = partsOf(parts, attribute::table);
    std::stable_sort(members.begin(), members.end(),
                     [](const QueryPart& a, const QueryPart& b) { return a.name2 < b.name2; });
    Parts flags = partsOf(parts, attribute::flags);
    bool all = !flags.empty() && (flags.front().flag.value_or(0) & unionAllFlag);
    std::vector<std::string> selects;
    for (const QueryPart& m : members)
        selects.push_back(m.expression);
    return joined(selects, all ? "\nUNION ALL\n" : "\nUNION\n") +
           listClause(parts, attribute::orderBy, "ORDER BY");
}

std::optional<std::string> statementOf(int type, const Parts& parts, const QueryPart& kindPart) {
    switch (type) {
    case kind::select:
        return selectHead(parts) + selectList(parts) + tail(parts);
    case kind::makeTable:
        return selectHead(parts) + selectList(parts) + " INTO " + targetTable(parts) + tail(parts);
    case kind::append:
        return appendQuery(parts);
    case kind::update:
        return updateQuery(parts);
    case kind::remove:
        return deleteQuery(parts);
    case kind::crosstab:
        return crosstabQuery(parts);
    case kind::dataDefinition:
    case kind::passThrough:
        return kindPart.expression;
    case kind::unionQuery:
        return unionQuery(parts);
    default:
        return std::nullopt;
    }
}

} // namespace

std::optional<QueryText> queryText(const std::vector<QueryPart>& parts) {
    Parts kindParts = partsOf(parts, attribute::kind);
    if (kindParts.empty() || !kindParts.front().flag)
        return std::nullopt;
    const QueryPart& kindPart = kindParts.front();
    int type = *kindPart.flag;
    auto statement = statementOf(type, parts, kindPart);
    if (!statement)
        return std::nullopt;
    QueryText text;
    text.sql = parametersClause(parts) + *statement;
    text.returnsRecords = type == kind::select || type == kind::crosstab ||
                          type == kind::unionQuery || type == kind::passThrough;
    if (type == kind::passThrough)
        text.connect = kindPart.name1;
    return text;
}

} // namespace fieldizer::access
