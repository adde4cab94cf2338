#include "workbench/dialect/sql_dialect.h"

#include <algorithm>
#include <array>

namespace fieldizer::db {
namespace {

// The functions of the Access dialect, in lower case: those the translator
// writes out itself (IIf, Switch, Choose, Nz, IsNull), the aggregates, the
// Access functions registered on every connection (sql_functions.h), and
// the few of SQLite's own that mean in SQLite what they mean in Access.
// Nothing else of SQLite's is callable from a user's SQL: not its file,
// extension or memory functions, nor those whose meaning differs.
constexpr std::array<std::string_view, 79> accessFunctions{
    // written out by the translator
    "choose", "iif", "isnull", "nz", "switch",
    // aggregates
    "avg", "count", "first", "last", "max", "min", "stdev", "stdevp", "sum", "var", "varp",
    // registered Access functions
    "asc", "cbool", "ccur", "cdate", "cdbl", "chr", "cint", "clng", "csng", "cstr", "date",
    "dateadd", "datediff", "datepart", "dateserial", "datevalue", "day", "fix", "format", "hex",
    "hour", "instr", "instrrev", "int", "isdate", "isnumeric", "lcase", "left", "len", "ltrim",
    "mid", "minute", "month", "monthname", "now", "right", "rnd", "round", "rtrim", "second", "sgn",
    "space", "sqr", "str", "strcomp", "strconv", "string", "strreverse", "time", "timeserial",
    "timevalue", "trim", "ucase", "val", "weekday", "weekdayname", "year",
    // SQLite's own, meaning what the Access function of that name means
    "abs", "cos", "exp", "replace", "sin", "tan"};

} // namespace

bool isAccessFunction(std::string_view name) {
    return std::any_of(accessFunctions.begin(), accessFunctions.end(),
                       [&](std::string_view known) { return sameAccessWord(known, name); });
}

std::vector<std::string_view> accessFunctionNames() {
    return {accessFunctions.begin(), accessFunctions.end()};
}

} // namespace fieldizer::db
