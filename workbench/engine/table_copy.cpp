#include "workbench/engine/table_copy.h"

#include "engine/cp1252.h"
#include "engine/progress_pacer.h"
#include "workbench/dialect/sql_dialect.h"
#include "workbench/engine/engine_errors.h"
#include "workbench/engine/schema.h"

#include <cstdint>
#include <limits>
#include <optional>
#include <string>

namespace fieldizer::db {
namespace {

// Rows per INSERT: small enough that the window is yielded to well within a
// tenth of a second, large enough that the per-statement work does not show.
constexpr long chunkRows = 8192;

std::string sqlName(std::string_view name) {
    return quoteIdentifier(cp1252ToUtf8(name));
}

std::string columnList(const TableDef& table) {
    std::string list;
    for (const FieldDef& field : table.fields())
        list += (list.empty() ? "" : ", ") + sqlName(field.name);
    return list;
}

TableDef storedTable(Connection& connection, std::string_view name) {
    std::optional<TableDef> table = readTableDef(connection, name);
    if (!table)
        throw errors::itemNotInCollection();
    return *table;
}

long countRows(Connection& connection, const std::string& table) {
    Statement count = connection.prepare("SELECT count(*) FROM " + table);
    return count.step() ? long(count.columnInteger(0)) : 0;
}

// The rowid that ends the chunk after `last`, or nothing when fewer rows
// than a chunk remain.
std::optional<std::int64_t> chunkEnd(Statement& boundary, std::int64_t last) {
    boundary.reset();
    boundary.bind(1, Value(std::int64_t(last)));
    boundary.bind(2, Value(std::int64_t(chunkRows - 1)));
    if (!boundary.step())
        return std::nullopt;
    return boundary.columnInteger(0);
}

} // namespace

long copyTableRows(Database& database, std::string_view source, std::string_view target,
                   PassObserver& observer) {
    Connection& connection = *database.connection();
    const TableDef into = storedTable(connection, target);
    const std::string from = sqlName(storedTable(connection, source).name());
    const std::string columns = columnList(into);
    const std::string insert = "INSERT INTO " + sqlName(into.name()) + " (" + columns + ") SELECT " +
                               columns + " FROM " + from;
    const long total = countRows(connection, from);
    if (total == 0)
        return 0;
    observer.started(std::uint64_t(total));
    CheckedWrites checked(connection); // the target's field rules hold for copied values
    // A table without rowids (made by another tool) is copied in one piece.
    std::optional<Statement> boundary = connection.tryPrepare(
        "SELECT rowid FROM " + from + " WHERE rowid > ?1 ORDER BY rowid LIMIT 1 OFFSET ?2");
    if (!boundary) {
        connection.exec(insert);
        return total;
    }
    Statement bounded = connection.prepare(insert + " WHERE rowid > ?1 AND rowid <= ?2");
    Statement rest = connection.prepare(insert + " WHERE rowid > ?1");
    ProgressPacer pacer(observer, 1);
    std::int64_t last = std::numeric_limits<std::int64_t>::min();
    long copied = 0;
    for (;;) {
        pacer.beforeStep(std::uint64_t(copied));
        const std::optional<std::int64_t> end = chunkEnd(*boundary, last);
        Statement& chunk = end ? bounded : rest;
        chunk.reset();
        chunk.bind(1, Value(std::int64_t(last)));
        if (end)
            chunk.bind(2, Value(std::int64_t(*end)));
        chunk.step();
        copied += long(connection.lastStatementChanges());
        if (!end)
            return copied;
        last = *end;
    }
}

} // namespace fieldizer::db
