#pragma once
// The engine's syntax errors, with its numbers and wording, for the dialect
// translator.

#include "text_engine/database_error_numbers.h"
#include "text_engine/runtime_error.h"

#include <string_view>

namespace fieldizer::db::dialect_errors {

// The fixed description of one of the syntax numbers of the engine's table
// (not 3075, 3125, 3126).
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

// 3085 "Undefined function '<name>' in expression."
RuntimeError undefinedFunction(std::string_view name);

// 3126 "Invalid bracketing of name '<name>'."
RuntimeError invalidBracketing(std::string_view name);

} // namespace fieldizer::db::dialect_errors
