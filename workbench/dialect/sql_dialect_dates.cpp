#include "workbench/dialect/sql_dialect.h"
#include "workbench/dialect/sql_dialect_parser.h"

#include <array>
#include <cstdio>
#include <ctime>
#include <vector>

namespace fieldizer::db {
namespace {

struct DatePart {
    enum Kind { Number, Word, Colon } kind;
    std::string text;
};

struct DateTimeValue {
    int year = 1899, month = 12, day = 30; // the engine's day zero
    int hour = 0, minute = 0, second = 0;
};

bool isDigitByte(char c) {
    return c >= '0' && c <= '9';
}
bool isLetterByte(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Numbers, words and colons; other punctuation only separates.
bool splitDate(std::string_view text, std::vector<DatePart>& parts) {
    for (std::size_t i = 0; i < text.size();) {
        char c = text[i];
        std::size_t j = i + 1;
        if (isDigitByte(c)) {
            while (j < text.size() && isDigitByte(text[j]))
                ++j;
            parts.push_back({DatePart::Number, std::string(text.substr(i, j - i))});
        } else if (isLetterByte(c)) {
            while (j < text.size() && isLetterByte(text[j]))
                ++j;
            parts.push_back({DatePart::Word, std::string(text.substr(i, j - i))});
        } else if (c == ':') {
            parts.push_back({DatePart::Colon, ":"});
        } else if (c != '/' && c != '-' && c != '.' && c != ',' && c != ' ' && c != '\t') {
            return false;
        }
        i = j;
    }
    return true;
}

int numberOf(const std::string& digits) {
    if (digits.size() > 4)
        return -1;
    return std::stoi(digits);
}

int monthOfWord(const std::string& word) {
    static constexpr std::array<std::string_view, 12> names{
        "january", "february", "march",     "april",   "may",      "june",
        "july",    "august",   "september", "october", "november", "december"};
    for (std::size_t m = 0; m < names.size(); ++m) {
        auto name = names[m];
        if (word.size() >= 3 && word.size() <= name.size() &&
            sameAccessWord(word, name.substr(0, word.size())))
            return int(m) + 1;
    }
    return 0;
}

bool isLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysIn(int month, int year) {
    static constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeap(year) ? 29 : days[std::size_t(month - 1)];
}

// Two-digit years as the engine reads them.
int fullYear(const std::string& digits) {
    int year = numberOf(digits);
    if (digits.size() <= 2)
        return year < 30 ? 2000 + year : 1900 + year;
    return year;
}

int currentYear() {
    std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local.tm_year + 1900;
}

bool validDay(int year, int month, int day) {
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysIn(month, year);
}

// Takes h:mm[:ss] [AM|PM] out of `parts`.
bool takeTime(std::vector<DatePart>& parts, DateTimeValue& value) {
    for (std::size_t i = 0; i + 2 < parts.size(); ++i) {
        if (parts[i].kind != DatePart::Number || parts[i + 1].kind != DatePart::Colon)
            continue;
        if (parts[i + 2].kind != DatePart::Number)
            return false;
        std::size_t end = i + 3;
        value.hour = numberOf(parts[i].text);
        value.minute = numberOf(parts[i + 2].text);
        if (end + 1 < parts.size() && parts[end].kind == DatePart::Colon &&
            parts[end + 1].kind == DatePart::Number) {
            value.second = numberOf(parts[end + 1].text);
            end += 2;
        }
        if (end < parts.size() && parts[end].kind == DatePart::Word) {
            bool pm = sameAccessWord(parts[end].text, "pm") || sameAccessWord(parts[end].text, "p");
            bool am = sameAccessWord(parts[end].text, "am") || sameAccessWord(parts[end].text, "a");
            if (!pm && !am)
                return false;
            if (value.hour < 1 || value.hour > 12)
                return false;
            value.hour = value.hour % 12 + (pm ? 12 : 0);
            ++end;
        }
        parts.erase(parts.begin() + long(i), parts.begin() + long(end));
        return value.hour >= 0 && value.hour <= 23 && value.minute >= 0 && value.minute <= 59 &&
               value.second >= 0 && value.second <= 59;
    }
    return true;
}

// Numbers only: m/d/y, y-m-d, m/d; d/m/y when m/d/y cannot be a date.
bool numericDate(const std::vector<DatePart>& parts, DateTimeValue& value) {
    if (parts.size() == 2) {
        value = {currentYear(),
                 numberOf(parts[0].text),
                 numberOf(parts[1].text),
                 value.hour,
                 value.minute,
                 value.second};
        return validDay(value.year, value.month, value.day);
    }
    if (parts[0].text.size() >= 3) {
        value.year = numberOf(parts[0].text);
        value.month = numberOf(parts[1].text);
        value.day = numberOf(parts[2].text);
        return parts[1].text.size() <= 2 && parts[2].text.size() <= 2 &&
               validDay(value.year, value.month, value.day);
    }
    if (parts[1].text.size() > 2)
        return false;
    value.year = fullYear(parts[2].text);
    value.month = numberOf(parts[0].text);
    value.day = numberOf(parts[1].text);
    if (!validDay(value.year, value.month, value.day))
        std::swap(value.month, value.day);
    return validDay(value.year, value.month, value.day);
}

// One month name and two numbers: d-mmm-yyyy, mmm d, yyyy, yyyy-mmm-d.
bool namedMonthDate(const std::vector<DatePart>& parts, DateTimeValue& value) {
    std::vector<std::string> numbers;
    int month = 0;
    for (const auto& part : parts) {
        if (part.kind == DatePart::Number)
            numbers.push_back(part.text);
        else if (month == 0)
            month = monthOfWord(part.text);
        else
            return false;
    }
    if (month == 0 || numbers.size() != 2)
        return false;
    bool yearFirst = numbers[0].size() >= 3;
    const std::string& dayText = yearFirst ? numbers[1] : numbers[0];
    if (dayText.size() > 2)
        return false;
    value.year = fullYear(yearFirst ? numbers[0] : numbers[1]);
    value.month = month;
    value.day = numberOf(dayText);
    return validDay(value.year, value.month, value.day);
}

bool readDate(std::string_view text, DateTimeValue& value) {
    std::vector<DatePart> parts;
    if (!splitDate(text, parts) || parts.empty() || !takeTime(parts, value))
        return false;
    if (parts.empty())
        return true; // a time alone
    for (const auto& part : parts) {
        if (part.kind == DatePart::Colon)
            return false;
    }
    bool allNumbers = true;
    for (const auto& part : parts)
        allNumbers = allNumbers && part.kind == DatePart::Number;
    if (allNumbers && (parts.size() == 2 || parts.size() == 3))
        return numericDate(parts, value);
    return namedMonthDate(parts, value);
}

} // namespace

std::optional<std::string> accessDateToStorage(std::string_view text) {
    DateTimeValue value;
    if (text.size() > 64 || !readDate(text, value))
        return std::nullopt;
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d", value.year, value.month,
                  value.day, value.hour, value.minute, value.second);
    return std::string(buffer);
}

} // namespace fieldizer::db
