#include "workbench/database_engine/table_def.h"

#include "workbench/database_engine/engine_errors.h"

#include <algorithm>
#include <cctype>

namespace fieldizer::db {

bool sameName(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

void FieldDefs::append(FieldDef field) {
    if (!isValidObjectName(field.name))
        throw errors::notAValidName(field.name);
    if (indexOf(field.name))
        throw errors::error(errors::fieldDefinedTwice);
    fields_.push_back(std::move(field));
}

const FieldDef& FieldDefs::operator[](int index) const {
    if (index < 0 || index >= count())
        throw errors::itemNotInCollection();
    return fields_[std::size_t(index)];
}

FieldDef& FieldDefs::operator[](int index) {
    if (index < 0 || index >= count())
        throw errors::itemNotInCollection();
    return fields_[std::size_t(index)];
}

const FieldDef& FieldDefs::operator[](std::string_view name) const {
    auto index = indexOf(name);
    if (!index)
        throw errors::itemNotInCollection();
    return fields_[std::size_t(*index)];
}

FieldDef& FieldDefs::operator[](std::string_view name) {
    auto index = indexOf(name);
    if (!index)
        throw errors::itemNotInCollection();
    return fields_[std::size_t(*index)];
}

std::optional<int> FieldDefs::indexOf(std::string_view name) const {
    for (std::size_t i = 0; i < fields_.size(); ++i)
        if (sameName(fields_[i].name, name))
            return int(i);
    return std::nullopt;
}

FieldDef TableDef::createField(std::string name, int type, int size) const {
    if (!isKnownType(type))
        throw RuntimeError(errors::invalidFieldType, "Invalid field data type.");
    FieldDef field;
    field.name = std::move(name);
    field.type = type;
    if (type == fieldType::text) {
        if (size < 0 || size > maxTextSize)
            throw errors::error(errors::invalidArgument);
        field.size = size == 0 ? defaultTextSize : size;
    } else {
        field.size = storageSize(type);
    }
    return field;
}

} // namespace fieldizer::db
