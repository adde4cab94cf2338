#include "workbench/engine/value.h"

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
    return std::string(buffer, result.ptr);
}

} // namespace fieldizer::db
