#pragma once
// The field of the program's kind an Access column becomes: its type mapped
// onto the declared types, its size, required and zero-length rules. A column
// whose values cannot be carried over (OLE objects, attachments, calculated
// fields, types libmdb does not know) keeps its place as a Memo field left
// empty, with the reason for the conversion report.

#include "workbench/access/access_reader.h"
#include "workbench/database_engine/field_type.h"

#include <string>

namespace fieldizer::access {

struct FieldPlan {
    db::FieldDef field;
    bool copyValues = true;
    std::string leftEmptyBecause; // when !copyValues: why, for the report
};

FieldPlan planField(const AccessColumn& column);

} // namespace fieldizer::access
