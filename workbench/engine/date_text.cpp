#include "workbench/engine/date_text.h"

#include <cmath>
#include <cstdio>

namespace fieldizer::db {
namespace {

struct DateTime {
    int year = 0, month = 0, day = 0, hour = 0, minute = 0, second = 0;
};

bool leapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && leapYear(year) ? 29 : days[month - 1];
}

bool valid(const DateTime& d) {
    return d.year >= 100 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= daysInMonth(d.year, d.month) && d.hour >= 0 && d.hour < 24 && d.minute >= 0 &&
           d.minute < 60 && d.second >= 0 && d.second < 60;
}

std::string format(const DateTime& d) {
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day,
                  d.hour, d.minute, d.second);
    return buffer;
}

} // namespace

std::optional<std::string> dateFromSerial(double serial) {
    if (!std::isfinite(serial) || serial < -657434.0 || serial >= 2958466.0)
        return std::nullopt;
    // Whole days and the time of day, in seconds rounded to the nearest.
    long long seconds = std::llround(serial * 86400.0);
    long long days = seconds / 86400;
    long long rest = seconds % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    // Civil date from days since 1899-12-30 (days since 1970-01-01 + 25569).
    long long z = days - 25569 + 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    long long doe = z - era * 146097;
    long long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    long long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    long long mp = (5 * doy + 2) / 153;
    DateTime d;
    d.day = int(doy - (153 * mp + 2) / 5 + 1);
    d.month = int(mp < 10 ? mp + 3 : mp - 9);
    d.year = int(yoe + era * 400 + (d.month <= 2 ? 1 : 0));
    d.hour = int(rest / 3600);
    d.minute = int(rest / 60 % 60);
    d.second = int(rest % 60);
    if (!valid(d))
        return std::nullopt;
    return format(d);
}

} // namespace fieldizer::db
