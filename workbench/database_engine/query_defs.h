#pragma once
// Query definitions: SQL of the Access dialect kept under a name in the
// database file (in the hidden table "MSysFieldizerQueries", created when the
// first query is saved), or temporary ones that are never saved.

#include "workbench/database_engine/connection.h"
#include "workbench/database_engine/recordset.h"
#include "workbench/database_engine/statement_runner.h"

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

inline constexpr const char* queryTableName = "MSysFieldizerQueries";

// A name in PARAMETERS, or one the statement uses that is neither declared
// nor a field of its tables (type "Text"). Its value is converted to its type
// when the query runs.
struct QueryParameter {
    std::string name; // as declared or used, without brackets
    std::string type; // the declared type name
    std::optional<Value> value;
};

class QueryDef {
  public:
    // Made by Database::createQueryDef and QueryDefs::item.
    QueryDef(std::shared_ptr<Connection> connection, std::string name, std::string sql,
             std::string connect = {}, bool returnsRecords = true);

    const std::string& name() const { return name_; }
    bool isTemporary() const { return name_.empty(); }
    const std::string& sql() const { return sql_; }
    // Checks the statement (the engine's syntax errors) and, for a saved
    // query, stores it at once. Parameters are read anew from it.
    void setSql(std::string sql);
    const std::string& connect() const { return connect_; }
    void setConnect(std::string connect);
    bool returnsRecords() const { return returnsRecords_; }
    void setReturnsRecords(bool returnsRecords);

    int parameterCount() const { return int(parameters_.size()); }
    QueryParameter& parameter(int index);             // 3265 when out of range
    QueryParameter& parameter(std::string_view name); // any case; 3265 when absent

    // Opens the query's rows (dynaset by default); 3061 while a parameter
    // has no value.
    Recordset openRecordset(std::optional<RecordsetType> type = {}, int options = 0);
    // Runs the query as an action query; returns the rows changed.
    long execute();

  private:
    void readParameters();
    void save();
    void requireLocal() const;
    Bindings bindings() const;

    std::shared_ptr<Connection> connection_;
    std::string name_;
    std::string sql_;
    std::string connect_;
    bool returnsRecords_ = true;
    std::optional<AccessStatement> statement_;
    std::vector<QueryParameter> parameters_;
};

class QueryDefs {
  public:
    explicit QueryDefs(std::shared_ptr<Connection> connection)
        : connection_(std::move(connection)) {}

    void refresh() {}
    int count() { return int(names().size()); }
    // Saved query names, sorted without regard to case.
    std::vector<std::string> names();
    bool contains(std::string_view name);
    QueryDef item(std::string_view name); // any case; 3265 when absent
    QueryDef item(int index);
    // Saves a new query: 3125 for an invalid name, 3012 when a query or
    // table of that name exists; the SQL is checked first.
    QueryDef create(std::string name, std::string sql);
    void remove(std::string_view name); // 3265 when absent

  private:
    bool tableExists();
    std::shared_ptr<Connection> connection_;
};

} // namespace fieldizer::db
