#pragma once
// Running statements of the Access dialect: the common ground of
// Database.Execute, Database.OpenRecordset and the query definitions.

#include "workbench/database_engine/connection.h"
#include "workbench/database_engine/recordset.h"
#include "workbench/dialect/sql_dialect.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

// A statement translated from the program's text, with the UTF-8 form of the
// original kept for error reports.
struct AccessStatement {
    std::string accessUtf8;
    TranslatedStatement translated;
};

AccessStatement translateStatement(std::string_view accessSql,
                                   const std::vector<std::string>& undeclaredParameters = {});

// As translateStatement, with every name the statement uses that is neither
// a field of its tables nor declared taken as a parameter of type Text, after
// the declared ones, as a query definition's Parameters hold them. They are
// found by preparing the statement on `connection`; a statement that fails
// for another reason keeps what was found so far and fails when it runs.
AccessStatement translateWithUndeclaredParameters(Connection& connection,
                                                  std::string_view accessSql);

// Binds the parameters (:p1, :p2 ...) to values in order, each converted to
// its declared type by fitParameterValue (field_type.h); 3061 when one has
// no value, 3421 naming a parameter whose value does not convert.
Bindings parameterBindings(const AccessStatement& statement,
                           const std::vector<std::optional<Value>>& values);

// Runs an action statement, CREATE TABLE or SELECT ... INTO and returns the
// number of rows changed; a plain SELECT is error 3065.
long executeStatement(Connection& connection, const AccessStatement& statement,
                      const Bindings& bindings);

// What a SELECT's recordset is opened on. Other statements are error 3219.
RecordsetSource selectSource(Connection& connection, const AccessStatement& statement,
                             Bindings bindings);

// Whether a recordset source text is SQL rather than a table or query name.
bool looksLikeSql(std::string_view source);

} // namespace fieldizer::db
