#include "workbench/database_engine/table_copy.h"

#include "text_engine/cp1252.h"
#include "text_engine/progress_pacer.h"
#include "workbench/database_engine/append_cache.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/database_engine/row_key.h"
#include "workbench/database_engine/schema.h"
#include "workbench/dialect/sql_dialect.h"

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

// The first rowid from `from` on, or nothing when no row is left: the next
// chunk starts at a row, however wide the gap in the rowids before it.
std::optional<std::int64_t> nextRowid(Statement& next, std::int64_t from) {
    next.reset();
    next.bind(1, Value(long(from)));
    if (!next.step() || next.column(0).isNull())
        return std::nullopt;
    return next.columnInteger(0);
}

struct ChunkedCopy {
    long copied = 0;
    bool stopped = false;
};

// Copies chunk by chunk, in ranges of the row number (named `key`) found
// without reading the rows twice; Stop is honoured between chunks. Nothing
// when the ranges do not address every row once, as a safeguard: ranges that
// did not move on would repeat for ever, and rows outside every range would
// be left out.
std::optional<ChunkedCopy> copyInChunks(Connection& connection, const std::string& insert,
                                        const std::string& key, Statement& next, long total,
                                        PassObserver& observer) {
    Statement chunk = connection.prepare(insert + " WHERE " + key + " BETWEEN ?1 AND ?2");
    constexpr std::int64_t lastRowid = std::numeric_limits<std::int64_t>::max();
    ProgressPacer pacer(observer, 1);
    ChunkedCopy result;
    std::optional<std::int64_t> first = nextRowid(next, std::numeric_limits<std::int64_t>::min());
    while (first) {
        pacer.beforeStep(std::uint64_t(result.copied));
        if (observer.stopRequested()) {
            result.stopped = true;
            return result;
        }
        const std::int64_t last =
            *first > lastRowid - (chunkRows - 1) ? lastRowid : *first + (chunkRows - 1);
        chunk.reset();
        chunk.bind(1, Value(long(*first)));
        chunk.bind(2, Value(long(last)));
        chunk.step();
        const long changes = long(connection.lastStatementChanges());
        result.copied += changes;
        if (changes == 0 || result.copied > total)
            return std::nullopt;
        first = last == lastRowid ? std::nullopt : nextRowid(next, last + 1);
        if (first && *first <= last)
            return std::nullopt; // the range did not move on
    }
    if (result.copied != total)
        return std::nullopt;
    return result;
}

} // namespace

std::optional<long> copyTableRows(Database& database, std::string_view source,
                                  std::string_view target, PassObserver& observer) {
    Connection& connection = *database.connection();
    const TableDef into = storedTable(connection, target);
    const std::string sourceName = storedTable(connection, source).name();
    const std::string from = sqlName(sourceName);
    const std::string columns = columnList(into);
    const std::string insert = "INSERT INTO " + sqlName(into.name()) + " (" + columns +
                               ") SELECT " + columns + " FROM " + from;
    const long total = countRows(connection, from);
    if (total == 0)
        return 0;
    observer.started(std::uint64_t(total));
    // The new table's rules are the source's sizes with empty text allowed:
    // values the source's own rules held need no second test, others do.
    std::optional<CheckedWrites> checked;
    if (!textSizesAreChecked(connection, source))
        checked.emplace(connection);
    AppendCache cache(connection);
    // A table without rowids (made by another tool, or whose fields take
    // every name of the row number) is copied in one piece.
    const std::optional<std::string> key = freeRowKey(connection, sourceName);
    std::optional<Statement> next;
    if (key)
        next = connection.tryPrepare("SELECT min(" + *key + ") FROM " + from + " WHERE " + *key +
                                     " >= ?1");
    if (next) {
        ScopedTransaction chunks(connection);
        const std::optional<ChunkedCopy> copy =
            copyInChunks(connection, insert, *key, *next, total, observer);
        if (copy && copy->stopped)
            return std::nullopt;
        if (copy) {
            chunks.commit();
            return copy->copied;
        }
        // The chunks copied are undone as `chunks` ends; the whole table
        // then goes in one piece.
    }
    connection.exec(insert);
    return total;
}

} // namespace fieldizer::db
