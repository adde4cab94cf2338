#pragma once
// The engine's syntax errors, with its numbers and wording, for the dialect
// translator.

#include "engine/runtime_error.h"

#include <string_view>

namespace fieldizer::db::dialect_errors {

inline constexpr int queryExpression = 3075;
inline constexpr int notInAggregate = 3122;
inline constexpr int notValidName = 3125;
inline constexpr int bracketing = 3126;
inline constexpr int deleteNeedsTable = 3128;
inline constexpr int invalidStatement = 3129;
inline constexpr int deleteStatement = 3130;
inline constexpr int fromClause = 3131;
inline constexpr int groupByClause = 3132;
inline constexpr int havingClause = 3133;
inline constexpr int insertStatement = 3134;
inline constexpr int joinOperation = 3135;
inline constexpr int orderByClause = 3138;
inline constexpr int parameterClause = 3139;
inline constexpr int selectStatement = 3141;
inline constexpr int charactersAfterEnd = 3142;
inline constexpr int updateStatement = 3144;
inline constexpr int constraintClause = 3289;
inline constexpr int createTableStatement = 3290;
inline constexpr int createIndexStatement = 3291;
inline constexpr int fieldDefinition = 3292;
inline constexpr int alterTableStatement = 3293;
inline constexpr int dropStatement = 3295;
inline constexpr int unsupportedFeature = 3251;
inline constexpr int tooComplex = 3360;

// The fixed description of one of the numbers above (not 3075, 3125, 3126).
RuntimeError syntax(int number);

// 3075 "<problem> in query expression '<expression>'.", where problem is
// e.g. "Syntax error (missing operator)" or "Syntax error in string".
RuntimeError inExpression(std::string_view problem, std::string_view expression);
RuntimeError missingOperator(std::string_view expression);

// 3122: a field beside an aggregate in a query without GROUP BY.
RuntimeError notPartOfAggregate(std::string_view expression);

// 3251 "This Access SQL feature is not supported: <feature>.", for what the
// engine offers and this translator leaves out, so that it names itself
// instead of looking like a typing mistake.
RuntimeError notSupported(std::string_view feature);

// 3126 "Invalid bracketing of name '<name>'."
RuntimeError invalidBracketing(std::string_view name);

} // namespace fieldizer::db::dialect_errors
