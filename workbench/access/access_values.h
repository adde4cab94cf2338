#pragma once
// How a stored Access value becomes a value of the program: fixed-size
// values decoded from their bytes (so nothing depends on libmdb's printing,
// which cannot show dates before 1900), texts converted to the program's
// Windows-1252.

#include "workbench/access/access_reader.h"
#include "workbench/database_engine/value.h"

#include <cstdint>
#include <string_view>

namespace fieldizer::access {

// The little-endian signed integer of 1 to 8 stored bytes (a single byte is
// unsigned, as Access's Byte is).
std::int64_t storedInteger(std::string_view bytes);

enum class CellOutcome {
    Copied,
    Replaced,   // text with characters outside Windows-1252, each now "?"
    Rounded,    // a Decimal with more digits than a Double holds, now the nearest Double
    Unreadable, // stored bytes of the wrong length, a date out of range, or a
                // Memo too long for the reader (never stored cut short)
};

struct CellValue {
    db::Value value;
    CellOutcome outcome = CellOutcome::Copied;
};

// The value of `cell` of a column of libmdb type `type` (one the converter
// copies: not binary, OLE, complex or an unknown type). A Null stays Null;
// Yes/No is -1 or 0, as the engine keeps it; dates are the engine's
// "YYYY-MM-DD HH:MM:SS"; texts Windows-1252; a Decimal its digits as text
// ("-12.50"), for the number field it goes into (access_field_types.h) to
// read, Rounded when the nearest Double is another number.
CellValue cellValue(const AccessCell& cell, int type);

} // namespace fieldizer::access
