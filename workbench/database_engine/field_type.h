#pragma once
// Field types by the engine's numbers, how they are declared in an SQLite
// file, and how a value is made to fit a field before it is written.

#include "workbench/database_engine/value.h"

#include <string>
#include <string_view>

namespace fieldizer::db {

namespace fieldType {
inline constexpr int yesNo = 1;
inline constexpr int byte = 2;
inline constexpr int integer = 3;
inline constexpr int longInteger = 4;
inline constexpr int currency = 5;
inline constexpr int single = 6;
inline constexpr int doubleFloat = 7;
inline constexpr int dateTime = 8;
inline constexpr int text = 10;
inline constexpr int memo = 12;
} // namespace fieldType

inline constexpr int defaultTextSize = 50;
inline constexpr int maxTextSize = 255;

// A field of a table: what CreateField makes and what a table's description
// holds. `size` is the maximum length of a Text field and the storage size in
// bytes of the other types (0 for Memo), as the engine reports it.
struct FieldDef {
    std::string name;
    int type = fieldType::text;
    int size = defaultTextSize;
    bool allowZeroLength = false;
    bool required = false;
    bool autoIncrement = false; // a COUNTER: Long, numbered by the engine
    bool primaryKey = false;    // the table's primary key on this field alone
    bool unique = false;
};

bool isKnownType(int type);
bool isTextType(int type); // Text or Memo
int storageSize(int type); // the engine's Size of a non-text type

// The declared column type written into the file: "TEXT(50)", "LONG",
// "LONGTEXT" ... (chosen so that other SQLite tools give each its natural
// affinity), and the reading back of any declared type, ours or another
// tool's, as type and size.
std::string declaredType(const FieldDef& field);
FieldDef fieldFromDeclaredType(std::string_view declared);

// Makes `value` fit `field` of `table`, as the engine does on assignment:
// numbers from text, rounding to whole numbers, Yes/No as -1/0, dates as
// "YYYY-MM-DD HH:MM:SS". Refuses with 3163 (text too long), 3315 (empty text
// not allowed), 3421 naming the field (no conversion) or 3349 (number out of
// range). Every write keeps to it: the layer's own on assignment, SQL
// statements through the field triggers of typed_writes.h.
Value fitValueToField(Value value, const FieldDef& field, std::string_view table);

// A query parameter's value as its declared type ("DateTime", "Long",
// "Currency", "YesNo", "Text" ...) takes it, by the same rules; a type the
// engine does not know (Value) leaves it as it is. 3421 names the parameter.
Value fitParameterValue(Value value, std::string_view declaredType, std::string_view name);

// A value of a field of `type` as text for the eye: dates in the engine's
// General Date ("1/15/2024", "1/15/2024 3:04:05 PM"), all else as toText.
std::string displayText(const Value& value, int type);

// Whether a table or field name is one the engine accepts: 1 to 64
// characters, no leading space, no control characters, none of . ! ` [ ].
bool isValidObjectName(std::string_view name);

} // namespace fieldizer::db
