#include "columns/spec_table.h"

namespace fieldizer {
namespace {

std::optional<long> numberField(db::Recordset& rows, std::string_view name) {
    const db::Value value = rows.field(name).value();
    if (value.isNull())
        return std::nullopt;
    return static_cast<long>(value.isInteger() ? value.integer() : value.number());
}

db::Value numberValue(const std::optional<long>& number) {
    return number ? db::Value(*number) : db::Value();
}

} // namespace

ColumnSpec readColumnSpec(db::Recordset& rows) {
    ColumnSpec spec;
    spec.columnHeading = rows.field("column_heading").value().toText();
    spec.getDataFromColumn = numberField(rows, "get_data_from_column");
    spec.numberOfCharacters = numberField(rows, "number_of_characters");
    spec.spacesB4NextColumn = numberField(rows, "spaces_b4_next_column");
    spec.fieldWidth = numberField(rows, "field_width");
    return spec;
}

void assignColumnSpec(db::Recordset& rows, const ColumnSpec& spec) {
    rows.field("column_heading") = db::Value(spec.columnHeading);
    rows.field("get_data_from_column") = numberValue(spec.getDataFromColumn);
    rows.field("number_of_characters") = numberValue(spec.numberOfCharacters);
    rows.field("spaces_b4_next_column") = numberValue(spec.spacesB4NextColumn);
    rows.field("field_width") = numberValue(spec.fieldWidth);
}

ColumnSpecs readColumnSpecs(db::Database& database, std::string_view table) {
    ColumnSpecs specs;
    db::Recordset rows = database.openRecordset(table, db::RecordsetType::Table);
    for (; !rows.eof(); rows.moveNext())
        specs.push_back(readColumnSpec(rows));
    rows.close();
    return specs;
}

void appendColumnSpecs(db::Database& database, std::string_view table, const ColumnSpecs& specs) {
    db::Recordset rows = database.openRecordset(table, db::RecordsetType::Table);
    for (const ColumnSpec& spec : specs) {
        rows.addNew();
        assignColumnSpec(rows, spec);
        rows.update();
    }
    rows.close();
}

void replaceColumnSpecs(db::Database& database, std::string_view table, const ColumnSpecs& specs) {
    db::Transaction transaction(database);
    database.emptyTable(table);
    appendColumnSpecs(database, table, specs);
    transaction.commit();
}

} // namespace fieldizer
