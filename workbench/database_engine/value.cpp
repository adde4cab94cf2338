#include "workbench/database_engine/value.h"

#include <charconv>
#include <cmath>

namespace fieldizer::db {

double Value::number() const {
    if (isInteger())
        return double(std::get<std::int64_t>(data_));
    return isDouble() ? std::get<double>(data_) : 0.0;
}

std::string Value::toText() const {
    if (isText())
        return text();
    if (isInteger())
        return std::to_string(integer());
    if (isDouble())
        return formatNumber(number());
    return {};
}

std::string formatNumber(double number) {
    if (std::isnan(number))
        return "NaN";
    if (std::isinf(number))
        return number < 0 ? "-Infinity" : "Infinity";
    char buffer[64];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, number);
    std::string_view shortest(buffer, std::size_t(result.ptr - buffer));
    std::size_t digits = 0;
    for (char c : shortest.substr(0, shortest.find('e')))
        digits += c >= '0' && c <= '9';
    if (digits <= 15)
        return std::string(shortest);
    // The engine shows 15 significant digits, so binary noise such as the
    // 1 in 570.8900000000001 (a sum of currency products) never shows.
    result = std::to_chars(buffer, buffer + sizeof buffer, number, std::chars_format::general, 15);
    return std::string(buffer, result.ptr);
}

} // namespace fieldizer::db
