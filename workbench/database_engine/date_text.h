#pragma once
// Date/Time values are stored as text "YYYY-MM-DD HH:MM:SS" (the form the SQL
// translator gives date literals); numbers assigned to a date field are the
// engine's serial dates and are turned into that text here.

#include <optional>
#include <string>
#include <string_view>

namespace fieldizer::db {

// The engine's serial date (days since 30 December 1899, the fraction being
// the time of day) in the stored form; nothing outside the years 100-9999.
std::optional<std::string> dateFromSerial(double serial);

// The other way: a text in exactly the stored form, as its serial date;
// nothing for any other text. Dates take part in arithmetic and comparison as
// these numbers.
std::optional<double> serialFromStored(std::string_view stored);

// A stored date as the engine's General Date shows it wherever a date becomes
// text: "1/15/2024", "1/15/2024 3:04:05 PM", a time alone "3:04:05 PM".
std::string generalDate(std::string_view stored);

} // namespace fieldizer::db
