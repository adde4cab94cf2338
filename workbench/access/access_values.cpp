#include "workbench/access/access_values.h"

#include "text_engine/cp1252.h"
#include "workbench/access/access_text.h"
#include "workbench/database_engine/date_text.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace fieldizer::access {
namespace {

constexpr double currencyScale = 10000.0; // Currency is stored as 1/10000ths

template <typename Number> std::optional<Number> storedNumber(std::string_view bytes) {
    if (bytes.size() != sizeof(Number))
        return std::nullopt;
    Number number;
    std::memcpy(&number, bytes.data(), sizeof number); // the file is little-endian, as we are
    return number;
}

CellValue textValue(const std::string& utf8) {
    std::string text = utf8ToCp1252(utf8);
    // Each character Windows-1252 lacks became one "?": more question marks
    // out than in means something was replaced.
    auto marks = [](std::string_view s) { return std::count(s.begin(), s.end(), '?'); };
    bool replaced = marks(text) > marks(utf8);
    return {db::Value(std::move(text)), replaced ? CellOutcome::Replaced : CellOutcome::Copied};
}

CellValue unreadable() {
    return {db::Value(db::Null{}), CellOutcome::Unreadable};
}

// A number written in decimal as its sign, its significant digits and the
// power of ten of the last: "-012.500" and "-1.25e1" are both "-125e-1".
// Empty for text that is no such number.
std::string canonicalNumber(std::string_view text) {
    std::string sign = !text.empty() && text.front() == '-' ? "-" : "";
    text.remove_prefix(sign.size());
    std::string digits;
    long exponent = 0;
    bool point = false;
    std::size_t i = 0;
    for (; i < text.size(); ++i) {
        char c = text[i];
        if (c == '.' && !point) {
            point = true;
        } else if (c >= '0' && c <= '9') {
            digits += c;
            exponent -= point ? 1 : 0;
        } else {
            break;
        }
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E'))
        exponent += std::strtol(std::string(text.substr(i + 1)).c_str(), nullptr, 10);
    else if (i != text.size() || digits.empty())
        return {};
    std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return "0";
    std::size_t last = digits.find_last_not_of('0');
    exponent += long(digits.size() - 1 - last);
    return sign + digits.substr(first, last - first + 1) + "e" + std::to_string(exponent);
}

// libmdb writes a Decimal as its digits with the point at its scale.
CellValue decimalValue(const std::string& digits) {
    std::string exact = canonicalNumber(digits);
    if (exact.empty())
        return unreadable();
    double nearest = 0;
    std::from_chars(digits.data(), digits.data() + digits.size(), nearest);
    char shortest[64];
    auto written = std::to_chars(shortest, shortest + sizeof shortest, nearest);
    bool same =
        canonicalNumber(std::string_view(shortest, std::size_t(written.ptr - shortest))) == exact;
    return {db::Value(digits), same ? CellOutcome::Copied : CellOutcome::Rounded};
}

CellValue fixedValue(const std::string& bytes, int type) {
    switch (type) {
    case mdbType::single:
        if (auto number = storedNumber<float>(bytes))
            return {db::Value(double(*number))};
        return unreadable();
    case mdbType::doubleFloat:
        if (auto number = storedNumber<double>(bytes))
            return {db::Value(*number)};
        return unreadable();
    case mdbType::dateTime:
        if (auto serial = storedNumber<double>(bytes))
            if (auto date = db::dateFromSerial(*serial))
                return {db::Value(std::move(*date))};
        return unreadable();
    case mdbType::currency:
        if (bytes.size() == 8)
            return {db::Value(double(storedInteger(bytes)) / currencyScale)};
        return unreadable();
    default: // Byte, Integer, Long
        if (bytes.empty() || bytes.size() > 8)
            return unreadable();
        return {db::Value(static_cast<long long>(storedInteger(bytes)))};
    }
}

} // namespace

std::int64_t storedInteger(std::string_view bytes) {
    if (bytes.size() == 1)
        return static_cast<unsigned char>(bytes[0]);
    std::uint64_t number = 0;
    for (std::size_t i = bytes.size(); i-- > 0;)
        number = (number << 8) | static_cast<unsigned char>(bytes[i]);
    unsigned bits = unsigned(bytes.size() * 8);
    if (bits < 64 && (number >> (bits - 1)) != 0)
        number |= ~std::uint64_t(0) << bits; // extend the sign
    return static_cast<std::int64_t>(number);
}

CellValue cellValue(const AccessCell& cell, int type) {
    // Yes/No is the row's null bit itself: "null" is No.
    if (type == mdbType::yesNo)
        return {db::Value(cell.isNull ? 0 : -1)};
    if (cell.isNull)
        return {db::Value(db::Null{})};
    switch (type) {
    case mdbType::text:
        return textValue(cell.bytes.empty() ? cell.text : textOfStored(cell.bytes, cell.text));
    case mdbType::decimal:
        return decimalValue(cell.text);
    case mdbType::memo:
    case mdbType::replicationId:
        return cell.cut ? unreadable() : textValue(cell.text);
    default:
        return fixedValue(cell.bytes, type);
    }
}

} // namespace fieldizer::access
