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

} // namespace fieldizer::db
