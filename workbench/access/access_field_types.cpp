#include "workbench/access/access_field_types.h"

namespace fieldizer::access {
namespace {

// The program has no Decimal type: a Decimal becomes the number type that
// holds every value its precision and scale allow, where one does (Long for
// up to 9 whole digits, Currency for up to 4 decimals within 15 digits), and
// Double otherwise, whose values are the nearest it holds; the values that
// are not the same number are reported (access_values.h).
int decimalType(const AccessColumn& column) {
    constexpr int longDigits = 9;
    constexpr int currencyDecimals = 4;
    constexpr int doubleDigits = 15;
    if (column.scale == 0 && column.precision <= longDigits)
        return db::fieldType::longInteger;
    if (column.scale <= currencyDecimals && column.precision <= doubleDigits)
        return db::fieldType::currency;
    return db::fieldType::doubleFloat;
}

// The program's type for a column copied value by value; 0 for none.
int programType(const AccessColumn& column) {
    namespace t = db::fieldType;
    switch (column.type) {
    case mdbType::yesNo:
        return t::yesNo;
    case mdbType::byte:
        return t::byte;
    case mdbType::integer:
        return t::integer;
    case mdbType::longInteger:
        return t::longInteger;
    case mdbType::currency:
        return t::currency;
    case mdbType::single:
        return t::single;
    case mdbType::doubleFloat:
        return t::doubleFloat;
    case mdbType::dateTime:
        return t::dateTime;
    case mdbType::text:
        return column.size >= 1 && column.size <= db::maxTextSize ? t::text : t::memo;
    case mdbType::decimal:
        return decimalType(column);
    case mdbType::memo:
    case mdbType::replicationId: // as its text, "{...}"
        return t::memo;
    default:
        return 0;
    }
}

std::string typeName(int type) {
    switch (type) {
    case mdbType::binary:
        return "Binary";
    case mdbType::ole:
        return "OLE Object";
    case mdbType::complex:
        return "Attachment or multi-valued field";
    default:
        return "type " + std::to_string(type);
    }
}

FieldPlan leftEmpty(const AccessColumn& column, std::string reason) {
    FieldPlan plan;
    plan.field.name = column.name;
    plan.field.type = db::fieldType::memo;
    plan.field.size = 0;
    plan.field.allowZeroLength = true;
    plan.copyValues = false;
    plan.leftEmptyBecause = std::move(reason);
    return plan;
}

} // namespace

FieldPlan planField(const AccessColumn& column) {
    if (column.calculated)
        return leftEmpty(column, "calculated field (Access computes its values)");
    int type = programType(column);
    if (type == 0)
        return leftEmpty(column, typeName(column.type) + " cannot be copied");
    FieldPlan plan;
    db::FieldDef& field = plan.field;
    field.name = column.name;
    field.type = type;
    field.size = type == db::fieldType::text ? column.size : db::storageSize(type);
    field.required = column.required;
    // Only Access's Text and Memo carry the rule; a Memo made from another
    // type takes any text.
    field.allowZeroLength =
        db::isTextType(type) &&
        (column.allowZeroLength || (column.type != mdbType::text && column.type != mdbType::memo));
    return plan;
}

} // namespace fieldizer::access
