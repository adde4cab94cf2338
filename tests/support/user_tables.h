#pragma once
// User tables for the tests of the database windows: a table of the
// program's kind with `rows` generated records, and one as another SQLite
// tool would leave it, declaring a text size it does not enforce.

#include "workbench/database_engine/database.h"

#include <string>

namespace fieldizer::testing {

// Rows numbered 1..count as SQLite generates them: "SELECT i FROM (...)".
inline std::string numberedRows(long count) {
    return "(WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
           std::to_string(count) + ") SELECT i FROM n)";
}

// `name` with the fields Label (Text 20), Amount (Long) and Ratio (Double);
// row i holds "row i", i and i / 4.
inline void makeUserTable(db::Database& database, const std::string& name, long rows) {
    db::TableDef table = database.createTableDef(name);
    table.fields().append(table.createField("Label", db::fieldType::text, 20));
    table.fields().append(table.createField("Amount", db::fieldType::longInteger));
    table.fields().append(table.createField("Ratio", db::fieldType::doubleFloat));
    database.tableDefs().append(table);
    if (rows > 0)
        database.connection()->exec("INSERT INTO \"" + name +
                                    "\" (Label, Amount, Ratio) SELECT 'row ' || i, i, i / 4.0 "
                                    "FROM " +
                                    numberedRows(rows));
}

// `name` (Label TEXT(5), no size check, as another tool makes it) with
// `fitting` short values, then one of 10 characters its declared size
// refuses.
inline void makeOverfullTable(db::Database& database, const std::string& name, long fitting) {
    database.connection()->exec("CREATE TABLE \"" + name + "\" (Label TEXT(5))");
    database.connection()->exec("INSERT INTO \"" + name + "\" SELECT 'ok' FROM " +
                                numberedRows(fitting));
    database.connection()->exec("INSERT INTO \"" + name + "\" VALUES ('ten chars!')");
}

} // namespace fieldizer::testing
