#include "workbench/functions/sql_functions_format.h"

#include "workbench/dialect/sql_dialect.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace fieldizer::db::access_format {
namespace {

struct DateParts {
    int year, month, day, hour, minute, second;
};

DateParts partsOf(std::string_view stored) {
    auto number = [&](std::size_t at, std::size_t length) {
        int value = 0;
        for (char c : stored.substr(at, length))
            value = value * 10 + (c - '0');
        return value;
    };
    return {number(0, 4), number(5, 2), number(8, 2), number(11, 2), number(14, 2), number(17, 2)};
}

// Day of the week, 0 = Sunday (Zeller's congruence).
int weekday(const DateParts& d) {
    int m = d.month < 3 ? d.month + 12 : d.month;
    int y = d.month < 3 ? d.year - 1 : d.year;
    int h = (d.day + 13 * (m + 1) / 5 + y + y / 4 - y / 100 + y / 400) % 7; // 0 = Saturday
    return (h + 6) % 7;
}

int dayOfYear(const DateParts& d) {
    static constexpr int before[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    return before[d.month - 1] + d.day + (leap && d.month > 2 ? 1 : 0);
}

// Week of the year, weeks from Sunday, week 1 holding 1 January.
int weekOfYear(const DateParts& d) {
    int firstWeekday = weekday(DateParts{d.year, 1, 1, 0, 0, 0}); // 0 = Sunday
    return (dayOfYear(d) - 1 + firstWeekday) / 7 + 1;
}

constexpr std::array<const char*, 12> monthNames{"January",   "February", "March",    "April",
                                                 "May",       "June",     "July",     "August",
                                                 "September", "October",  "November", "December"};
constexpr std::array<const char*, 7> dayNames{"Sunday",   "Monday", "Tuesday", "Wednesday",
                                              "Thursday", "Friday", "Saturday"};

std::string twoDigits(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d", value);
    return buffer;
}

bool startsWithWord(std::string_view text, std::string_view word) {
    return text.size() >= word.size() && sameAccessWord(text.substr(0, word.size()), word);
}

// One date token at the start of `rest`: its text and length, or 0.
std::size_t dateToken(std::string_view rest, const DateParts& d, bool afterHour, std::string& out) {
    const std::pair<std::string_view, std::string> fixed[] = {
        {"yyyy", std::to_string(d.year)},
        {"yy", twoDigits(d.year % 100)},
        {"y", std::to_string(dayOfYear(d))},
        {"q", std::to_string((d.month - 1) / 3 + 1)},
        {"ww", std::to_string(weekOfYear(d))},
        {"w", std::to_string(weekday(d) + 1)},
        {"mmmm", monthNames[std::size_t(d.month - 1)]},
        {"mmm", std::string(monthNames[std::size_t(d.month - 1)]).substr(0, 3)},
        {"mm", afterHour ? twoDigits(d.minute) : twoDigits(d.month)},
        {"m", std::to_string(afterHour ? d.minute : d.month)},
        {"dddd", dayNames[std::size_t(weekday(d))]},
        {"ddd", std::string(dayNames[std::size_t(weekday(d))]).substr(0, 3)},
        {"dd", twoDigits(d.day)},
        {"d", std::to_string(d.day)},
        {"nn", twoDigits(d.minute)},
        {"n", std::to_string(d.minute)},
        {"ss", twoDigits(d.second)},
        {"s", std::to_string(d.second)},
        {"AM/PM", d.hour < 12 ? "AM" : "PM"},
        {"am/pm", d.hour < 12 ? "am" : "pm"},
    };
    for (const auto& [token, text] : fixed) {
        bool amPm = token.find('/') != std::string_view::npos; // its letter case is kept
        if (amPm ? rest.substr(0, token.size()) == token : startsWithWord(rest, token)) {
            out = text;
            return token.size();
        }
    }
    return 0;
}

std::string datePattern(const DateParts& d, std::string_view pattern) {
    bool twelveHour = pattern.find("AM/PM") != std::string_view::npos ||
                      pattern.find("am/pm") != std::string_view::npos;
    int hour = twelveHour ? (d.hour % 12 == 0 ? 12 : d.hour % 12) : d.hour;
    std::string result;
    bool afterHour = false;
    for (std::size_t i = 0; i < pattern.size();) {
        std::string_view rest = pattern.substr(i);
        std::string piece;
        std::size_t used = 0;
        if (startsWithWord(rest, "hh") || startsWithWord(rest, "h")) {
            used = startsWithWord(rest, "hh") ? 2 : 1;
            piece = used == 2 ? twoDigits(hour) : std::to_string(hour);
            afterHour = true;
        } else if (rest[0] == '\\' && rest.size() > 1) {
            piece = std::string(1, rest[1]);
            used = 2;
        } else if (rest[0] == '"') {
            std::size_t close = rest.find('"', 1);
            used = close == std::string_view::npos ? rest.size() : close + 1;
            piece = std::string(rest.substr(1, used - (close == std::string_view::npos ? 1 : 2)));
        } else if ((used = dateToken(rest, d, afterHour, piece)) != 0) {
            bool minute = (startsWithWord(rest, "m") && afterHour) || startsWithWord(rest, "n");
            afterHour = afterHour && !minute && !startsWithWord(rest, "s");
        } else {
            piece = std::string(1, rest[0]);
            used = 1;
        }
        result += piece;
        i += used;
    }
    return result;
}

std::string grouped(std::string digits) {
    for (int at = int(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(std::size_t(at), ",");
    return digits;
}

std::string fixedDecimals(double value, int decimals, bool thousands, int minimumDigits) {
    char buffer[400]; // up to 1e300 with 30 decimals
    std::snprintf(buffer, sizeof buffer, "%.*f", std::min(decimals, 30), std::fabs(value));
    std::string text = buffer;
    std::size_t point = text.find('.');
    std::string whole = text.substr(0, point);
    std::string fraction = point == std::string::npos ? "" : text.substr(point);
    if (whole == "0" && minimumDigits == 0)
        whole.clear();
    while (int(whole.size()) < minimumDigits)
        whole.insert(0, "0");
    bool negative = value < 0 && text.find_first_of("123456789") != std::string::npos;
    return (negative ? "-" : "") + (thousands ? grouped(whole) : whole) + fraction;
}

} // namespace

std::optional<std::string> formatNumber(double value, std::string_view pattern) {
    if (!std::isfinite(value) || std::fabs(value) > 1e300)
        return std::nullopt;
    if (sameAccessWord(pattern, "General Number")) {
        char buffer[40];
        std::snprintf(buffer, sizeof buffer, "%.15g", value);
        return std::string(buffer);
    }
    if (sameAccessWord(pattern, "Currency")) { // a negative amount in parentheses
        std::string amount = "$" + fixedDecimals(std::fabs(value), 2, true, 1);
        bool negative = value < 0 && amount.find_first_of("123456789") != std::string::npos;
        return negative ? "(" + amount + ")" : amount;
    }
    if (sameAccessWord(pattern, "Fixed"))
        return fixedDecimals(value, 2, false, 1);
    if (sameAccessWord(pattern, "Standard"))
        return fixedDecimals(value, 2, true, 1);
    if (sameAccessWord(pattern, "Percent"))
        return fixedDecimals(value * 100, 2, false, 1) + "%";
    if (sameAccessWord(pattern, "Yes/No"))
        return std::string(value != 0 ? "Yes" : "No");
    if (sameAccessWord(pattern, "True/False"))
        return std::string(value != 0 ? "True" : "False");
    if (sameAccessWord(pattern, "On/Off"))
        return std::string(value != 0 ? "On" : "Off");
    std::size_t first = pattern.find_first_of("0#");
    if (first == std::string_view::npos)
        return std::nullopt;
    std::size_t last = pattern.find_last_of("0#");
    first = std::min(first, pattern.find_first_of(".,0#"));
    std::string_view body = pattern.substr(first, last - first + 1);
    std::size_t point = body.find('.');
    std::string_view whole = body.substr(0, point);
    std::string_view fraction = point == std::string_view::npos ? "" : body.substr(point + 1);
    int minimumDigits = 0;
    for (char c : whole)
        minimumDigits += c == '0';
    std::string_view prefix = pattern.substr(0, first);
    std::string_view suffix = pattern.substr(last + 1);
    double scaled = suffix.find('%') != std::string_view::npos ? value * 100 : value;
    std::string digits = fixedDecimals(scaled, int(fraction.size()),
                                       whole.find(',') != std::string_view::npos, minimumDigits);
    bool negative = !digits.empty() && digits[0] == '-'; // the sign goes before any prefix
    return (negative ? "-" : "") + std::string(prefix) + digits.substr(negative ? 1 : 0) +
           std::string(suffix);
}

std::optional<std::string> formatDate(std::string_view storedDate, std::string_view pattern) {
    DateParts d = partsOf(storedDate);
    bool dayZero = storedDate.substr(0, 10) == "1899-12-30";
    bool midnight = storedDate.substr(11) == "00:00:00";
    std::string shortDate = datePattern(d, "m/d/yyyy");
    std::string longTime = datePattern(d, "h:nn:ss AM/PM");
    if (pattern.empty() || sameAccessWord(pattern, "General Date"))
        return dayZero ? longTime : midnight ? shortDate : shortDate + " " + longTime;
    if (sameAccessWord(pattern, "Short Date"))
        return shortDate;
    if (sameAccessWord(pattern, "Medium Date"))
        return datePattern(d, "dd-mmm-yy");
    if (sameAccessWord(pattern, "Long Date"))
        return datePattern(d, "dddd, mmmm dd, yyyy");
    if (sameAccessWord(pattern, "Long Time"))
        return longTime;
    if (sameAccessWord(pattern, "Medium Time"))
        return datePattern(d, "hh:nn AM/PM");
    if (sameAccessWord(pattern, "Short Time"))
        return datePattern(d, "hh:nn");
    if (pattern.find_first_of("ymdhnsqwYMDHNSQW") == std::string_view::npos)
        return std::nullopt;
    return datePattern(d, pattern);
}

} // namespace fieldizer::db::access_format
