#include "workbench/access/access_field_types.h"

namespace fieldizer::access {
namespace {

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
    case mdbType::memo:
    case mdbType::replicationId: // as its text, "{...}"
    case mdbType::decimal:       // as its exact digits, which Double could not keep
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
