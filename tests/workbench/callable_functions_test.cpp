// Only the functions of the Access dialect are callable from a user's SQL;
// SQLite's own others (its version, its extension loader, its tokenizer
// pointers, blobs as large as memory) are undefined functions, as any name
// the dialect does not know.
#include "scratch_database.h"
#include "text_engine/database_error_numbers.h"
#include "workbench/dialect/sql_dialect.h"

#include <gtest/gtest.h>
#include <set>

using namespace fieldizer::db;
using namespace fieldizer::db::testing;

TEST(CallableFunctions, sqliteFunctionsOutsideTheDialectAreUndefined) {
    ScratchDatabase database;
    database->execute("CREATE TABLE t (n LONG)");
    const std::pair<std::string, std::string> calls[] = {
        {"sqlite_version()", "sqlite_version"}, {"fts3_tokenizer('simple')", "fts3_tokenizer"},
        {"randomblob(9e8)", "randomblob"},      {"Load_Extension('/tmp/x.so')", "Load_Extension"},
        {"zeroblob(900000000)", "zeroblob"},    {"typeof(n)", "typeof"},
        {"access_add(n, n)", "access_add"},
    };
    for (const auto& [call, name] : calls) {
        const std::string text = "Undefined function '" + name + "' in expression.";
        EXPECT_RUNTIME_ERROR(database->openRecordset("SELECT " + call + " FROM t"),
                             errors::undefinedFunction, text);
        EXPECT_RUNTIME_ERROR(database->execute("UPDATE t SET n = Len(" + call + ")"),
                             errors::undefinedFunction, text);
        EXPECT_RUNTIME_ERROR(translateAccessExpression(call + " = 1"), errors::undefinedFunction,
                             text);
    }
    // The dialect's own functions, in any letter case, still run.
    database->execute("INSERT INTO t (n) VALUES (-4)");
    Recordset row =
        database->openRecordset("SELECT ABS(n) & Len(UCase('ab')) & Nz(Null, 'z') & Sqr(16) FROM t",
                                RecordsetType::Snapshot);
    EXPECT_EQ(row.value(0).toText(), "42z4");
}

// Every function the dialect lets through is one the connection has: the
// dialect's list and the registered functions never drift apart.
TEST(CallableFunctions, everyDialectFunctionIsRegistered) {
    ScratchDatabase database;
    std::set<std::string> registered;
    Statement list = database->connection()->prepare("SELECT name FROM pragma_function_list");
    while (list.step())
        registered.insert(list.columnUtf8(0));
    for (std::string_view name : accessFunctionNames()) {
        if (name == "choose" || name == "switch")
            continue; // written out by the translator as CASE
        EXPECT_TRUE(registered.count(std::string(name))) << name;
    }
}
