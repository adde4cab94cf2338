#include "columns/spec_table_def.h"

#include "text_engine/runtime_error.h"
#include "workbench/database_engine/schema.h"

namespace fieldizer {

db::TableDef specTableDef(const std::string& name, const ColumnSpecs& specs) {
    db::TableDef table(name);
    for (const ColumnSpec& spec : specs) {
        if (!spec.fieldWidth)
            throw errors::invalidNull();
        db::FieldDef field =
            table.createField(spec.columnHeading, db::fieldType::text, int(*spec.fieldWidth));
        field.allowZeroLength = true;
        table.fields().append(std::move(field));
    }
    return table;
}

std::string createTableStatement(const std::string& name, const ColumnSpecs& specs) {
    return db::createTableSql(specTableDef(name, specs)) + ";";
}

} // namespace fieldizer
