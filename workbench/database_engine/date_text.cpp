#include "workbench/database_engine/date_text.h"

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

// Days from 1899-12-30 to a civil date (the inverse of the reckoning below).
long long daysFromCivil(int year, int month, int day) {
    long long y = month <= 2 ? year - 1 : year;
    long long era = (y >= 0 ? y : y - 399) / 400;
    long long yoe = y - era * 400;
    long long doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
    long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468 + 25569;
}

std::optional<DateTime> parseStored(std::string_view s) {
    static constexpr std::string_view shape = "dddd-dd-dd dd:dd:dd";
    if (s.size() != shape.size())
        return std::nullopt;
    for (std::size_t i = 0; i < s.size(); ++i) {
        bool digit = s[i] >= '0' && s[i] <= '9';
        if (shape[i] == 'd' ? !digit : s[i] != shape[i])
            return std::nullopt;
    }
    auto number = [&](std::size_t at, std::size_t length) {
        int value = 0;
        for (char c : s.substr(at, length))
            value = value * 10 + (c - '0');
        return value;
    };
    DateTime d{number(0, 4),  number(5, 2),  number(8, 2),
               number(11, 2), number(14, 2), number(17, 2)};
    if (!valid(d))
        return std::nullopt;
    return d;
}

} // namespace

std::optional<double> serialFromStored(std::string_view stored) {
    auto d = parseStored(stored);
    if (!d)
        return std::nullopt;
    double days = double(daysFromCivil(d->year, d->month, d->day));
    double time = (d->hour * 3600 + d->minute * 60 + d->second) / 86400.0;
    // Counted on one straight line (as dateFromSerial reads it back), so that
    // date arithmetic before day zero comes back to the same dates.
    return days + time;
}

std::string generalDate(std::string_view stored) {
    auto d = parseStored(stored);
    if (!d)
        return std::string(stored);
    char date[32] = "";
    char time[32] = "";
    bool dayZero = d->year == 1899 && d->month == 12 && d->day == 30;
    bool midnight = d->hour == 0 && d->minute == 0 && d->second == 0;
    if (!dayZero || midnight)
        std::snprintf(date, sizeof date, "%d/%d/%d", d->month, d->day, d->year);
    if (!midnight)
        std::snprintf(time, sizeof time, "%d:%02d:%02d %s", d->hour % 12 == 0 ? 12 : d->hour % 12,
                      d->minute, d->second, d->hour < 12 ? "AM" : "PM");
    if (dayZero && !midnight)
        return time;
    return midnight ? std::string(date) : std::string(date) + " " + time;
}

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
