#include "workbench/functions/sql_functions_dates.h"

#include "text_engine/runtime_error.h"
#include "workbench/database_engine/date_text.h"
#include "workbench/dialect/sql_dialect.h"
#include "workbench/functions/sql_functions_values.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <optional>
#include <sqlite3.h>
#include <string>

namespace fieldizer::db::access_values {
namespace {

struct Parts {
    int year, month, day, hour, minute, second;
};

Parts partsOf(const std::string& stored) {
    Parts p{};
    std::sscanf(stored.c_str(), "%d-%d-%d %d:%d:%d", &p.year, &p.month, &p.day, &p.hour, &p.minute,
                &p.second);
    return p;
}

// A date argument (a stored date, a date text or a serial number) as its
// serial and parts; the error set and nothing when it is none.
struct DateArgument {
    double serial;
    Parts parts;
};

std::optional<DateArgument> dateArgument(sqlite3_context* context, sqlite3_value* value) {
    int type = sqlite3_value_numeric_type(value);
    auto stored = type == SQLITE_INTEGER || type == SQLITE_FLOAT
                      ? dateFromSerial(sqlite3_value_double(value))
                      : accessDateToStorage(textOf(value));
    if (!stored) {
        sqlite3_result_error(context, typeMismatch, -1);
        return std::nullopt;
    }
    return DateArgument{*serialFromStored(*stored), partsOf(*stored)};
}

// The serial of year/month/day, months and days beyond their range carried
// over as DateSerial carries them.
std::optional<double> serialOf(long long year, long long month, long long day) {
    long long months = year * 12 + (month - 1);
    long long y = months >= 0 ? months / 12 : (months - 11) / 12;
    long long m = months - y * 12 + 1;
    if (y < 100 || y > 9999)
        return std::nullopt;
    char first[64];
    std::snprintf(first, sizeof first, "%04d-%02d-01 00:00:00", int(y), int(m));
    return *serialFromStored(first) + double(day - 1);
}

int daysInMonth(int year, int month) {
    return int(*serialOf(year, month + 1, 1) - *serialOf(year, month, 1));
}

// 1 = the first day of the week (Sunday unless `firstDay` says otherwise).
int weekdayOf(double serial, int firstDay) {
    long long day = static_cast<long long>(std::floor(serial));
    // Serial day 1 (31 December 1899) was a Sunday.
    long long sundayBased = ((day - 1) % 7 + 7) % 7; // 0 = Sunday
    return int((sundayBased - (firstDay - 1) + 7) % 7) + 1;
}

int firstDayArgument(int argc, sqlite3_value** args, int at) {
    if (argc <= at || sqlite3_value_type(args[at]) == SQLITE_NULL)
        return 1;
    int day = sqlite3_value_int(args[at]);
    return day >= 1 && day <= 7 ? day : 1;
}

void resultSerial(sqlite3_context* context, double serial) {
    if (auto stored = dateFromSerial(serial))
        resultText(context, *stored);
    else
        sqlite3_result_error(context, invalidCall, -1);
}

// The interval names of DateAdd, DateDiff and DatePart.
enum class Interval { year, quarter, month, dayOfYear, day, weekday, week, hour, minute, second };

std::optional<Interval> intervalOf(sqlite3_context* context, sqlite3_value* value) {
    static const std::pair<const char*, Interval> names[] = {
        {"yyyy", Interval::year},   {"q", Interval::quarter}, {"m", Interval::month},
        {"y", Interval::dayOfYear}, {"d", Interval::day},     {"w", Interval::weekday},
        {"ww", Interval::week},     {"h", Interval::hour},    {"n", Interval::minute},
        {"s", Interval::second}};
    std::string text = textOf(value);
    for (const auto& [name, interval] : names) {
        if (sameAccessWord(text, name))
            return interval;
    }
    sqlite3_result_error(context, invalidCall, -1);
    return std::nullopt;
}

double timeOfDay(const Parts& p) {
    return (p.hour * 3600 + p.minute * 60 + p.second) / 86400.0;
}

// DateAdd(interval, number, date)
void dateAddFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[1]) || nullArgument(context, args[2]))
        return;
    auto interval = intervalOf(context, args[0]);
    auto number = interval ? numberArgument(context, args[1]) : std::nullopt;
    auto date = number ? dateArgument(context, args[2]) : std::nullopt;
    if (!date)
        return;
    long long n = std::llround(*number);
    const Parts& p = date->parts;
    double serial = date->serial;
    switch (*interval) {
    case Interval::year:
    case Interval::quarter:
    case Interval::month: {
        long long months = n * (*interval == Interval::year      ? 12
                                : *interval == Interval::quarter ? 3
                                                                 : 1);
        auto first = serialOf(p.year, p.month + months, 1);
        if (!first) {
            sqlite3_result_error(context, invalidCall, -1);
            return;
        }
        auto target = partsOf(*dateFromSerial(*first));
        // The day stays, or becomes the last of a shorter month.
        int day = std::min(p.day, daysInMonth(target.year, target.month));
        resultSerial(context, *first + day - 1 + timeOfDay(p));
        return;
    }
    case Interval::week:
        serial += 7.0 * double(n);
        break;
    case Interval::hour:
        serial += double(n) / 24.0;
        break;
    case Interval::minute:
        serial += double(n) / 1440.0;
        break;
    case Interval::second:
        serial += double(n) / 86400.0;
        break;
    default: // d, y, w: days
        serial += double(n);
    }
    resultSerial(context, serial);
}

long long wholeDays(double serial) {
    return static_cast<long long>(std::floor(serial + 1e-9));
}

long long unitsOf(double serial, double perDay) {
    return static_cast<long long>(std::floor(serial * perDay + 1e-6));
}

// DateDiff(interval, date1, date2 [, firstdayofweek]): the boundaries of the
// interval crossed from date1 to date2.
void dateDiffFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (nullArgument(context, args[1]) || nullArgument(context, args[2]))
        return;
    auto interval = intervalOf(context, args[0]);
    auto a = interval ? dateArgument(context, args[1]) : std::nullopt;
    auto b = a ? dateArgument(context, args[2]) : std::nullopt;
    if (!b)
        return;
    const Parts &p = a->parts, &q = b->parts;
    long long days = wholeDays(b->serial) - wholeDays(a->serial);
    long long result = 0;
    switch (*interval) {
    case Interval::year:
        result = q.year - p.year;
        break;
    case Interval::quarter:
        result = (q.year * 4 + (q.month - 1) / 3) - (p.year * 4 + (p.month - 1) / 3);
        break;
    case Interval::month:
        result = (q.year * 12 + q.month) - (p.year * 12 + p.month);
        break;
    case Interval::weekday: // whole weeks
        result = days / 7;
        break;
    case Interval::week: { // first days of the week crossed
        int shift = firstDayArgument(argc, args, 3) - 1;
        auto weekIndex = [&](double serial) {
            long long day = wholeDays(serial) - 1 - shift;
            return day >= 0 ? day / 7 : (day - 6) / 7;
        };
        result = weekIndex(b->serial) - weekIndex(a->serial);
        break;
    }
    case Interval::hour:
        result = unitsOf(b->serial, 24) - unitsOf(a->serial, 24);
        break;
    case Interval::minute:
        result = unitsOf(b->serial, 1440) - unitsOf(a->serial, 1440);
        break;
    case Interval::second:
        result = std::llround(b->serial * 86400) - std::llround(a->serial * 86400);
        break;
    default:
        result = days;
    }
    sqlite3_result_int64(context, result);
}

int dayOfYear(const DateArgument& date) {
    return int(wholeDays(date.serial) - wholeDays(*serialOf(date.parts.year, 1, 1))) + 1;
}

// DatePart(interval, date [, firstdayofweek])
void datePartFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (nullArgument(context, args[1]))
        return;
    auto interval = intervalOf(context, args[0]);
    auto date = interval ? dateArgument(context, args[1]) : std::nullopt;
    if (!date)
        return;
    const Parts& p = date->parts;
    int firstDay = firstDayArgument(argc, args, 2);
    int result = 0;
    switch (*interval) {
    case Interval::year:
        result = p.year;
        break;
    case Interval::quarter:
        result = (p.month - 1) / 3 + 1;
        break;
    case Interval::month:
        result = p.month;
        break;
    case Interval::dayOfYear:
        result = dayOfYear(*date);
        break;
    case Interval::day:
        result = p.day;
        break;
    case Interval::weekday:
        result = weekdayOf(date->serial, firstDay);
        break;
    case Interval::week: {
        // Week 1 holds 1 January.
        int firstWeekday = weekdayOf(*serialOf(p.year, 1, 1), firstDay);
        result = (dayOfYear(*date) + firstWeekday - 2) / 7 + 1;
        break;
    }
    case Interval::hour:
        result = p.hour;
        break;
    case Interval::minute:
        result = p.minute;
        break;
    case Interval::second:
        result = p.second;
        break;
    }
    sqlite3_result_int(context, result);
}

// DateSerial(year, month, day): two-digit years as date literals read them.
void dateSerialFunction(sqlite3_context* context, int, sqlite3_value** args) {
    double numbers[3];
    for (int i = 0; i < 3; ++i) {
        if (sqlite3_value_type(args[i]) == SQLITE_NULL) {
            sqlite3_result_error(context, invalidNull, -1);
            return;
        }
        auto number = numberArgument(context, args[i]);
        if (!number)
            return;
        numbers[i] = std::nearbyint(*number);
    }
    long long year = static_cast<long long>(numbers[0]);
    if (year >= 0 && year <= 29)
        year += 2000;
    else if (year >= 30 && year <= 99)
        year += 1900;
    auto serial = std::fabs(numbers[1]) < 1e6 && std::fabs(numbers[2]) < 1e7
                      ? serialOf(year, static_cast<long long>(numbers[1]), 1)
                      : std::nullopt;
    if (!serial)
        sqlite3_result_error(context, invalidCall, -1);
    else
        resultSerial(context, *serial + numbers[2] - 1);
}

// TimeSerial(hour, minute, second): a time on day zero.
void timeSerialFunction(sqlite3_context* context, int, sqlite3_value** args) {
    double seconds = 0;
    for (int i = 0; i < 3; ++i) {
        if (nullArgument(context, args[i]))
            return;
        auto number = numberArgument(context, args[i]);
        if (!number)
            return;
        seconds += std::nearbyint(*number) * (i == 0 ? 3600 : i == 1 ? 60 : 1);
    }
    resultSerial(context, seconds / 86400.0);
}

// DateValue(date): the date without its time; TimeValue(date): the time alone.
template <bool timePart>
void valuePartFunction(sqlite3_context* context, int, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    auto date = dateArgument(context, args[0]);
    if (!date)
        return;
    double day = std::floor(date->serial + 1e-9);
    resultSerial(context, timePart ? timeOfDay(date->parts) : day);
}

void weekdayFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (nullArgument(context, args[0]))
        return;
    if (auto date = dateArgument(context, args[0]))
        sqlite3_result_int(context, weekdayOf(date->serial, firstDayArgument(argc, args, 1)));
}

constexpr std::array<const char*, 12> monthNames{"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

bool abbreviated(int argc, sqlite3_value** args) {
    return argc > 1 && isTrue(args[1]);
}

// MonthName(month [, abbreviate]), WeekdayName(weekday [, abbreviate [, firstdayofweek]])
template <bool weekday>
void nameFunction(sqlite3_context* context, int argc, sqlite3_value** args) {
    if (sqlite3_value_type(args[0]) == SQLITE_NULL) {
        sqlite3_result_error(context, invalidNull, -1);
        return;
    }
    auto number = numberArgument(context, args[0]);
    if (!number)
        return;
    int n = int(std::nearbyint(*number));
    if (n < 1 || n > (weekday ? 7 : 12)) {
        sqlite3_result_error(context, invalidCall, -1);
        return;
    }
    std::string name =
        weekday ? dayNames[std::size_t((n - 1 + firstDayArgument(argc, args, 2) - 1) % 7)]
                : monthNames[std::size_t(n - 1)];
    resultText(context, abbreviated(argc, args) ? name.substr(0, 3) : name);
}

constexpr ScalarFunction dateFunctions[] = {
    {"dateadd", 3, dateAddFunction},           {"datediff", 3, dateDiffFunction},
    {"datediff", 4, dateDiffFunction},         {"datepart", 2, datePartFunction},
    {"datepart", 3, datePartFunction},         {"dateserial", 3, dateSerialFunction},
    {"timeserial", 3, timeSerialFunction},     {"datevalue", 1, valuePartFunction<false>},
    {"timevalue", 1, valuePartFunction<true>}, {"weekday", 1, weekdayFunction},
    {"weekday", 2, weekdayFunction},           {"monthname", 1, nameFunction<false>},
    {"monthname", 2, nameFunction<false>},     {"weekdayname", 1, nameFunction<true>},
    {"weekdayname", 2, nameFunction<true>},    {"weekdayname", 3, nameFunction<true>},
    {"datediff", 5, dateDiffFunction},         {"datepart", 4, datePartFunction},
};

} // namespace

void registerDateFunctions(sqlite3* db) {
    registerScalars(db, dateFunctions);
}

} // namespace fieldizer::db::access_values
