#pragma once
// An in-memory SQLite database with the Access functions, for running
// translated SQL in tests.

#include "workbench/dialect/sql_dialect.h"
#include "workbench/functions/sql_functions.h"

#include <memory>
#include <sqlite3.h>
#include <string>
#include <vector>

namespace fieldizer::db::testing {

using Row = std::vector<std::string>; // Null reads as "<null>"
using Rows = std::vector<Row>;

class TestDatabase {
  public:
    TestDatabase() {
        sqlite3* db = nullptr;
        sqlite3_open(":memory:", &db);
        db_.reset(db);
        registerAccessFunctions(db);
    }

    sqlite3* handle() const { return db_.get(); }

    // Runs SQLite SQL, binding `parameters` to :p1, :p2 ...; throws
    // SQLite's message as a std::runtime_error.
    Rows query(const std::string& sql, const std::vector<std::string>& parameters = {}) const {
        sqlite3_stmt* raw = nullptr;
        if (sqlite3_prepare_v2(db_.get(), sql.c_str(), int(sql.size()), &raw, nullptr) != SQLITE_OK)
            throw std::runtime_error(sqlite3_errmsg(db_.get()));
        std::unique_ptr<sqlite3_stmt, decltype(&sqlite3_finalize)> statement(raw, sqlite3_finalize);
        for (std::size_t i = 0; i < parameters.size(); ++i) {
            std::string name = ":p" + std::to_string(i + 1);
            int index = sqlite3_bind_parameter_index(raw, name.c_str());
            if (index > 0)
                sqlite3_bind_text(raw, index, parameters[i].c_str(), -1, SQLITE_TRANSIENT);
        }
        Rows rows;
        int rc;
        while ((rc = sqlite3_step(raw)) == SQLITE_ROW) {
            Row row;
            for (int c = 0; c < sqlite3_column_count(raw); ++c) {
                const auto* text = sqlite3_column_text(raw, c);
                row.push_back(text ? std::string(reinterpret_cast<const char*>(text),
                                                 std::size_t(sqlite3_column_bytes(raw, c)))
                                   : "<null>");
            }
            rows.push_back(row);
        }
        if (rc != SQLITE_DONE)
            throw std::runtime_error(sqlite3_errmsg(db_.get()));
        return rows;
    }

    // Translates Access SQL and runs it.
    Rows run(std::string_view accessSql, const std::vector<std::string>& parameters = {}) const {
        return query(translateAccessSql(accessSql).sql, parameters);
    }

    // SQLite's message for translated Access SQL that it refuses, so that a
    // test sees the refusal it expects and not some other one.
    std::string failure(std::string_view accessSql) const {
        try {
            run(accessSql);
        } catch (const std::runtime_error& error) {
            return error.what();
        }
        return "<no error>";
    }

    // The one value of a one-row, one-column Access SELECT.
    std::string value(std::string_view accessSql) const {
        Rows rows = run(accessSql);
        return rows.size() == 1 && rows[0].size() == 1 ? rows[0][0] : "<not one value>";
    }

  private:
    std::unique_ptr<sqlite3, decltype(&sqlite3_close)> db_{nullptr, sqlite3_close};
};

} // namespace fieldizer::db::testing
