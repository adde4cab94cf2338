#pragma once
// SQL statements store values their own way, past the layer's assignment
// rules. For the time an INSERT, UPDATE or SELECT ... INTO runs, temporary
// triggers on the table it writes put each value of every typed field (all
// but Text, Memo and counters) through fitValueToField (field_type.h), by the
// function access_fit registered with the Access functions: a value that
// converts is stored converted ('12' in a Long, a date text in a Date/Time),
// one that does not fails the statement with the field's conversion error,
// and SQLite undoes everything the statement did.
//
// The triggers live in the connection's temporary schema only: nothing is
// written to the file, tables made by other tools are covered alike, and the
// layer's own writes (recordsets, Save to Database), which fit every value on
// assignment, never run them.

#include "workbench/database_engine/connection.h"

#include <string>
#include <string_view>
#include <vector>

namespace fieldizer::db {

inline constexpr const char* fieldFitFunction = "access_fit";

class FieldTypeTriggers {
  public:
    // `table` in the program's character set; a name that is no table of
    // the file (a view, a misspelling SQLite will report) gets no triggers.
    FieldTypeTriggers(Connection& connection, std::string_view table);
    ~FieldTypeTriggers();
    FieldTypeTriggers(const FieldTypeTriggers&) = delete;
    FieldTypeTriggers& operator=(const FieldTypeTriggers&) = delete;

  private:
    void createFor(std::string_view table);
    void create(const std::string& name, const std::string& sql);

    void dropAll() noexcept;

    Connection& connection_;
    std::vector<std::string> names_; // quoted, UTF-8
};

} // namespace fieldizer::db
