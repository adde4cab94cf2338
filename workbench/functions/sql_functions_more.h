#pragma once
// More of Access's functions, registered with the others by
// registerAccessFunctions: InStrRev, String, StrComp, StrReverse, StrConv,
// Chr, Asc, CCur, CSng, IsNumeric, IsDate, Sqr, Rnd, and the aggregates
// StDev, StDevP, Var, VarP.

struct sqlite3;

namespace fieldizer::db::access_values {

void registerMoreFunctions(sqlite3* db);

} // namespace fieldizer::db::access_values
