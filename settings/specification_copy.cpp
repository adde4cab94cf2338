#include "settings/specification_copy.h"

#include "workbench/fieldizer_database.h"

#include <array>

namespace fieldizer {
namespace {

constexpr std::array<const char*, 5> specFields{"column_heading", "get_data_from_column",
                                                "number_of_characters", "spaces_b4_next_column",
                                                "field_width"};

// The current row of `from` as a new row of `to`, values as stored (Null stays Null).
void copyRow(db::Recordset& from, db::Recordset& to) {
    to.addNew();
    for (const char* field : specFields)
        to.field(field) = from.field(field).value();
    to.update();
}

void copyRowIgnoringErrors(db::Recordset& from, db::Recordset& to) {
    try {
        copyRow(from, to);
    } catch (const RuntimeError&) {
        try {
            to.cancelUpdate();
        } catch (const RuntimeError&) {
            // Nothing was being added.
        }
    }
}

} // namespace

void storeSpecificationCopy(db::Database& database, std::string_view copy) {
    db::Recordset working =
        database.openRecordset(db::specificationTable, db::RecordsetType::Table);
    if (working.eof())
        return;
    database.emptyTable(copy);
    db::Recordset rows = database.openRecordset(copy, db::RecordsetType::Table);
    for (; !working.eof(); working.moveNext())
        copyRow(working, rows);
    rows.close();
    working.close();
}

void restoreSpecificationCopy(db::Database& database, std::string_view copy) {
    if (db::sameName(copy, db::specificationTable))
        return; // the working table would read its own new rows without end
    try {
        db::Recordset working =
            database.openRecordset(db::specificationTable, db::RecordsetType::Table);
        db::Recordset rows = database.openRecordset(copy, db::RecordsetType::Table);
        for (; !rows.eof(); rows.moveNext())
            copyRowIgnoringErrors(rows, working);
    } catch (const RuntimeError&) {
        // A missing or unreadable copy: the rows added so far stay.
    }
}

} // namespace fieldizer
