#include "workbench/access/access_table_copy.h"

#include "text_engine/cp1252.h"
#include "workbench/access/access_field_types.h"
#include "workbench/access/access_values.h"
#include "workbench/database_engine/row_appender.h"

#include <algorithm>
#include <cctype>
#include <deque>

namespace fieldizer::access {
namespace {

// Rows handed to the appender between two flushes: the texts they point to
// are kept alive until then.
constexpr std::uint64_t rowsPerFlush = 1024;

const AccessIndex* primaryKey(const AccessTable& table) {
    for (const AccessIndex& index : table.indexes())
        if (index.primaryKey)
            return &index;
    return nullptr;
}

std::string lower(std::string text) {
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// Per field of one table: the counts the report needs.
struct FieldCounts {
    std::vector<std::uint64_t> leftEmpty;
    std::vector<std::uint64_t> replaced;
    std::vector<std::uint64_t> rounded;
    explicit FieldCounts(std::size_t n) : leftEmpty(n, 0), replaced(n, 0), rounded(n, 0) {}
};

void addToReport(ConversionReport& report, const std::string& table,
                 const std::vector<FieldPlan>& plans, const FieldCounts& counts) {
    for (std::size_t i = 0; i < plans.size(); ++i)
        if (!plans[i].copyValues || counts.leftEmpty[i] || counts.replaced[i] || counts.rounded[i])
            report.fields.push_back({table, plans[i].field.name, counts.leftEmpty[i],
                                     counts.replaced[i], counts.rounded[i],
                                     plans[i].leftEmptyBecause});
}

} // namespace

db::TableDef TableCopy::describe(const AccessTable& table, std::vector<FieldPlan>& plans) const {
    db::TableDef def(utf8ToCp1252(table.name()));
    const AccessIndex* key = primaryKey(table);
    bool singleKey = key && key->columns.size() == 1;
    bool counterUsed = false;
    for (const AccessColumn& column : table.columns()) {
        FieldPlan plan = planField(column);
        plan.field.name = utf8ToCp1252(column.name);
        bool isKey = singleKey && key->columns.front() == column.name && plan.copyValues;
        // SQLite numbers only its INTEGER PRIMARY KEY itself: a counter that is
        // the key, or the only counter of a table without one, becomes it.
        if (column.autoNumber && plan.copyValues && !counterUsed && (isKey || !key)) {
            plan.field.autoIncrement = counterUsed = true;
        } else {
            plan.field.primaryKey = isKey;
        }
        def.fields().append(plan.field);
        plans.push_back(std::move(plan));
    }
    return def;
}

std::uint64_t TableCopy::copyRows(AccessTable& table, const std::string& name,
                                  const std::vector<FieldPlan>& plans) {
    db::Recordset target = database_.openRecordset(name, db::RecordsetType::Table);
    db::RowAppender appender(target, db::RowAppender::Counters::Kept);
    std::deque<std::string> texts;
    FieldCounts counts(plans.size());
    std::vector<AccessCell> cells;
    std::uint64_t rows = 0;
    while (table.nextRow(cells)) {
        pacer_.beforeStep(rowsDone_ + rows);
        for (std::size_t i = 0; i < plans.size(); ++i) {
            if (!plans[i].copyValues) {
                counts.leftEmpty[i] += cells[i].isNull ? 0 : 1;
                continue;
            }
            CellValue cell = cellValue(cells[i], table.columns()[i].type);
            counts.leftEmpty[i] += cell.outcome == CellOutcome::Unreadable;
            counts.replaced[i] += cell.outcome == CellOutcome::Replaced;
            counts.rounded[i] += cell.outcome == CellOutcome::Rounded;
            if (cell.value.isNull())
                continue;
            texts.push_back(cell.value.isText() ? cell.value.text() : cell.value.toText());
            appender.setText(int(i), texts.back());
        }
        appender.endRow();
        if (++rows % rowsPerFlush == 0) {
            appender.flush();
            texts.clear();
        }
    }
    appender.flush();
    addToReport(report_, name, plans, counts);
    return rows;
}

void TableCopy::createIndexes(const AccessTable& table, const db::TableDef& created) {
    for (const AccessIndex& index : table.indexes()) {
        bool keyDone = index.primaryKey && index.columns.size() == 1;
        if (keyDone)
            continue; // declared with its field
        std::vector<std::string> fields;
        for (const std::string& column : index.columns)
            fields.push_back(utf8ToCp1252(column));
        std::string name = utf8ToCp1252(index.name);
        if (indexNames_.count(lower(name)))
            name = created.name() + "_" + name;
        indexNames_.insert(lower(name));
        database_.createIndex(created.name(), name, fields, index.unique || index.primaryKey);
    }
}

void TableCopy::copy(AccessTable& table) {
    std::vector<FieldPlan> plans;
    db::TableDef def = describe(table, plans);
    database_.tableDefs().append(def);
    std::uint64_t rows = copyRows(table, def.name(), plans);
    rowsDone_ += rows;
    createIndexes(table, def);
    report_.tables.push_back({def.name(), rows});
}

} // namespace fieldizer::access
