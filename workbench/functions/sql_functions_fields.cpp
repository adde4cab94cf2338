#include "workbench/functions/sql_functions_fields.h"

#include "workbench/database_engine/field_type.h"
#include "workbench/database_engine/typed_writes.h"
#include "workbench/functions/sql_functions_values.h"

#include <sqlite3.h>
#include <string>

namespace fieldizer::db::access_values {
namespace {

Value valueOf(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
    case SQLITE_NULL:
        return Value();
    case SQLITE_INTEGER:
        return Value(static_cast<long long>(sqlite3_value_int64(value)));
    case SQLITE_FLOAT:
        return Value(sqlite3_value_double(value));
    default:
        return Value(textOf(value));
    }
}

void resultValue(sqlite3_context* context, const Value& value) {
    if (value.isNull())
        sqlite3_result_null(context);
    else if (value.isInteger())
        sqlite3_result_int64(context, value.integer());
    else if (value.isDouble())
        sqlite3_result_double(context, value.number());
    else
        resultText(context, value.text());
}

void fitFunction(sqlite3_context* context, int, sqlite3_value** args) {
    FieldDef field;
    field.type = sqlite3_value_int(args[1]);
    field.name = textOf(args[3]);
    try {
        resultValue(context, fitValueToField(valueOf(args[0]), field, textOf(args[2])));
    } catch (const RuntimeError& refused) {
        sqlite3_result_error(context, fieldValueFailure(refused).c_str(), -1);
    }
}

constexpr ScalarFunction registrations[] = {{fieldFitFunction, 4, fitFunction, true}};

} // namespace

void registerFieldFitting(sqlite3* db) {
    registerScalars(db, registrations);
}

} // namespace fieldizer::db::access_values
