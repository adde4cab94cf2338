#include "workbench/database_engine/field_type.h"

#include "workbench/database_engine/date_text.h"
#include "workbench/database_engine/engine_errors.h"
#include "workbench/dialect/sql_dialect.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace fieldizer::db {
namespace {

std::string upper(std::string_view text) {
    std::string out(text);
    for (char& c : out)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

bool oneOf(const std::string& word, std::initializer_list<const char*> names) {
    return std::any_of(names.begin(), names.end(), [&](const char* n) { return word == n; });
}

// The type named by a declared type without its size, or 0 when unknown.
int typeOfName(const std::string& word) {
    using namespace fieldType;
    if (oneOf(word, {"YESNO", "BIT", "LOGICAL", "LOGICAL1", "BOOLEAN", "BOOL"}))
        return yesNo;
    if (oneOf(word, {"BYTE", "TINYINT", "INTEGER1"}))
        return byte;
    if (oneOf(word, {"SMALLINT", "SHORT", "INTEGER2"}))
        return integer;
    if (oneOf(word, {"LONG", "INT", "INTEGER", "INTEGER4", "BIGINT", "COUNTER", "AUTOINCREMENT",
                     "MEDIUMINT"}))
        return longInteger;
    if (oneOf(word, {"CURRENCY", "MONEY"}))
        return currency;
    if (oneOf(word, {"SINGLE", "REAL", "FLOAT4", "IEEESINGLE"}))
        return single;
    if (oneOf(word, {"DOUBLE", "FLOAT", "FLOAT8", "IEEEDOUBLE", "NUMBER", "NUMERIC", "DECIMAL",
                     "DOUBLE PRECISION"}))
        return doubleFloat;
    if (oneOf(word, {"DATETIME", "DATE", "TIME", "TIMESTAMP"}))
        return dateTime;
    if (oneOf(word, {"TEXT", "CHAR", "VARCHAR", "NVARCHAR", "CHARACTER", "NCHAR", "STRING",
                     "VARYING CHARACTER", "ALPHANUMERIC"}))
        return text;
    if (oneOf(word, {"LONGTEXT", "MEMO", "NOTE", "CLOB", "LONGCHAR"}))
        return memo;
    return 0;
}

// SQLite's own affinity rules decide for a type name we do not know.
int typeOfAffinity(const std::string& word) {
    if (word.find("INT") != std::string::npos)
        return fieldType::longInteger;
    if (word.find("CHAR") != std::string::npos || word.find("CLOB") != std::string::npos ||
        word.find("TEXT") != std::string::npos || word.find("BLOB") != std::string::npos ||
        word.empty())
        return fieldType::memo;
    return fieldType::doubleFloat;
}

std::optional<double> parseNumber(std::string_view text) {
    std::string s(trimmed(text));
    if (s.empty())
        return std::nullopt;
    char* end = nullptr;
    double number = std::strtod(s.c_str(), &end);
    bool hex = s.find_first_of("xX") != std::string::npos;
    if (end != s.c_str() + s.size() || hex || std::isnan(number))
        return std::nullopt;
    return number;
}

std::optional<double> parseYesNo(std::string_view text) {
    std::string word = upper(trimmed(text));
    if (oneOf(word, {"TRUE", "YES", "ON"}))
        return -1.0;
    if (oneOf(word, {"FALSE", "NO", "OFF"}))
        return 0.0;
    return parseNumber(text);
}

Value wholeNumber(double number, double low, double high) {
    double rounded = std::nearbyint(number); // half to even, as the engine rounds
    if (!(rounded >= low && rounded <= high))
        throw errors::error(errors::numericOverflow);
    return Value(static_cast<long long>(rounded));
}

Value fitNumber(double number, int type) {
    using namespace fieldType;
    switch (type) {
    case yesNo:
        return Value(number != 0 ? -1 : 0);
    case byte:
        return wholeNumber(number, 0, 255);
    case integer:
        return wholeNumber(number, -32768, 32767);
    case longInteger:
        return wholeNumber(number, -2147483648.0, 2147483647.0);
    case currency:
        if (std::fabs(number) > 922337203685477.0)
            throw errors::error(errors::numericOverflow);
        return Value(std::round(number * 10000.0) / 10000.0);
    case single:
        if (std::fabs(number) > double(std::numeric_limits<float>::max()))
            throw errors::error(errors::numericOverflow);
        return Value(double(float(number)));
    default:
        if (!std::isfinite(number))
            throw errors::error(errors::numericOverflow);
        return Value(number);
    }
}

Value fitText(Value value, const FieldDef& field, std::string_view table) {
    if (!value.isText())
        value = Value(value.toText());
    std::size_t length = value.text().size();
    if (field.type == fieldType::text && length > std::size_t(field.size))
        throw errors::error(errors::fieldTooSmall);
    if (length == 0 && !field.allowZeroLength)
        throw errors::zeroLengthNotAllowed(table, field.name);
    return value;
}

Value fitDate(const Value& value, const FieldDef& field, std::string_view table) {
    auto date = value.isText() ? accessDateToStorage(value.text()) : dateFromSerial(value.number());
    if (!date)
        throw errors::conversionFailed(table, field.name);
    return Value(std::move(*date));
}

} // namespace

bool isKnownType(int type) {
    return (type >= fieldType::yesNo && type <= fieldType::dateTime) || type == fieldType::text ||
           type == fieldType::memo;
}

bool isTextType(int type) {
    return type == fieldType::text || type == fieldType::memo;
}

int storageSize(int type) {
    static const int sizes[] = {0, 1, 1, 2, 4, 8, 4, 8, 8};
    return type >= 1 && type <= 8 ? sizes[type] : 0;
}

std::string declaredType(const FieldDef& field) {
    using namespace fieldType;
    switch (field.type) {
    case yesNo:
        return "YESNO";
    case byte:
        return "BYTE";
    case integer:
        return "SMALLINT";
    case longInteger:
        return field.autoIncrement ? "INTEGER" : "LONG";
    case currency:
        return "CURRENCY";
    case single:
        return "REAL";
    case doubleFloat:
        return "DOUBLE";
    case dateTime:
        return "DATETIME";
    case text:
        return "TEXT(" + std::to_string(field.size) + ")";
    default:
        return "LONGTEXT";
    }
}

FieldDef fieldFromDeclaredType(std::string_view declared) {
    std::string word = upper(trimmed(declared));
    int size = 0;
    if (std::size_t open = word.find('('); open != std::string::npos) {
        size = std::atoi(word.c_str() + open + 1);
        word = std::string(trimmed(word.substr(0, open)));
    }
    FieldDef field;
    field.type = typeOfName(word);
    if (field.type == 0)
        field.type = typeOfAffinity(word);
    if (field.type == fieldType::text)
        field.type = size >= 1 && size <= maxTextSize ? fieldType::text : fieldType::memo;
    field.size = field.type == fieldType::text ? size : storageSize(field.type);
    field.allowZeroLength = isTextType(field.type);
    return field;
}

Value fitValueToField(Value value, const FieldDef& field, std::string_view table) {
    if (value.isNull())
        return value;
    if (isTextType(field.type))
        return fitText(std::move(value), field, table);
    if (field.type == fieldType::dateTime)
        return fitDate(value, field, table);
    if (value.isNumber())
        return fitNumber(value.number(), field.type);
    auto number =
        field.type == fieldType::yesNo ? parseYesNo(value.text()) : parseNumber(value.text());
    if (!number)
        throw errors::conversionFailed(table, field.name);
    return fitNumber(*number, field.type);
}

Value fitParameterValue(Value value, std::string_view declaredType, std::string_view name) {
    FieldDef parameter;
    parameter.name = std::string(name);
    parameter.type = typeOfName(upper(trimmed(declaredType)));
    if (parameter.type == 0)
        return value; // a Value (or other untyped) parameter keeps what it was given
    if (isTextType(parameter.type)) {
        parameter.type = fieldType::memo;
        parameter.allowZeroLength = true;
    }
    return fitValueToField(std::move(value), parameter, {});
}

std::string displayText(const Value& value, int type) {
    return type == fieldType::dateTime && value.isText() ? generalDate(value.text())
                                                         : value.toText();
}

bool isValidObjectName(std::string_view name) {
    if (name.empty() || name.size() > 64 || name.front() == ' ')
        return false;
    return std::none_of(name.begin(), name.end(), [](char c) {
        auto byte = static_cast<unsigned char>(c);
        return byte < 0x20 || c == '.' || c == '!' || c == '`' || c == '[' || c == ']';
    });
}

} // namespace fieldizer::db
